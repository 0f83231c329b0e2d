#pragma once

#include "common/Separators.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// The exact definitions of the imperial units, in extended precision.
inline constexpr long double kMillimetresPerInch = 25.4L;
inline constexpr long double kMillimetresPerFoot = 304.8L;
inline constexpr long double kKilogramsPerPound = 0.45359237L;

// A dimension typed in the conversion page's imperial notation, in inches: a number
// without marks is inches ("2", "1.5", "1.1/4", "3/16", "3/16\""), the apostrophe
// marks feet ("12'", "12'6\"", "5'1.5"). A text counts only when it could have been
// typed through the conversion page's key filter, fraction denominator and all, blanks
// around it aside; anything else (empty text, letters, a sign, "12.5'", "3/", a denominator of 0, a
// group above 2147483647) gives nothing.
std::optional<double> readInches(std::string_view text);

// Inches to millimetres and kilograms to pounds, each product or quotient formed in
// extended precision and stored as a double, as the weight pages store their values.
double millimetresFromInches(double inches);
double inchesFromMillimetres(double millimetres);
double poundsFromKilograms(double kilograms);
double kilogramsFromPounds(double pounds);
// kg per metre to lb per foot, and kg per square metre to lb per square foot.
double poundsPerFoot(double kilogramsPerMetre);
double poundsPerSquareFoot(double kilogramsPerSquareMetre);

} // namespace kelvane
