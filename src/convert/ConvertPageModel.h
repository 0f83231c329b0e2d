#pragma once

#include "common/Separators.h"
#include "convert/ConversionResults.h"

#include <string>

namespace kelvane {

// The stored entry of the conversion page, with the Fractions option, and the ten
// texts it shows.
class ConvertPageModel {
public:
    ConvertPageModel(const Separators& separators, int fractionResolution)
        : separators_(separators)
        , fractionResolution_(fractionResolution) {}

    void storeEntry(std::string text) { entry_ = std::move(text); }
    // The Options > Fractions choice: 32 or 64.
    void storeFractionResolution(int resolution) { fractionResolution_ = resolution; }

    // The ten conversions of the stored entry; throws the project error for an entry
    // that cannot be read or converted.
    ConversionTexts texts() const {
        return convertDimensionText(entry_, fractionResolution_, separators_);
    }

private:
    Separators separators_;
    int fractionResolution_;
    std::string entry_;
};

} // namespace kelvane
