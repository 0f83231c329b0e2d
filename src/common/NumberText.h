#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// Reads a whole text as one decimal number: optional blanks, an optional "+" or
// "-", digits with at most one decimal point, an optional exponent ("E" or "e",
// optional sign, digits), optional blanks, and nothing else. At least one digit or
// the decimal point must be there ("5.", ".5" and a lone "." are numbers). Each of
// `decimalPoints` is accepted as the decimal point. No thousands separators.
// Returns nothing for text that is no number and for a value beyond the range of
// a double, so no infinity or NaN ever comes out.
std::optional<double> readDecimalNumber(std::string_view text,
                                        std::initializer_list<std::string_view> decimalPoints);

} // namespace kelvane
