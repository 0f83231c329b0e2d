#pragma once

#include "common/Separators.h"
#include "materials/DensityTable.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// The density table and the material in use, one of each for the window:
// `CurrentDensity` is what every weight formula uses (commercially rounded while
// that option is on), `ExactDensity` the chosen material's density as read.
class MaterialState {
public:
    void setTable(std::vector<TMaterialList> table) { table_ = std::move(table); }
    const std::vector<TMaterialList>& table() const { return table_; }
    // Whether a material is current: false only when no material was read.
    bool hasMaterial() const { return !table_.empty(); }

    // The starting material: the favourite's entry when the table holds its name
    // (the last of several equal names wins), else entry 0. Returns the index whose
    // menu entry is checked. Commercial rounding is applied by startRounding().
    std::size_t chooseStarting(const std::optional<std::string>& favourite);
    // Commercial rounding switched on at start-up, on the starting density.
    void startRounding();

    // A material chosen from the menu: it becomes current with commercial rounding on.
    void choose(std::size_t index);
    // The Commercial Rounding switch.
    void toggleRounding();

    const std::string& currentMaterial() const { return CurrentMaterial; }
    double currentDensity() const { return CurrentDensity; }
    double exactDensity() const { return ExactDensity; }
    bool roundingOn() const { return RoundingOn; }

    // The texts of status panels 0, 1 and 2.
    std::string materialPanelText() const;
    std::string densityPanelText(const Separators& separators) const;
    std::string roundingPanelText() const;

private:
    std::vector<TMaterialList> table_;
    std::string CurrentMaterial;
    double CurrentDensity = 0;
    double ExactDensity = 0;
    bool RoundingOn = true;
};

} // namespace kelvane
