#include "convert/ConversionResults.h"

#include "common/Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace kelvane {

namespace {

constexpr long double kMillimetresPerInch = 25.4L;
constexpr std::int64_t kInchesPerFoot = 12;

// Nearest integer, an exact half going to the even neighbour.
std::int64_t roundHalfToEven(long double value) {
    const long double below = std::floor(value);
    auto result = static_cast<std::int64_t>(below);
    const long double rest = value - below;
    if (rest > 0.5L || (rest == 0.5L && result % 2 != 0))
        ++result;
    return result;
}

// 2^twos × 5^fives in plain decimal, however long it gets. The common power of ten is
// written as zeros and only the factor left over is multiplied out, so that a pasted
// fraction with thousands of decimals takes linear time, not quadratic.
std::string powersOfTwoAndFiveText(int twos, int fives) {
    const int tens = std::min(twos, fives);
    twos -= tens;
    fives -= tens;
    std::vector<int> digits{1}; // least significant first
    const auto multiplyBy = [&digits](int factor) {
        int carry = 0;
        for (int& digit : digits) {
            const int product = digit * factor + carry;
            digit = product % 10;
            carry = product / 10;
        }
        if (carry > 0)
            digits.push_back(carry);
    };
    for (int i = 0; i < twos; ++i)
        multiplyBy(2);
    for (int i = 0; i < fives; ++i)
        multiplyBy(5);
    std::string text;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit)
        text += static_cast<char>('0' + *digit);
    text.append(static_cast<std::size_t>(tens), '0');
    return text;
}

// The fraction of an imperial entry written with a point: the digits after the point
// as an exact decimal fraction in lowest terms (1.5" gives 1/2, 1.3" gives 3/10,
// 1.0625" gives 1/16), as ".N/D"; empty when the digits are all zeros. The digits
// passed the integer limit when the entry was read, so the numerator fits easily.
std::string decimalFractionText(const std::string& decimalDigits) {
    const auto lastNonZero = decimalDigits.find_last_not_of('0');
    if (lastNonZero == std::string::npos)
        return {};
    // N / 10^n with the trailing zeros of N already cancelled.
    std::int64_t numerator = 0;
    std::from_chars(decimalDigits.data(), decimalDigits.data() + lastNonZero + 1, numerator);
    int twos = static_cast<int>(lastNonZero) + 1;
    int fives = twos;
    for (; twos > 0 && numerator % 2 == 0; --twos)
        numerator /= 2;
    for (; fives > 0 && numerator % 5 == 0; --fives)
        numerator /= 5;
    return "." + std::to_string(numerator) + "/" + powersOfTwoAndFiveText(twos, fives);
}

// feet and inches shown, and the fraction text (".3/8" or empty) that goes with them.
struct FeetInchesFraction {
    std::int64_t feet = 0;
    std::int64_t inches = 0;
    std::string fractionText;
};

// Splits the whole inches into feet and inches, and rounds, reduces and carries the
// fraction: typed fractions keep their own denominator, metric entries are rounded to
// the nearest 1/D inch, decimal imperial entries show their exact decimal fraction.
FeetInchesFraction splitInches(const DimensionEntry& entry, long double inchValue,
                               int fractionResolution) {
    FeetInchesFraction result;
    const long double wholeInches = std::trunc(inchValue);
    const auto whole = static_cast<std::int64_t>(wholeInches);
    if (whole >= kInchesPerFoot) {
        result.feet = whole / kInchesPerFoot;
        result.inches = whole - kInchesPerFoot * result.feet;
    } else {
        result.inches = whole;
    }

    if (entry.isImperial && entry.hasPoint) {
        result.fractionText = decimalFractionText(entry.decimalDigits);
        return result;
    }

    std::int32_t numerator = 0;
    std::int32_t denominator = 0;
    if (entry.isImperial) {
        // A typed fraction of an inch or more (5/4") is already counted in the whole
        // inches: only what is left over in the typed denominator is shown.
        numerator = entry.numerator;
        denominator = entry.denominator;
        if (denominator > 0)
            numerator %= denominator;
    } else {
        numerator = static_cast<std::int32_t>(
            roundHalfToEven((inchValue - wholeInches) * fractionResolution));
        denominator = fractionResolution;
    }

    const std::int32_t divisor = gcd(numerator, denominator);
    if (divisor != 0) {
        numerator /= divisor;
        denominator /= divisor;
    }
    if (numerator == 1 && denominator == 1) {
        // The fraction rounded up to a whole inch.
        numerator = 0;
        denominator = 0;
        if (++result.inches == kInchesPerFoot) {
            result.inches = 0;
            ++result.feet;
        }
    }
    if (numerator > 0 && denominator > 1)
        result.fractionText = "." + std::to_string(numerator) + "/" + std::to_string(denominator);
    return result;
}

