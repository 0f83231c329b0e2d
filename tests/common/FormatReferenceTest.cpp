// The three number formats checked against a reference written here from their rules,
// with its own exact decimal arithmetic on integers: the weight result format, the
// conversion page's "##0.###" and the calculator display. Nothing of the formatting code
// under test is used to build the expected texts.

#include "calculator/CalculatorNumberFormat.h"
#include "common/ResultFormat.h"
#include "convert/ConversionResults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kelvane {
namespace {

// ---------------------------------------------------------------------------------------
// Reference arithmetic

// value = (negative ? -1 : 1) × 0.d1d2d3... × 10^point, with no leading and no trailing
// zero digits; zero has no digits.
struct Exact {
    bool negative = false;
    std::string digits;
    int point = 0;
};

// A non-negative integer in limbs of nine decimal digits, least significant first.
class BigInteger {
public:
    explicit BigInteger(std::uint64_t value) {
        do {
            limbs_.push_back(value % kBase);
            value /= kBase;
        } while (value != 0);
    }

    // factor < 2^31, so limb × factor + carry stays below 2^64.
    void MultiplyBy(std::uint64_t factor) {
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs_) {
            const std::uint64_t product = limb * factor + carry;
            limb = product % kBase;
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase)
            limbs_.push_back(carry % kBase);
    }

    void MultiplyByPower(std::uint64_t base, int power) {
        // The largest power of the base below 2^31, applied as often as it fits.
        std::uint64_t chunk = 1;
        int chunkPower = 0;
        while (chunk * base < (std::uint64_t{1} << 31)) {
            chunk *= base;
            ++chunkPower;
        }
        for (; power >= chunkPower; power -= chunkPower)
            MultiplyBy(chunk);
        for (; power > 0; --power)
            MultiplyBy(base);
    }

    std::string Decimal() const {
        std::string text = std::to_string(limbs_.back());
        for (auto limb = limbs_.rbegin() + 1; limb != limbs_.rend(); ++limb) {
            const std::string part = std::to_string(*limb);
            text += std::string(9 - part.size(), '0') + part;
        }
        return text;
    }

private:
    static constexpr std::uint64_t kBase = 1'000'000'000;
    std::vector<std::uint64_t> limbs_;
};

// mantissa × 2^exponent written out exactly: for a negative exponent as
// mantissa × 5^-exponent with the point moved -exponent places to the left.
Exact Expand(bool negative, std::uint64_t mantissa, int exponent) {
    Exact exact;
    if (mantissa == 0)
        return exact;
    BigInteger integer(mantissa);
    if (exponent >= 0)
        integer.MultiplyByPower(2, exponent);
    else
        integer.MultiplyByPower(5, -exponent);
    exact.negative = negative;
    exact.digits = integer.Decimal();
    exact.point = static_cast<int>(exact.digits.size()) + std::min(exponent, 0);
    exact.digits.erase(exact.digits.find_last_not_of('0') + 1);
    return exact;
}

// The exact value of a double, from its bits.
Exact ExactOf(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0)
        mantissa |= std::uint64_t{1} << 52;
    return Expand((bits >> 63) != 0, mantissa, std::max(biased, 1) - 1075);
}

// The exact value of an x87 extended double, from its bytes: a 64-bit mantissa with an
// explicit leading bit, then sign and a 15-bit exponent.
static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::endian::native == std::endian::little,
              "the extended-precision reference reads the x87 80-bit layout");
Exact ExactOf(long double value) {
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &value, sizeof value);
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    std::memcpy(&signAndExponent, bytes + 8, sizeof signAndExponent);
    const int biased = signAndExponent & 0x7FFF;
    return Expand((signAndExponent >> 15) != 0, mantissa, std::max(biased, 1) - 16383 - 63);
}

enum class Half { ToEven, AwayFromZero };

