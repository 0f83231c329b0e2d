#include "materials/MaterialState.h"

#include "common/ResultFormat.h"
#include "common/TextMark.h"
#include "materials/NameEncoding.h"

#include <cmath>

namespace kelvane {

double commercialDensity(double density) {
    const long double scaled = (static_cast<long double>(density) + 0.25L) * 4.0L;
    // nearbyint follows the processor's rounding mode, which the program never
    // changes from round-to-nearest-even.
    return static_cast<double>(std::nearbyint(scaled) / 4.0L);
}

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
    currentPosition_ = index;
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

void MaterialState::choose(std::size_t index) {
    currentPosition_ = index;
    currentMaterial_ = table_.at(index).name;
    currentDensity_ = table_.at(index).density;
    exactDensity_ = currentDensity_;
    setCommercialRounding(true); // choosing a material always ends with commercial rounding on
}

void MaterialState::setCommercialRounding(bool on) {
    roundingOn_ = on;
    if (!on)
        currentDensity_ = exactDensity_;
    else // without any material there is no density to round: weights stay 0
        currentDensity_ = table_.empty() ? 0.0 : commercialDensity(exactDensity_);
}

std::string MaterialState::materialPanelText() const {
    return KELVANE_TEXT("Kelvane", "Material: ") + displayText(currentMaterial_);
}

std::string MaterialState::densityPanelText(const Separators& separators) const {
    // Grams per cubic centimetre, the superscript three in UTF-8.
    return KELVANE_TEXT("Kelvane", "Density: ") + formatGeneral(currentDensity_, separators) +
           " g/cm\xC2\xB3";
}

std::string MaterialState::roundingPanelText() const {
    return roundingOn_ ? KELVANE_TEXT("Kelvane", "Commercial Rounding: On")
                       : KELVANE_TEXT("Kelvane", "Commercial Rounding: Off");
}

} // namespace kelvane
