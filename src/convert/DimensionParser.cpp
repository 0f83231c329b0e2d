#include "convert/DimensionParser.h"

#include "common/KelvaneError.h"

#include <charconv>

namespace kelvane {

namespace {

// The fraction slash, and the point: a decimal point, or in an imperial entry also the
// joint between whole inches and a fraction (1.1/4 is one and a quarter inches).
constexpr char FractionSlash = '/';
constexpr char DecimalPoint = '.';

// Control keys that the entry box admits whatever its text.
constexpr char32_t BackspaceKey = 8;
constexpr char32_t EnterKey = 13;
constexpr char32_t DeleteKey = 127;

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

bool Contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// A digit group read as a signed 32-bit integer. Leading zeros do not count against
// the limit; an empty group is as invalid as an oversized one.
std::int32_t GroupValue(const std::string& group) {
    const auto firstSignificant = group.find_first_not_of('0');
    const std::string_view significant = firstSignificant == std::string::npos
                                             ? std::string_view{}
                                             : std::string_view(group).substr(firstSignificant);
    if (group.empty() || significant.size() > 10 ||
        (significant.size() == 10 && significant > "2147483647"))
        throw Error("'" + group + "' is not a valid integer value");
    std::int32_t value = 0;
    for (const char digit : significant)
        value = value * 10 + (digit - '0');
    return value;
}

// Whole units followed by decimal digits (d1/10 + d2/100 + ...), read as the nearest
// double to the exact decimal number.
double WholeAndDecimals(std::int64_t whole, const std::string& decimalDigits) {
    std::string text = std::to_string(whole);
    if (!decimalDigits.empty())
        text += DecimalPoint + decimalDigits;
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The groups of digits and, for each of the first four, the character that closed it
// (0 when none did).
struct Split {
    std::array<std::string, 4> groups;
    std::array<char, 4> closedBy{};
    bool moreThanFourGroups = false;
};

Split SplitIntoGroups(std::string_view text) {
    Split split;
    std::size_t k = 0; // index of the group being filled
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsDigit(byte)) {
            if (k < 4)
                split.groups[k] += c;
            else
                split.moreThanFourGroups = true;
        } else if ((byte & 0xC0) != 0x80) {
            // Any other character ends the group; the trailing bytes of a multi-byte
            // character belong to the character that already ended it.
            if (k < 4)
                split.closedBy[k] = c;
            ++k;
        }
    }
    return split;
}

int LastNonEmptyGroup(const std::array<std::string, 4>& groups) {
    for (int n = 4; n >= 1; --n)
        if (!groups[static_cast<std::size_t>(n - 1)].empty())
            return n;
    return 0;
}

// Reads feet, inches, fraction and decimals of an imperial entry. Every rule whose
// condition holds applies, in this order; a later rule overwrites an earlier one.
void ReadImperialSlots(DimensionEntry& e, const Split& split) {
    const auto group = [&e](int n) {
        return GroupValue(e.Groups[static_cast<std::size_t>(n - 1)]);
    };
    // Decimal digits are kept as typed, but they must still pass as an integer.
    const auto decimals = [&e, &group](int n) {
        group(n);
        return e.Groups[static_cast<std::size_t>(n - 1)];
    };
    const bool feet = e.HasFeetMark;
    const bool inch = e.HasInchMark;
    const int count = e.GroupCount;

    // 5' and 5'3 read as five feet: the inches count once the inch mark is typed.
    if (feet)
        e.Feet = group(1);
    // 34"
    if (!feet && inch && count == 1)
        e.Inches = group(1);
    // 1'2"
    if (feet && inch && count >= 2)
        e.Inches = group(2);
    // 1.1/4"; a text edited to start with the point (.1/4") has no whole inches.
    if (!feet && inch && e.HasSlash && count == 3) {
        e.Inches = e.Groups[0].empty() ? 0 : group(1);
        e.Numerator = group(2);
        e.Denominator = group(3);
    }
    // 1/4"
    if (!feet && inch && e.HasSlash && count == 2) {
        e.Inches = 0;
        e.Numerator = group(1);
        e.Denominator = group(2);
    }
    // 12'9.3/4"
    if (feet && inch && e.HasSlash && count == 4) {
        e.Numerator = group(3);
        e.Denominator = group(4);
    }
    // 12'3/4": the fraction follows the feet directly, with no whole inches.
    if (feet && inch && count == 3 && split.closedBy[0] == FeetMark &&
        split.closedBy[1] == FractionSlash) {
        e.Inches = 0;
        e.Numerator = group(2);
        e.Denominator = group(3);
    }
    // 5'1.5", and 5'3.5 without the inch mark.
    if (e.HasPoint && count == 3) {
        e.DecimalDigits = decimals(3);
        e.Inches = group(2);
        e.Feet = group(1);
    }
    // 1.5"
    if (e.HasPoint && count == 2 && !feet) {
        e.DecimalDigits = decimals(2);
        e.Inches = group(1);
    }
    // 5'3. reads as five feet three inches, as 5'3.0 would: a point with no digit
    // after it adds nothing.
    if (e.HasPoint && count == 2 && feet && split.closedBy[1] == DecimalPoint)
        e.Inches = group(2);
}

void ReadMetricSlots(DimensionEntry& e) {
    e.Feet = GroupValue(e.Groups[0]); // the whole millimetres
    if (e.HasPoint && !e.Groups[1].empty()) {
        GroupValue(e.Groups[1]); // kept as typed, but it must still pass as an integer
        e.DecimalDigits = e.Groups[1];
    }
}

double ImperialInches(const DimensionEntry& e) {
    const std::int64_t wholeInches = e.Inches + 12 * static_cast<std::int64_t>(e.Feet);
    if (e.HasPoint)
        return WholeAndDecimals(wholeInches, e.DecimalDigits);
    long double inches = 0;
    if (e.Numerator != 0 && e.Denominator != 0)
        inches = static_cast<long double>(e.Numerator) / e.Denominator;
    inches += e.Inches;
    inches += 12 * static_cast<std::int64_t>(e.Feet);
    return static_cast<double>(inches);
}

} // namespace