// Keeps `keep` digits from the first significant one (none or fewer than none when the
// place lies above the value) and rounds the rest away to the nearest such number.
Exact RoundAt(Exact x, int keep, Half half) {
    if (x.digits.empty() || keep >= static_cast<int>(x.digits.size()))
        return x;
    if (keep < 0)
        return Exact{x.negative, "", 0}; // below a tenth of the kept place
    const std::string rest = x.digits.substr(static_cast<std::size_t>(keep));
    x.digits.resize(static_cast<std::size_t>(keep));
    // Trailing zeros are gone, so a rest longer than one digit is above its first digit.
    const int versusHalf = rest[0] != '5' ? rest[0] - '5' : (rest.size() > 1 ? 1 : 0);
    const bool lastKeptOdd = !x.digits.empty() && (x.digits.back() - '0') % 2 == 1;
    const bool up =
        versusHalf > 0 || (versusHalf == 0 && (half == Half::AwayFromZero || lastKeptOdd));
    if (up) {
        std::size_t i = x.digits.size();
        while (i > 0 && x.digits[i - 1] == '9')
            x.digits[--i] = '0';
        if (i == 0) {
            x.digits.insert(x.digits.begin(), '1');
            ++x.point;
        } else {
            ++x.digits[i - 1];
        }
    }
    const auto last = x.digits.find_last_not_of('0');
    if (last == std::string::npos)
        return Exact{x.negative, "", 0};
    x.digits.erase(last + 1);
    return x;
}

// At most `significant` significant digits and at most `decimals` decimals.
Exact RoundHalfAway(const Exact& x, int significant, int decimals) {
    return RoundAt(x, std::min(significant, x.point + decimals), Half::AwayFromZero);
}

// The value to 18 significant digits, to nearest. The rule names no side for an exact
// tie at the 19th digit: for the weight results no such tie lies next to a half they
// round (a double with 19 significant digits ending in 5 is too far from one), so either
// side gives the same text; for "##0.###" it can decide the text from 10^14 up, where
// both sides are accepted.
Exact EighteenDigits(const Exact& x, Half tie) {
    return RoundAt(x, 18, tie);
}

std::string IntegerPart(const Exact& x) {
    std::string part;
    for (int i = 0; i < x.point; ++i)
        part += i < static_cast<int>(x.digits.size()) ? x.digits[static_cast<std::size_t>(i)] : '0';
    return part.empty() ? "0" : part;
}

std::string Decimals(const Exact& x, int count) {
    std::string part;
    for (int i = x.point; i < x.point + count; ++i)
        part += i >= 0 && i < static_cast<int>(x.digits.size())
                    ? x.digits[static_cast<std::size_t>(i)]
                    : '0';
    return part;
}

std::string Sign(const Exact& x) {
    return x.negative && !x.digits.empty() ? "-" : "";
}

std::string Scientific(const Exact& x, const std::string& separator) {
    std::string text = Sign(x) + x.digits[0];
    if (x.digits.size() > 1)
        text += separator + x.digits.substr(1);
    const int exponent = x.point - 1;
    const std::string magnitude = std::to_string(std::abs(exponent));
    return text + "E" + (exponent < 0 ? "-" : "") + (magnitude.size() < 2 ? "0" : "") + magnitude;
}

// ---------------------------------------------------------------------------------------
// The three formats, from their rules

// Weight results: 18 digits to nearest, then seven significant digits and two decimals
// with halves away from zero; more than seven integer digits switch to scientific form.
std::string ReferenceResult(const Exact& value, const Separators& separators) {
    const Exact rounded = RoundHalfAway(EighteenDigits(value, Half::ToEven), 7, 2);
    if (rounded.point > 7)
        return Scientific(rounded, separators.decimal);
    return Sign(rounded) + IntegerPart(rounded) + separators.decimal + Decimals(rounded, 2);
}

// "##0.###": 18 digits to nearest, then three decimals with halves away from zero,
// trailing zeros and a bare separator dropped.
std::string ReferenceUpToThree(const Exact& value, const std::string& separator,
                               Half tieAtEighteen = Half::ToEven) {
    const Exact rounded = RoundHalfAway(EighteenDigits(value, tieAtEighteen), 18, 3);
    const int decimals = std::max(0, static_cast<int>(rounded.digits.size()) - rounded.point);
    return Sign(rounded) + IntegerPart(rounded) +
           (decimals > 0 ? separator + Decimals(rounded, decimals) : "");
}

// The calculator display: on the exact value, fourteen significant digits and two
// decimals with halves away from zero, the integer part grouped in threes; more than
// fourteen integer digits switch to scientific form.
std::string ReferenceCalcNumber(const Exact& value, const Separators& separators) {
    const Exact rounded = RoundHalfAway(value, 14, 2);
    if (rounded.point > 14)
        return Scientific(rounded, separators.decimal);
    const std::string integer = IntegerPart(rounded);
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            grouped += separators.thousands;
        grouped += integer[i];
    }
    return Sign(rounded) + grouped + separators.decimal + Decimals(rounded, 2);
}

