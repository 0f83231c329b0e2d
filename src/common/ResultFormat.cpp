#include "common/ResultFormat.h"

#include "common/Decimal.h"

#include <cmath>

namespace kelvane {

std::string formatResult(double value, std::string_view suffix, const Separators& separators) {
    constexpr int kDecimals = 2;
    return formatResult(value, suffix, separators, kDecimals);
}

std::string formatResult(double value, std::string_view suffix, const Separators& separators,
                         int decimals) {
    constexpr int kSignificant = 7;
    std::string text;
    if (std::isfinite(value)) {
        const DecimalNumber rounded = roundedDecimalOf(value, 18, kSignificant, decimals);
        text = rounded.integerDigits() <= kSignificant
                   ? fixedText(rounded, decimals, separators.decimal)
                   : scientificText(rounded, separators.decimal);
    } else {
        // Results come from finite inputs; should one still overflow, show nothing
        // that looks like a number rather than "inf".
        text = fixedText(DecimalNumber{}, decimals, separators.decimal);
    }
    text += suffix;
    return text;
}

std::string formatGeneral(double value, const Separators& separators) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    const DecimalNumber number = roundHalfAwayFromZero(decimalOf(value, 15), 15, 400);
    const int exponent = number.pointPosition - 1;
    if (exponent >= 15 || exponent < -5)
        return scientificText(number, separators.decimal);
    const int decimals = std::max(0, static_cast<int>(number.digits.size()) - number.pointPosition);
    return fixedText(number, decimals, separators.decimal);
}

} // namespace kelvane
