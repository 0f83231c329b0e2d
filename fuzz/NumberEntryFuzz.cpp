// Fuzzes the entry boxes' number conversion and the weight result format.
// Input: one byte choosing the regional separators, then the text typed or pasted into a
// box. The text's value is formatted as a result, and the result text read back as an
// entry must give the same text again.

#include "FuzzChecks.h"

#include "common/NumberEntry.h"
#include "common/ResultFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kelvane::fuzz {
namespace {

// Half a unit of the last digit the result text keeps: two decimals, or seven
// significant digits when the integer part is longer than five digits.
double HalfUnitOfLastKeptDigit(std::string_view number) {
    Cursor cursor(number);
    cursor.Take("-");
    const auto integerDigits = static_cast<int>(cursor.Digits().size());
    const auto exponentAt = number.find('E');
    if (exponentAt != std::string_view::npos) {
        const int exponent = std::stoi(std::string(number.substr(exponentAt + 1)));
        return 0.5 * std::pow(10.0, exponent - 6);
    }
    return 0.5 * std::pow(10.0, std::max(-2, integerDigits - 7));
}

void CheckResultOf(double value, const Separators& separators) {
    const std::string withUnit = formatResult(value, " kg", separators);
    Check(withUnit.ends_with(" kg"), "the suffix follows the number", withUnit);
    const std::string text = withUnit.substr(0, withUnit.size() - 3);
    Check(text == formatResult(value, "", separators), "the suffix changes nothing else", text);
    Check(!HasNanOrInfText(text), "no NaN or infinity text", text);
    Check(IsResultText(text, separators), "result text in two decimals or scientific form", text);
    if (!std::isfinite(value)) {
        Check(text == "0" + separators.decimal + "00", "a non-finite value shows zero", text);
        return;
    }

    // Read back as an entry: close to the value, and formatted the same again.
    const double back = parseEditValue(text, separators);
    Check(std::isfinite(back), "a result text reads back as a finite number", text);
    const double allowed = HalfUnitOfLastKeptDigit(text) * (1 + 1e-9) + std::fabs(value) * 1e-15;
    Check(std::fabs(back - value) <= allowed, "the result text lies within half its last digit",
          text);
    Check(formatResult(back, "", separators) == text, "a result text formats to itself", text);
    Check((text[0] == '-') == (value < 0 && back != 0), "the sign shows only on a non-zero result",
          text);
}

} // namespace
} // namespace kelvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvane;
    using namespace kelvane::fuzz;
    if (size == 0)
        return 0;
    const Separators separators = SeparatorsFor(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const double value = parseEditValue(text, separators);
    Check(std::isfinite(value), "an entry never reads as NaN or infinity", text);
    // A run of digits within the range of a double reads as its nearest double.
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos) {
        const double nearest = std::strtod(std::string(text).c_str(), nullptr);
        Check(!std::isfinite(nearest) || value == nearest, "digits read as their nearest double",
              text);
    }
    // The point is read in every region; the regional separator only adds a second
    // spelling of it.
    if (text.find(separators.decimal) == std::string_view::npos)
        Check(value == parseEditValue(text, SeparatorsFor(0)),
              "a text without the regional separator reads as with the point", text);
    CheckResultOf(value, separators);

    // The raw bytes as a double reach values (and NaN, infinities, subnormals) that no
    // short text does.
    if (size - 1 >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data + 1, sizeof raw);
        CheckResultOf(raw, separators);
    }
    return 0;
}