// ---------------------------------------------------------------------------------------
// Comparison

const Separators kPoint{".", ","};
const Separators kComma{",", "."};
const Separators kArabic{"\xD9\xAB", "\xD9\xAC"};

// Collects mismatches and reports the first few in full.
class Mismatches {
public:
    void Compare(const char* format, long double input, const std::string& actual,
                 const std::string& expected) {
        ++compared_;
        if (actual == expected)
            return;
        char shown[64];
        std::snprintf(shown, sizeof shown, "%.21Lg", input);
        if (++count_ <= 10)
            ADD_FAILURE() << format << "(" << shown << ") gave \"" << actual << "\", expected \""
                          << expected << "\"";
    }
    int Count() const { return count_; }
    long long Compared() const { return compared_; }

private:
    int count_ = 0;
    long long compared_ = 0;
};

void CheckDouble(double value, const Separators& separators, Mismatches& mismatches) {
    const Exact exact = ExactOf(value);
    mismatches.Compare("FormatResult", value, formatResult(value, "", separators),
                       ReferenceResult(exact, separators));
    mismatches.Compare("FormatCalcNumber", value, formatCalcNumber(value, separators),
                       ReferenceCalcNumber(exact, separators));
}

// The conversion page formats only lengths, which are never negative.
void CheckUpToThree(long double value, const std::string& separator, Mismatches& mismatches) {
    value = std::fabs(value);
    const Exact exact = ExactOf(value);
    const std::string actual = formatUpToThreeDecimals(value, separator);
    const std::string away = ReferenceUpToThree(exact, separator, Half::AwayFromZero);
    mismatches.Compare("FormatUpToThreeDecimals", value, actual,
                       actual == away ? away : ReferenceUpToThree(exact, separator));
}

// ---------------------------------------------------------------------------------------
// Tests

// The reference itself gives the worked examples of the three formats.
TEST(FormatReferenceTest, ReferenceGivesTheWorkedExamples) {
    const std::pair<double, const char*> results[] = {
        {0, "0.00"},
        {0.125, "0.13"},
        {0.625, "0.63"},
        {41.2334, "41.23"},
        {123456.789, "123456.80"},
        {1234567.891, "1234568.00"},
        {2.675, "2.67"},
        {1000.005, "1000.01"},
        {-0.004, "0.00"},
        {9999999.995, "1E07"},
        {12345678.9, "1.234568E07"},
        {20000000, "2E07"},
    };
    for (const auto& [value, text] : results)
        EXPECT_EQ(ReferenceResult(ExactOf(value), kPoint), text) << value;

    const std::pair<long double, const char*> upToThree[] = {
        {0.0625L, "0.063"}, {25.5L / 1000, "0.026"}, {87.5L / 1000, "0.088"},
        {1000, "1000"},     {39.3700787L, "39.37"},  {0.0004L, "0"},
    };
    for (const auto& [value, text] : upToThree)
        EXPECT_EQ(ReferenceUpToThree(ExactOf(value), "."), text) << static_cast<double>(value);

    const std::pair<double, const char*> calc[] = {
        {0, "0.00"},
        {1234.5, "1,234.50"},
        {-0.5, "-0.50"},
        {0.125, "0.13"},
        {2.675, "2.67"},
        {-0.004, "0.00"},
        {1234567890123.875, "1,234,567,890,123.90"},
        {123456789012345, "1.2345678901235E14"},
        {1e15, "1E15"},
        {-2.5e20, "-2.5E20"},
        {99999999999999.995, "1E14"},
    };
    for (const auto& [value, text] : calc)
        EXPECT_EQ(ReferenceCalcNumber(ExactOf(value), kPoint), text) << value;
}

