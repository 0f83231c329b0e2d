#pragma once

#include "common/Separators.h"
#include "turning/TurningCost.h"

#include <cstddef>
#include <string>

namespace kelvane {

// The stored values of the turning page and the texts it shows. A box's value and
// the two bases change only through their store functions, the results only through
// recalculate; until the first recalculation the page shows its start-up texts.
class TurningPageModel {
public:
    explicit TurningPageModel(const Separators& separators);

    // The value of box `box`, counted in the order of kTurningBoxes.
    void storeValue(std::size_t box, double value);
    void storeBases(CostBasis stock, CostBasis turning);

    // Works the page out afresh from its stored values with the density in use.
    void recalculate(double density);

    const TurningTexts& texts() const { return results_.texts; }
    // The clipboard text of the copy button: the produced material cost, no unit.
    std::string copyText() const { return turningCopyText(results_, separators_); }

private:
    Separators separators_;
    TurningInputs inputs_;
    TurningResults results_;
};

} // namespace kelvane
