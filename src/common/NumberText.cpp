#include "common/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kelvane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// For a number that does not fit a double: true when it is too large (no number),
// false when it is too small (it reads as 0). `normal` is "-ddd.ddde-dd".
bool isHugeMagnitude(const std::string& normal) {
    const auto exponentAt = normal.find('e');
    const std::string mantissa = normal.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string::npos) {
        std::size_t i = exponentAt + 1;
        const bool negative = i < normal.size() && normal[i] == '-';
        if (i < normal.size() && (normal[i] == '-' || normal[i] == '+'))
            ++i;
        for (; i < normal.size() && exponent < 100000; ++i)
            exponent = exponent * 10 + (normal[i] - '0');
        if (negative)
            exponent = -exponent;
    }
    // Decimal order of the first significant digit, relative to the point.
    const auto point = mantissa.find('.');
    const auto integerEnd = point == std::string::npos ? mantissa.size() : point;
    const auto firstNonZero = mantissa.find_first_of("123456789");
    long long order = 0;
    if (firstNonZero != std::string::npos)
        order = firstNonZero < integerEnd ? static_cast<long long>(integerEnd - firstNonZero)
                                          : -static_cast<long long>(firstNonZero - integerEnd - 1);
    return order + exponent > 0;
}

} // namespace

std::optional<double> readDecimalNumber(std::string_view text,
                                        std::initializer_list<std::string_view> decimalPoints) {
    // Plain digits with at most one "." read as they stand, without the rebuilt copy
    // below: the common case, read by the million in a batch. Too few digits to leave
    // the range of a double.
    if (!text.empty() && text.size() < 300 && isDigit(text.front()) &&
        std::find(decimalPoints.begin(), decimalPoints.end(), ".") != decimalPoints.end()) {
        std::size_t points = 0;
        bool plain = true;
        for (const char c : text) {
            points += c == '.';
            plain = plain && (isDigit(c) || c == '.');
        }
        if (plain && points <= 1) {
            double value = 0;
            const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
            if (result.ec == std::errc{} && result.ptr == text.data() + text.size())
                return value;
        }
    }
    std::size_t pos = 0;
    const std::size_t end =
        text.find_last_not_of(' ') == std::string_view::npos ? 0 : text.find_last_not_of(' ') + 1;
    while (pos < end && text[pos] == ' ')
        ++pos;

    // Rebuild the number in the one form std::from_chars reads: "-ddd.ddde-dd".
    std::string normal;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-')
            normal += '-';
        ++pos;
    }
    bool anyDigit = false;
    bool anyPoint = false;
    std::string mantissa;
    while (pos < end) {
        if (isDigit(text[pos])) {
            mantissa += text[pos++];
            anyDigit = true;
            continue;
        }
        bool matchedPoint = false;
        for (const auto point : decimalPoints) {
            if (!point.empty() && text.substr(pos, point.size()) == point) {
                if (anyPoint)
                    return std::nullopt; // a second decimal point
                anyPoint = true;
                matchedPoint = true;
                mantissa += '.';
                pos += point.size();
                break;
            }
        }
        if (!matchedPoint)
            break;
    }
    if (!anyDigit && !anyPoint)
        return std::nullopt;
    if (!anyDigit)
        mantissa = "0"; // a lone decimal point reads as 0
    if (mantissa.front() == '.')
        mantissa.insert(mantissa.begin(), '0');
    normal += mantissa;

    if (pos < end && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        std::string exponent = "e";
        if (pos < end && (text[pos] == '+' || text[pos] == '-'))
            exponent += text[pos++];
        bool exponentDigit = false;
        while (pos < end && isDigit(text[pos])) {
            exponent += text[pos++];
            exponentDigit = true;
        }
        if (!exponentDigit)
            return std::nullopt;
        normal += exponent;
    }
    if (pos != end)
        return std::nullopt;

    double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ptr != normal.data() + normal.size())
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range)
        return isHugeMagnitude(normal) ? std::nullopt : std::optional<double>(0.0);
    if (result.ec != std::errc{} || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace kelvane
