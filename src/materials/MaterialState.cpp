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
            if (table_[i].Name == *favourite) {
                index = i;
                found = true;
            }
        }
    }
    if (found) {
        CurrentMaterial = *favourite;
        CurrentDensity = table_[index].Density;
    } else if (!table_.empty()) {
        CurrentMaterial = table_[0].Name;
        CurrentDensity = table_[0].Density;
    } else {
        CurrentMaterial.clear();
        CurrentDensity = 0;
    }
    ExactDensity = CurrentDensity;
    RoundingOn = false;
    return index;
}

void MaterialState::startRounding() {
    RoundingOn = false;
    toggleRounding();
}

void MaterialState::choose(std::size_t index) {
    CurrentMaterial = table_.at(index).Name;
    CurrentDensity = table_.at(index).Density;
    ExactDensity = CurrentDensity;
    RoundingOn = false;
    toggleRounding(); // choosing a material always ends with commercial rounding on
}

void MaterialState::toggleRounding() {
    if (RoundingOn) {
        CurrentDensity = ExactDensity;
        RoundingOn = false;
    } else {
        ExactDensity = CurrentDensity;
        // Without any material there is no density to round: weights stay 0.
        CurrentDensity = table_.empty() ? 0.0 : CommercialDensity(CurrentDensity);
        RoundingOn = true;
    }
}

std::string MaterialState::materialPanelText() const {
    return "Material: " + DisplayText(CurrentMaterial);
}

std::string MaterialState::densityPanelText(const Separators& separators) const {
    return "Density: " + FormatGeneral(CurrentDensity, separators) + " kg/m";
}

std::string MaterialState::roundingPanelText() const {
    return RoundingOn ? "Commercial Rounding: On" : "Commercial Rounding: Off";
}

} // namespace kelvane
