// Fuzzes the conversion page: the dimension parser and the ten conversions.
// Input: one option byte, then the entry text. In the option byte, bit 0 picks the
// fraction option (1/64 when set, else 1/32), bits 1 to 6 the regional separators, and
// bit 7 typing: the text's bytes are then keys that pass the entry box's key filter
// (Backspace takes the last character off) instead of a pasted text.

#include "FuzzChecks.h"

#include "common/KelvaneError.h"
#include "common/NumberText.h"
#include "convert/ConversionResults.h"
#include "convert/DimensionParser.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace kelvane::fuzz {
namespace {

constexpr long double kMillimetresPerInch = 25.4L;

// The longest run of ASCII digits: a run of ten or more may exceed the integer limit.
std::size_t LongestDigitRun(std::string_view text) {
    std::size_t longest = 0;
    std::size_t run = 0;
    for (const char c : text) {
        run = (c >= '0' && c <= '9') ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

std::string TypedText(std::string_view keys) {
    std::string text;
    for (const char key : keys) {
        const auto code = static_cast<char32_t>(static_cast<unsigned char>(key));
        if (!dimensionKeyAdmitted(code, text))
            continue;
        if (code == 8) {
            if (!text.empty())
                text.pop_back();
        } else if (code != 13 && code != 127) { // Enter moves on; DEL at the end deletes nothing
            text += key;
        }
    }
    return text;
}

// A metric result read back: a number within half its last decimal of the exact value.
void CheckMetric(const std::string& text, long double exact, const Separators& separators) {
    Check(text.find_first_of("-E") == std::string::npos, "a metric text is a plain number", text);
    const auto back = readDecimalNumber(text, {separators.decimal});
    Check(back.has_value(), "a metric text reads back as a number", text);
    const long double allowed = 0.0005L * (1 + 1e-9L) + std::fabs(exact) * 1e-15L;
    Check(std::fabs(static_cast<long double>(*back) - exact) <= allowed,
          "a metric text lies within half its last decimal", text);
}

void CheckTexts(const DimensionEntry& entry, const ConversionTexts& texts,
                const Separators& separators) {
    for (const auto* column : {&texts.imperial, &texts.metric})
        for (const std::string& text : *column)
            Check(!HasNanOrInfText(text) && text.find('-') == std::string::npos,
                  "no NaN, infinity or sign in a conversion", text);

    Check(std::isfinite(entry.value) && entry.value >= 0,
          "the entry's value is finite and not negative");
    if (entry.hasMoreThanFourGroups || entry.value == 0) {
        Check(texts == ConversionTexts{}, "an unread or zero entry shows nothing");
        return;
    }

    const long double value = entry.value;
    const long double millimetres = entry.isImperial ? kMillimetresPerInch * value : value;
    const long double inches = entry.isImperial ? value : value / kMillimetresPerInch;
    CheckMetric(texts.metric[0], millimetres, separators);
    CheckMetric(texts.metric[1], millimetres / 10, separators);
    CheckMetric(texts.metric[2], millimetres / 1000, separators);
    CheckMetric(texts.metric[3], millimetres / 1000000, separators);

    const std::string& nearest25 = texts.metric[4];
    Check(!nearest25.empty() && nearest25.find_first_not_of("0123456789") == std::string::npos,
          "the nearest 25 mm is a whole number", nearest25);
    const long double multiple = std::strtold(nearest25.c_str(), nullptr);
    Check(std::fmod(multiple, 25) == 0 && std::fabs(multiple - millimetres) <= 12.5L,
          "the nearest 25 mm is the nearest multiple of 25", nearest25);

    for (const std::size_t i : {0u, 1u, 3u, 4u})
        Check(texts.imperial[i].size() >= 2 && texts.imperial[i].back() == kInchMark,
              "an imperial text ends in the inch mark", texts.imperial[i]);
    Check(texts.imperial[2].empty() || texts.imperial[2].back() == kInchMark,
          "the fraction alone ends in the inch mark", texts.imperial[2]);

    // feet, then inches below a foot after every carry.
    const std::string& feetText = texts.imperial[0];
    const auto feetMark = feetText.find(kFeetMark);
    Check(feetMark != std::string::npos, "feet and inches carry the feet mark", feetText);
    const auto inchesEnd = feetText.find_first_not_of("0123456789", feetMark + 1);
    const std::string shownInches = feetText.substr(feetMark + 1, inchesEnd - feetMark - 1);
    Check(!shownInches.empty() && std::stoll(shownInches) < 12, "inches below a foot", feetText);

    // The fraction: below one inch, in lowest terms.
    const std::string fraction = feetText.substr(inchesEnd, feetText.size() - 1 - inchesEnd);
    if (!fraction.empty()) {
        const auto slash = fraction.find('/');
        Check(fraction[0] == '.' && slash != std::string::npos, "a fraction reads .N/D", fraction);
        const std::string numerator = fraction.substr(1, slash - 1);
        const std::string denominator = fraction.substr(slash + 1);
        Check(!numerator.empty() && !denominator.empty() &&
                  (numerator + denominator).find_first_not_of("0123456789") == std::string::npos,
              "a fraction is two whole numbers", fraction);
        Check(numerator.size() < denominator.size() ||
                  (numerator.size() == denominator.size() && numerator < denominator),
              "a fraction is below one inch", fraction);
        if (denominator.size() <= 18) {
            const long long n = std::stoll(numerator);
            const long long d = std::stoll(denominator);
            long long a = n;
            long long b = d;
            while (b != 0)
                a = std::exchange(b, a % b);
            Check(n > 0 && a == 1, "a fraction is in lowest terms", fraction);
        }
    }

    // Decimal inches: the whole inches shown and up to three decimals of the value.
    const std::string& decimalInches = texts.imperial[3];
    const auto back =
        readDecimalNumber(decimalInches.substr(0, decimalInches.size() - 1), {separators.decimal});
    Check(back.has_value() && std::fabs(static_cast<long double>(*back) - inches) < 1.0005L,
          "decimal inches read back close to the value", decimalInches);
}

} // namespace
} // namespace kelvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvane;
    using namespace kelvane::fuzz;
    if (size == 0)
        return 0;
    const int resolution = (data[0] & 1) != 0 ? 64 : 32;
    const Separators separators = SeparatorsFor(static_cast<unsigned char>((data[0] >> 1) & 0x3F));
    const bool typed = (data[0] & 0x80) != 0;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string text = typed ? TypedText(input) : std::string(input);

    try {
        const DimensionEntry entry = parseDimension(text);
        const ConversionTexts texts = convertDimension(entry, resolution, separators);
        CheckTexts(entry, texts, separators);
        Check(texts == convertDimensionText(text, resolution, separators),
              "the conversion depends on the text alone", text);
    } catch (const Error& error) {
        const std::string message = error.what();
        constexpr std::string_view tail = "' is not a valid integer value";
        Check(!message.empty() && message.front() == '\'' && message.ends_with(tail) &&
                  message.substr(1, message.size() - 1 - tail.size())
                          .find_first_not_of("0123456789") == std::string::npos,
              "the parse error names a digit group", message);
        // The key filter keeps every group readable; only a group too long for an
        // integer can still fail.
        if (typed)
            Check(LongestDigitRun(text) >= 10, "a typed entry fails only on a long group", text);
    }
    return 0;
}
