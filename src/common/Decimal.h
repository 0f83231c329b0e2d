#pragma once

#include <string>

namespace kelvane {

// A finite decimal number held as its significant digits:
// value = (negative ? -1 : 1) × 0.d1d2d3... × 10^pointPosition.
// Zero has no digits. Trailing zeros may or may not be present.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    int pointPosition = 0; // how many of the digits stand before the decimal point

    bool isZero() const { return digits.empty(); }
    // numberArgument of digits before the decimal point when written out (at least one).
    int integerDigits() const { return pointPosition > 0 ? pointPosition : 1; }
};

// The value's decimal expansion rounded to nearest at the given number of
// significant digits (the form in which results are decided on a rounding edge).
DecimalNumber decimalOf(long double value, int significantDigits);
// The same for a double: the same digits, found several times faster.
DecimalNumber decimalOf(double value, int significantDigits);

// roundHalfAwayFromZero(decimalOf(value, significantDigits), maxSignificant, maxDecimals),
// found without holding the digits that cannot change the result: a result's text is
// formatted so, by the million in a batch.
DecimalNumber roundedDecimalOf(double value, int significantDigits, int maxSignificant,
                               int maxDecimals);

// The exact decimal expansion of a double (every double is a finite decimal).
DecimalNumber exactDecimalOf(double value);

// Rounds half away from zero so that at most maxSignificant significant digits and
// at most maxDecimals digits after the point remain; trailing zeros are dropped and a
// result of zero loses its sign.
DecimalNumber roundHalfAwayFromZero(DecimalNumber number, int maxSignificant, int maxDecimals);

// Writes the number in fixed notation with exactly `decimals` digits after the
// separator (padded with zeros; no separator when decimals is 0), the integer
// part grouped in threes with `thousands` when that is not empty, and a leading "-"
// for a negative non-zero number. The number must not carry more decimals than
// asked for.
std::string fixedText(const DecimalNumber& number, int decimals,
                      const std::string& decimalSeparator,
                      const std::string& thousandsSeparator = {});

// Scientific notation: first digit, then (when more digits remain) the separator and
// the rest with trailing zeros dropped, then "E", "-" for a negative exponent and the
// exponent with at least two digits ("1.234568E07", "2E07", "-2.5E20").
std::string scientificText(const DecimalNumber& number, const std::string& decimalSeparator);

} // namespace kelvane
