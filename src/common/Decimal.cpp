#include "common/Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kelvane {

namespace {

// Parses the output of std::to_chars in scientific form ("-d.ddddde+XX"). The digits
// are copied in at most two runs: results are formatted by the million in a batch.
// With a limit, only the first digits that rounding to `maxSignificant` significant
// digits and `maxDecimals` decimals looks at are kept: the digits kept and the one
// after them, which alone decides whether to round up. The result of that rounding is
// the same, and the digits fit a short string's own storage.
DecimalNumber fromScientific(const char* begin, const char* end,
                             int maxSignificant = std::numeric_limits<int>::max(),
                             int maxDecimals = std::numeric_limits<int>::max()) {
    DecimalNumber number;
    const char* p = begin;
    if (p != end && *p == '-') {
        number.negative = true;
        ++p;
    }
    const char* exponentAt = p;
    while (exponentAt != end && *exponentAt != 'e')
        ++exponentAt;
    int exponent = 0;
    if (exponentAt != end) {
        const char* q = exponentAt + 1;
        if (q != end && *q == '+')
            ++q;
        std::from_chars(q, end, exponent);
    }
    // The mantissa is one digit, then optionally the point and further digits. The
    // first digit of a value other than zero is never 0, so exponent + 1 of the digits
    // stand before the point.
    const long long pointPosition = static_cast<long long>(exponent) + 1;
    const long long keep =
        std::min<long long>(maxSignificant, pointPosition + std::min(maxDecimals, 100000));
    const std::size_t limit = keep < 0 ? 1 : static_cast<std::size_t>(keep) + 1;
    std::string& digits = number.digits;
    digits.reserve(std::min(static_cast<std::size_t>(exponentAt - p), limit));
    if (p != exponentAt)
        digits.append(p, 1);
    if (exponentAt - p > 2 && p[1] == '.')
        digits.append(p + 2, std::min(static_cast<std::size_t>(exponentAt - (p + 2)), limit - 1));
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return DecimalNumber{}; // zero
    digits.erase(digits.find_last_not_of('0') + 1);
    digits.erase(0, firstNonZero);
    number.pointPosition = exponent + 1 - static_cast<int>(firstNonZero);
    return number;
}

template <typename Float> DecimalNumber expand(Float value, int precision) {
    if (value == 0 || !std::isfinite(value))
        return DecimalNumber{};
    char buffer[1200];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, precision);
    return fromScientific(buffer, result.ptr);
}

} // namespace

DecimalNumber decimalOf(long double value, int significantDigits) {
    return expand(value, significantDigits - 1);
}

DecimalNumber decimalOf(double value, int significantDigits) {
    return expand(value, significantDigits - 1);
}

DecimalNumber roundedDecimalOf(double value, int significantDigits, int maxSignificant,
                               int maxDecimals) {
    if (value == 0 || !std::isfinite(value))
        return DecimalNumber{};
    char buffer[1200];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, significantDigits - 1);
    return roundHalfAwayFromZero(fromScientific(buffer, result.ptr, maxSignificant, maxDecimals),
                                 maxSignificant, maxDecimals);
}

DecimalNumber exactDecimalOf(double value) {
    // 767 significant digits hold the exact expansion of every double.
    return expand(value, 800);
}

DecimalNumber roundHalfAwayFromZero(DecimalNumber number, int maxSignificant, int maxDecimals) {
    if (number.isZero())
        return number;
    // Digits kept: limited by the significant-digit count and by the decimals.
    int keep = std::min(maxSignificant, number.pointPosition + maxDecimals);
    if (keep >= static_cast<int>(number.digits.size()))
        return number;
    if (keep < 0)
        return DecimalNumber{};
    const bool roundUp = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9') {
            number.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++number.digits[static_cast<std::size_t>(i)];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPosition;
        }
    }
    const auto lastNonZero = number.digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos)
        return DecimalNumber{};
    number.digits.resize(lastNonZero + 1);
    return number;
}

std::string fixedText(const DecimalNumber& number, int decimals,
                      const std::string& decimalSeparator, const std::string& thousandsSeparator) {
    const int size = static_cast<int>(number.digits.size());
    const auto digitAt = [&](int index) {
        return (index >= 0 && index < size) ? number.digits[static_cast<std::size_t>(index)] : '0';
    };
    const int integerDigits = std::max(number.pointPosition, 1);
    std::string text;
    text.reserve(static_cast<std::size_t>(integerDigits + decimals) + 8);
    if (number.negative && !number.isZero())
        text += '-';
    for (int i = 0; i < integerDigits; ++i) {
        if (i > 0 && !thousandsSeparator.empty() && (integerDigits - i) % 3 == 0)
            text += thousandsSeparator;
        // Below 1 the integer part is the single digit 0.
        text += number.pointPosition > 0 ? digitAt(i) : '0';
    }
    if (decimals > 0) {
        text += decimalSeparator;
        for (int i = 0; i < decimals; ++i)
            text += digitAt(number.pointPosition + i);
    }
    return text;
}

std::string scientificText(const DecimalNumber& number, const std::string& decimalSeparator) {
    if (number.isZero())
        return "0E00";
    std::string digits = number.digits;
    const auto lastNonZero = digits.find_last_not_of('0');
    digits.resize(lastNonZero + 1);
    std::string text = number.negative ? "-" : "";
    text += digits[0];
    if (digits.size() > 1)
        text += decimalSeparator + digits.substr(1);
    const int exponent = number.pointPosition - 1;
    text += 'E';
    if (exponent < 0)
        text += '-';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

} // namespace kelvane
