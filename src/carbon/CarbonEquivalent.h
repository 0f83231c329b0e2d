#pragma once

#include "common/Separators.h"
#include "common/TextMark.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>

namespace kelvane {

// The carbon-equivalent page rates the weldability of a steel from its analysis by
// the IIW carbon equivalent, C + Mn/6 + (Cr + Mo + V)/5 + (Cu + Ni)/15, the contents
// in per cent by mass.

inline constexpr std::string_view kCarbonResultCaption =
    KELVANE_TEXT("Kelvane", "Carbon Equivalent Value (CE): ");
// The name of the rating pointer, whose position names one of kCarbonBands.
inline constexpr std::string_view kCarbonRatingCaption =
    KELVANE_TEXT("Kelvane", "Weldability rating");

// An element box of the page, top to bottom, with the caption and the chemical
// symbol to its left.
struct ElementDefinition {
    std::string_view objectName;
    std::string_view caption;
    std::string_view symbol;
};

// The elements in the order of the page; ElementContents follows the same order.
inline constexpr std::array<ElementDefinition, 7> kElements = {{
    {"CarbonEdit", KELVANE_TEXT("Kelvane", "Carbon"), "C"},
    {"ManganeseEdit", KELVANE_TEXT("Kelvane", "Manganese"), "Mn"},
    {"ChromiumEdit", KELVANE_TEXT("Kelvane", "Chromium"), "Cr"},
    {"MolyEdit", KELVANE_TEXT("Kelvane", "Molybdenum"), "Mo"},
    {"VanadiumEdit", KELVANE_TEXT("Kelvane", "Vanadium"), "V"},
    {"CopperEdit", KELVANE_TEXT("Kelvane", "Copper"), "Cu"},
    {"NickelEdit", KELVANE_TEXT("Kelvane", "Nickel"), "Ni"},
}};

using ElementContents = std::array<double, kElements.size()>;

// A rating band, one row beside the pointer, top to bottom.
struct CarbonBand {
    std::string_view range;
    std::string_view rating;
    double upperLimit; // the band holds values up to and including this one
};

// The bands join without gaps: every value above one band's limit belongs to the
// next band, and everything above 0.50 is KELVANE_TEXT("Kelvane", "Poor").
inline constexpr std::array<CarbonBand, 5> kCarbonBands = {{
    {"0.00 - 0.35", KELVANE_TEXT("Kelvane", "Excellent"), 0.35},
    {"0.36 - 0.40", KELVANE_TEXT("Kelvane", "Very good"), 0.40},
    {"0.41 - 0.45", KELVANE_TEXT("Kelvane", "Good"), 0.45},
    {"0.46 - 0.50", KELVANE_TEXT("Kelvane", "Fair"), 0.50},
    {KELVANE_TEXT("Kelvane", "Over 0.51"), KELVANE_TEXT("Kelvane", "Poor"),
     std::numeric_limits<double>::infinity()},
}};

// The pointer's positions run from 0 (top) to the last band.
inline constexpr int kCarbonLastPosition = static_cast<int>(kCarbonBands.size()) - 1;

// The carbon equivalent of the contents, worked in extended precision.
double calcCev(const ElementContents& contents);

// The pointer position of a carbon equivalent: the first band whose limit it does
// not exceed, compared on the value as computed; the last band otherwise.
int carbonBandPosition(double cev);

// The carbon equivalent as the page shows it: two decimals, no unit.
std::string carbonEquivalentText(double cev, const Separators& separators);

} // namespace kelvane