DimensionEntry ParseDimension(std::string_view text) {
    DimensionEntry entry;
    entry.HasFeetMark = Contains(text, FeetMark);
    entry.HasInchMark = Contains(text, InchMark);
    entry.HasSlash = Contains(text, FractionSlash);
    entry.HasPoint = Contains(text, DecimalPoint) && !entry.HasSlash;
    entry.IsImperial = entry.HasFeetMark || entry.HasInchMark || entry.HasSlash;

    const Split split = SplitIntoGroups(text);
    entry.Groups = split.groups;
    entry.GroupCount = LastNonEmptyGroup(entry.Groups);
    entry.HasMoreThanFourGroups = split.moreThanFourGroups;
    if (entry.GroupCount == 0 || entry.HasMoreThanFourGroups)
        return entry;

    if (entry.IsImperial) {
        ReadImperialSlots(entry, split);
        entry.Value = ImperialInches(entry);
    } else {
        ReadMetricSlots(entry);
        entry.Value = WholeAndDecimals(entry.Feet, entry.DecimalDigits);
    }
    return entry;
}

bool MIConvKeyAdmitted(char32_t key, std::string_view currentText) {
    // Upper-casing the key first would change nothing: no letter is ever admitted.
    const bool isControl = key == BackspaceKey || key == EnterKey || key == DeleteKey;
    const bool isMark =
        key == FeetMark || key == InchMark || key == DecimalPoint || key == FractionSlash;
    if (!isControl && !isMark && !IsDigit(key))
        return false;

    const auto has = [currentText](char c) {
        return Contains(currentText, c);
    };
    const char last = currentText.empty() ? '\0' : currentText.back();

    if (isMark && has(static_cast<char>(key)))
        return false; // each mark occurs once
    if (isMark && currentText.empty())
        return false; // the entry starts with a digit
    if (key == FeetMark && has(InchMark))
        return false;
    if (key == FractionSlash && (last == FeetMark || last == InchMark || last == DecimalPoint))
        return false;
    if (key == DecimalPoint && (last == FeetMark || last == InchMark || last == FractionSlash))
        return false;
    if ((key == DecimalPoint || key == FeetMark) && has(FractionSlash))
        return false;
    if (key == FeetMark && has(DecimalPoint))
        return false;
    if (!isControl && has(InchMark))
        return false; // the inch mark completes the entry: it can only be shortened
    return true;
}

} // namespace kelvane
