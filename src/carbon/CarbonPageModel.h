#pragma once

#include "carbon/CarbonEquivalent.h"
#include "common/Separators.h"

#include <cstddef>
#include <string>

namespace kelvane {

// The stored contents of the carbon-equivalent page and what it shows: the carbon
// equivalent's text and the rating pointer's position. Every content is 0 at first.
class CarbonPageModel {
public:
    // The content of element `element`, counted in the order of kElements, in per
    // cent by mass; the carbon equivalent follows at once.
    void storeContent(std::size_t element, double value);

    double cev() const { return cev_; }
    std::string cevText(const Separators& separators) const {
        return carbonEquivalentText(cev_, separators);
    }
    int bandPosition() const { return carbonBandPosition(cev_); }

private:
    ElementContents contents_{};
    double cev_ = calcCev(ElementContents{});
};

} // namespace kelvane
