#include "materials/MaterialState.h"

#include "materials/NameEncoding.h"
#include "weights/ResultFormat.h"

namespace kelvane {

std::size_t MaterialState::chooseStarting(const std::optional<std::string>& favourite) {
    std::size_t index = 0;
    bool found = false;
    if (favourite) {
        // The whole table is walked: when several entries carry the name, the last wins.
        for (std::size_t i = 0; i < table_.size(); ++i) {
            if (table_[i].name == *favourite) {
                index = i;
                found = true;
            }
        }
    }
    if (found) {
        currentMaterial_ = *favourite;
        currentDensity_ = table_[index].density;
    } else if (!table_.empty()) {
        currentMaterial_ = table_[0].name;
        currentDensity_ = table_[0].density;
    } else {
        currentMaterial_.clear();
        currentDensity_ = 0;
    }
    exactDensity_ = currentDensity_;
    roundingOn_ = false;
    return index;
}

void MaterialState::startRounding() {
    roundingOn_ = false;
    toggleRounding();
}

void MaterialState::choose(std::size_t index) {
    currentMaterial_ = table_.at(index).name;
    currentDensity_ = table_.at(index).density;
    exactDensity_ = currentDensity_;
    roundingOn_ = false;
    toggleRounding(); // choosing a material always ends with commercial rounding on
}

void MaterialState::toggleRounding() {
    if (roundingOn_) {
        currentDensity_ = exactDensity_;
        roundingOn_ = false;
    } else {
        exactDensity_ = currentDensity_;
        // Without any material there is no density to round: weights stay 0.
        currentDensity_ = table_.empty() ? 0.0 : commercialDensity(currentDensity_);
        roundingOn_ = true;
    }
}

std::string MaterialState::materialPanelText() const {
    return "Material: " + displayText(currentMaterial_);
}

std::string MaterialState::densityPanelText(const Separators& separators) const {
    return "Density: " + formatGeneral(currentDensity_, separators) + " kg/m";
}

std::string MaterialState::roundingPanelText() const {
    return roundingOn_ ? "Commercial Rounding: On" : "Commercial Rounding: Off";
}

} // namespace kelvane
