#pragma once

#include "common/Separators.h"
#include "common/TextMark.h"
#include "convert/DimensionParser.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane {

// Greatest common divisor by Euclid's method: gcd(0, 0) is 0 and gcd(0, n) is n.
std::int32_t gcd(std::int32_t a, std::int32_t b);

// The "##0.###" format: at least one digit before the separator, at most three after
// it, trailing zeros and a bare separator dropped, no thousands separator. A half at
// the fourth decimal goes away from zero, decided on the value taken to 18 significant
// digits, so 0.0625 gives 0.063.
std::string formatUpToThreeDecimals(long double value, const std::string& decimalSeparator);

// The texts of the ten result labels, top to bottom in each column:
// imperial: feet-inches-fraction, inches and fraction, the fraction alone (below one
//           inch only), decimal inches, the nearest whole inch (a half to the even
//           inch); each closed by the inch mark;
// metric:   millimetres, centimetres, metres, kilometres, nearest 25 mm.
struct ConversionTexts {
    std::array<std::string, 5> imperial;
    std::array<std::string, 5> metric;

    bool operator==(const ConversionTexts&) const = default;
};

// The captions of the two result columns, top to bottom, as the page shows them
// beside the ConversionTexts of the same position, and the columns' headings.
inline constexpr std::array<std::string_view, 5> kImperialCaptions = {
    KELVANE_TEXT("Kelvane", "Feet:"), KELVANE_TEXT("Kelvane", "Inches:"),
    KELVANE_TEXT("Kelvane", "Fractions:"), KELVANE_TEXT("Kelvane", "Decimal inches"),
    KELVANE_TEXT("Kelvane", "Nearest inch:")};
inline constexpr std::array<std::string_view, 5> kMetricCaptions = {
    KELVANE_TEXT("Kelvane", "Millimetres:"), KELVANE_TEXT("Kelvane", "Centimetres:"),
    KELVANE_TEXT("Kelvane", "Metres:"), KELVANE_TEXT("Kelvane", "Kilometres:"),
    KELVANE_TEXT("Kelvane", "Nearest 25mm")};
inline constexpr std::string_view kImperialHeading =
    KELVANE_TEXT("Kelvane", "Imperial Conversions:");
inline constexpr std::string_view kMetricHeading = KELVANE_TEXT("Kelvane", "Metric Conversions:");

// The ten conversions of a parsed entry. fractionResolution (32 or 64, from the
// Fractions option) is the step to which a metric entry's fraction of an inch is
// rounded; a typed fraction keeps its own denominator. All texts are empty when the
// entry's value is 0 or the entry was not read.
ConversionTexts convertDimension(const DimensionEntry& entry, int fractionResolution,
                                 const Separators& separators);

// Parses the entry text and converts it; the parse error propagates unchanged.
ConversionTexts convertDimensionText(std::string_view text, int fractionResolution,
                                     const Separators& separators);

} // namespace kelvane
