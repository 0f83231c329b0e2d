#pragma once

#include "common/Separators.h"
#include "materials/DensityTable.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// Commercial rounding: the density goes to its nearest quarter and then one quarter
// up, Round((d + 0.25) × 4) ÷ 4, worked in extended precision with exact halves
// going to the even integer (1.125 → 1.5, 1.625 → 2, 7.85 → 8).
double commercialDensity(double density);

// The density table and the material in use, one of each for the window:
// `currentDensity_` is what every weight formula uses (commercially rounded while
// that option is on), `exactDensity_` the chosen material's density as read.
class MaterialState {
public:
    void setTable(std::vector<MaterialEntry> table) { table_ = std::move(table); }
    const std::vector<MaterialEntry>& table() const { return table_; }
    // Whether a material is current: false only when no material was read.
    bool hasMaterial() const { return !table_.empty(); }

    // The starting material: the favourite's entry when the table holds its name
    // (the last of several equal names wins), else entry 0. Returns the index whose
    // menu entry is checked. Commercial rounding is off until it is set.
    std::size_t chooseStarting(const std::optional<std::string>& favourite);

    // A material chosen from the menu: it becomes current with commercial rounding on.
    void choose(std::size_t index);
    // The Commercial Rounding switch: on, the density in use is the chosen density
    // commercially rounded; off, the chosen density itself.
    void setCommercialRounding(bool on);

    const std::string& currentMaterial() const { return currentMaterial_; }
    // The table position of the material in use (0 while there is none).
    std::size_t currentPosition() const { return currentPosition_; }
    double currentDensity() const { return currentDensity_; }
    bool roundingOn() const { return roundingOn_; }

    // The texts of status panels 0, 1 and 2; the density is in g/cm³.
    std::string materialPanelText() const;
    std::string densityPanelText(const Separators& separators) const;
    std::string roundingPanelText() const;

private:
    std::vector<MaterialEntry> table_;
    std::string currentMaterial_;
    std::size_t currentPosition_ = 0;
    double currentDensity_ = 0;
    double exactDensity_ = 0;
    bool roundingOn_ = true;
};

} // namespace kelvane
