#include "carbon/CarbonEquivalent.h"

#include "common/ResultFormat.h"

namespace kelvane {

double calcCev(const ElementContents& contents) {
    using Extended = long double;
    const Extended carbon = contents[0];
    const Extended manganese = contents[1];
    const Extended chromium = contents[2];
    const Extended molybdenum = contents[3];
    const Extended vanadium = contents[4];
    const Extended copper = contents[5];
    const Extended nickel = contents[6];
    return static_cast<double>(carbon + manganese / 6 + (chromium + molybdenum + vanadium) / 5 +
                               (copper + nickel) / 15);
}

int carbonBandPosition(double cev) {
    int position = 0;
    for (const CarbonBand& band : kCarbonBands) {
        if (cev <= band.upperLimit)
            return position;
        ++position;
    }
    return kCarbonLastPosition;
}

std::string carbonEquivalentText(double cev, const Separators& separators) {
    return formatResult(cev, "", separators);
}

} // namespace kelvane