// The separator and decimals of the formatted inches ("39.37" gives ".37"), found by
// the regional separator; empty when the formatted text has none.
std::string decimalPartText(long double inchValue, const std::string& decimalSeparator) {
    const std::string text = formatUpToThreeDecimals(inchValue, decimalSeparator);
    const auto separator = text.find(decimalSeparator);
    return separator == std::string::npos ? std::string{} : text.substr(separator);
}

} // namespace

std::int32_t gcd(std::int32_t a, std::int32_t b) {
    while (b != 0) {
        const std::int32_t rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

std::string formatUpToThreeDecimals(long double value, const std::string& decimalSeparator) {
    const DecimalNumber rounded = roundHalfAwayFromZero(decimalOf(value, 18), 18, 3);
    const int decimals =
        std::max(0, static_cast<int>(rounded.digits.size()) - rounded.pointPosition);
    return fixedText(rounded, decimals, decimalSeparator);
}

ConversionTexts convertDimension(const DimensionEntry& entry, int fractionResolution,
                                 const Separators& separators) {
    ConversionTexts texts;
    if (entry.hasMoreThanFourGroups || entry.value == 0)
        return texts;

    const long double value = entry.value;
    // The entry in inches and in millimetres are each worked out in extended precision
    // and kept as a double; every result drawn from them reads the kept double.
    const double inchValue =
        entry.isImperial ? entry.value : static_cast<double>(value / kMillimetresPerInch);
    const double millimetreValue =
        entry.isImperial ? static_cast<double>(kMillimetresPerInch * value) : entry.value;
    const FeetInchesFraction shown = splitInches(entry, inchValue, fractionResolution);
    const std::string& fraction = shown.fractionText;
    const std::string decimalText =
        fraction.empty() ? std::string{} : decimalPartText(inchValue, separators.decimal);

    const std::int64_t totalInches = kInchesPerFoot * shown.feet + shown.inches;
    const std::string totalOrZero = totalInches > 0 ? std::to_string(totalInches) : "0";
    texts.imperial[0] = std::to_string(shown.feet) + kFeetMark + std::to_string(shown.inches) +
                        fraction + kInchMark;
    texts.imperial[1] = std::to_string(totalInches) + fraction + kInchMark;
    if (shown.feet == 0 && shown.inches == 0 && !fraction.empty())
        texts.imperial[2] = fraction.substr(1) + kInchMark;
    texts.imperial[3] = totalOrZero + decimalText + kInchMark;
    // The entry to the nearest whole inch, an exact half to the even inch: 14.75" is
    // 15", not the 14 whole inches it holds.
    const std::int64_t nearestInch = roundHalfToEven(inchValue);
    texts.imperial[4] = (nearestInch > 0 ? std::to_string(nearestInch) : "0") + kInchMark;

    // The other metric results are formed from the entry's value in one step, in
    // extended precision, so that the format decides their halves on the value the
    // user means.
    long double centimetres = value / 10.0L;
    long double metres = value / 1000.0L;
    long double kilometres = value / 1000000.0L;
    if (entry.isImperial) {
        centimetres = 2.54L * value;
        metres = 0.0254L * value;
        kilometres = 0.0000254L * value;
    }
    const std::string& separator = separators.decimal;
    texts.metric[0] = formatUpToThreeDecimals(millimetreValue, separator);
    texts.metric[1] = formatUpToThreeDecimals(centimetres, separator);
    texts.metric[2] = formatUpToThreeDecimals(metres, separator);
    texts.metric[3] = formatUpToThreeDecimals(kilometres, separator);
    texts.metric[4] = std::to_string(roundHalfToEven(millimetreValue / 25.0L) * 25);
    return texts;
}

ConversionTexts convertDimensionText(std::string_view text, int fractionResolution,
                                     const Separators& separators) {
    return convertDimension(parseDimension(text), fractionResolution, separators);
}

} // namespace kelvane