// A seeded mix of doubles: random bits over the magnitudes where the formats change,
// random bits over the whole range (subnormals included), and short decimals, whose
// nearest doubles lie on either side of the halves the formats round.
TEST(FormatReferenceTest, MillionSeededDoublesAgreeWithTheReference) {
    constexpr int kCount = 1'000'000;
    std::mt19937_64 random(0x4B656C76616E65); // fixed seed: the same doubles on every run
    std::uniform_int_distribution<std::uint64_t> anyBits;
    std::uniform_int_distribution<int> nearExponent(1023 - 47, 1023 + 50); // 7e-15 to 2e15
    std::uniform_int_distribution<int> digitCount(1, 17);
    std::uniform_int_distribution<int> decimalPlaces(0, 6);
    Mismatches mismatches;

    for (int i = 0; i < kCount; ++i) {
        const std::uint64_t bits = anyBits(random);
        double value = 0;
        long double extended = 0;
        switch (i % 4) {
        case 0: { // random mantissa, exponent where the formats change
            const auto exponent = static_cast<std::uint64_t>(nearExponent(random));
            value = std::bit_cast<double>((bits & 0x800FFFFFFFFFFFFFu) | (exponent << 52));
            extended = value;
            break;
        }
        case 1: // any finite double
            value = std::bit_cast<double>(bits);
            if (!std::isfinite(value))
                value = std::bit_cast<double>(bits & 0x800FFFFFFFFFFFFFu); // a subnormal
            extended = value;
            break;
        default: { // a short decimal n / 10^k, often a half at the place that is rounded
            const int digits = digitCount(random);
            const int places = decimalPlaces(random);
            std::uint64_t n = bits % static_cast<std::uint64_t>(std::pow(10.0, digits));
            if (i % 4 == 3)
                n = n / 10 * 10 + 5;
            value = static_cast<double>(n) / std::pow(10.0, places);
            extended = static_cast<long double>(n) / std::pow(10.0L, places);
            if ((bits >> 63) != 0)
                value = -value;
            break;
        }
        }
        CheckDouble(value, kPoint, mismatches);
        CheckUpToThree(extended, ".", mismatches);
        if (i % 16 == 0) {
            CheckDouble(value, i % 32 == 0 ? kComma : kArabic, mismatches);
            CheckUpToThree(value, ",", mismatches);
        }
    }
    EXPECT_EQ(mismatches.Count(), 0) << "of " << mismatches.Compared() << " texts compared";
}

// Every double within 32 units in the last place of each rounding edge the formats
// name, on both sides and with both signs.
TEST(FormatReferenceTest, NeighboursOfTheRoundingEdgesAgreeWithTheReference) {
    const char* const edges[] = {
        // Weight results: exact halves, the 18-digit decision and the switch at 10^7.
        "0.125", "0.625", "0.875", "0.005", "2.675", "1000.005", "1000.255", "99999.995",
        "999999.995", "1234567.5", "9999999.49", "9999999.5", "9999999.995", "10000000",
        "12345678.5", "99999995",
        // "##0.###": halves at the fourth decimal.
        "0.0625", "0.0255", "0.0875", "0.0005", "0.9995", "1000.0005",
        // Calculator display: halves at the 14th digit and the switch at 10^14.
        "1234567890123.875", "1234567890123.45", "12345678901234.5", "99999999999999.995",
        "99999999999999.5", "100000000000000", "123456789012345", "999999999999995"};
    constexpr int kUlps = 32;
    Mismatches mismatches;
    for (const char* edge : edges) {
        const double nearest = std::strtod(edge, nullptr);
        for (const double direction : {-1.0, 1.0}) {
            double value = nearest;
            for (int step = 0; step <= kUlps; ++step) {
                for (const double signed_ : {value, -value})
                    CheckDouble(signed_, kPoint, mismatches);
                CheckUpToThree(value, ".", mismatches);
                value = std::nextafter(value, direction * HUGE_VAL);
            }
        }
    }

    // The conversion page's values are formed in extended precision (25.5 mm is
    // 25.5 / 1000 m), so its edges are walked in that precision too.
    const long double extendedEdges[] = {0.0625L,         25.5L / 1000,    87.5L / 1000,
                                         62.5L / 1000,    0.0005L,         1000.0005L,
                                         25.4L * 0.0625L, 3905.25L / 1000, 0.9995L};
    for (const long double edge : extendedEdges) {
        for (const long double direction : {-1.0L, 1.0L}) {
            long double value = edge;
            for (int step = 0; step <= kUlps; ++step) {
                CheckUpToThree(value, ".", mismatches);
                value = std::nextafter(value, direction * HUGE_VALL);
            }
        }
    }
    EXPECT_EQ(mismatches.Count(), 0) << "of " << mismatches.Compared() << " texts compared";
}

} // namespace
} // namespace kelvane
