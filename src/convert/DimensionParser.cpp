#include "convert/DimensionParser.h"

#include "common/KelvaneError.h"
#include "common/KeyCodes.h"
#include "common/TextMark.h"

#include <charconv>

namespace kelvane {

namespace {

// The fraction slash, and the point: a decimal point, or in an imperial entry also the
// joint between whole inches and a fraction (1.1/4 is one and a quarter inches).
constexpr char kFractionSlash = '/';
constexpr char kDecimalPoint = '.';

// Control keys that the entry box admits whatever its text.

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// A digit group read as a signed 32-bit integer. Leading zeros do not count against
// the limit; an empty group is as invalid as an oversized one.
std::int32_t groupValue(const std::string& group) {
    const auto firstSignificant = group.find_first_not_of('0');
    const std::string_view significant = firstSignificant == std::string::npos
                                             ? std::string_view{}
                                             : std::string_view(group).substr(firstSignificant);
    if (group.empty() || significant.size() > 10 ||
        (significant.size() == 10 && significant > "2147483647"))
        throw Error("'" + group + "' " + KELVANE_TEXT("Kelvane", "is not a valid integer value"));
    std::int32_t value = 0;
    for (const char digit : significant)
        value = value * 10 + (digit - '0');
    return value;
}

// Whole units followed by decimal digits (d1/10 + d2/100 + ...), read as the nearest
// double to the exact decimal number.
double wholeAndDecimals(std::int64_t whole, const std::string& decimalDigits) {
    std::string text = std::to_string(whole);
    if (!decimalDigits.empty())
        text += kDecimalPoint + decimalDigits;
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

Split splitIntoGroups(std::string_view text) {
    Split split;
    std::size_t k = 0; // index of the group being filled
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (isDigit(byte)) {
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

int lastNonEmptyGroup(const std::array<std::string, 4>& groups) {
    for (int n = 4; n >= 1; --n)
        if (!groups[static_cast<std::size_t>(n - 1)].empty())
            return n;
    return 0;
}

// Reads feet, inches, fraction and decimals of an imperial entry. Every rule whose
// condition holds applies, in this order; a later rule overwrites an earlier one.
void readImperialSlots(DimensionEntry& e, const Split& split) {
    const auto group = [&e](int n) {
        return groupValue(e.groups[static_cast<std::size_t>(n - 1)]);
    };
    // Decimal digits are kept as typed, but they must still pass as an integer.
    const auto decimals = [&e, &group](int n) {
        group(n);
        return e.groups[static_cast<std::size_t>(n - 1)];
    };
    const bool feet = e.hasFeetMark;
    const bool inch = e.hasInchMark;
    const int count = e.groupCount;

    // 5' and 5'3 read as five feet: the inches count once the inch mark is typed.
    if (feet)
        e.feet = group(1);
    // 34"
    if (!feet && inch && count == 1)
        e.inches = group(1);
    // 1'2"
    if (feet && inch && count >= 2)
        e.inches = group(2);
    // 1.1/4"; a text edited to start with the point (.1/4") has no whole inches.
    if (!feet && inch && e.hasSlash && count == 3) {
        e.inches = e.groups[0].empty() ? 0 : group(1);
        e.numerator = group(2);
        e.denominator = group(3);
    }
    // 1/4"
    if (!feet && inch && e.hasSlash && count == 2) {
        e.inches = 0;
        e.numerator = group(1);
        e.denominator = group(2);
    }
    // 12'9.3/4"
    if (feet && inch && e.hasSlash && count == 4) {
        e.numerator = group(3);
        e.denominator = group(4);
    }
    // 12'3/4": the fraction follows the feet directly, with no whole inches.
    if (feet && inch && count == 3 && split.closedBy[0] == kFeetMark &&
        split.closedBy[1] == kFractionSlash) {
        e.inches = 0;
        e.numerator = group(2);
        e.denominator = group(3);
    }
    // 5'1.5", and 5'3.5 without the inch mark.
    if (e.hasPoint && count == 3) {
        e.decimalDigits = decimals(3);
        e.inches = group(2);
        e.feet = group(1);
    }
    // 1.5"
    if (e.hasPoint && count == 2 && !feet) {
        e.decimalDigits = decimals(2);
        e.inches = group(1);
    }
    // 5'3. reads as five feet three inches, as 5'3.0 would: a point with no digit
    // after it adds nothing.
    if (e.hasPoint && count == 2 && feet && split.closedBy[1] == kDecimalPoint)
        e.inches = group(2);
}

void readMetricSlots(DimensionEntry& e) {
    e.feet = groupValue(e.groups[0]); // the whole millimetres
    if (e.hasPoint && !e.groups[1].empty()) {
        groupValue(e.groups[1]); // kept as typed, but it must still pass as an integer
        e.decimalDigits = e.groups[1];
    }
}

double imperialInches(const DimensionEntry& e) {
    const std::int64_t wholeInches = e.inches + 12 * static_cast<std::int64_t>(e.feet);
    if (e.hasPoint)
        return wholeAndDecimals(wholeInches, e.decimalDigits);
    long double inches = 0;
    if (e.numerator != 0 && e.denominator != 0)
        inches = static_cast<long double>(e.numerator) / e.denominator;
    inches += e.inches;
    inches += 12 * static_cast<std::int64_t>(e.feet);
    return static_cast<double>(inches);
}

} // namespace

DimensionEntry parseDimension(std::string_view text) {
    DimensionEntry entry;
    entry.hasFeetMark = contains(text, kFeetMark);
    entry.hasInchMark = contains(text, kInchMark);
    entry.hasSlash = contains(text, kFractionSlash);
    entry.hasPoint = contains(text, kDecimalPoint) && !entry.hasSlash;
    entry.isImperial = entry.hasFeetMark || entry.hasInchMark || entry.hasSlash;

    const Split split = splitIntoGroups(text);
    entry.groups = split.groups;
    entry.groupCount = lastNonEmptyGroup(entry.groups);
    entry.hasMoreThanFourGroups = split.moreThanFourGroups;
    if (entry.groupCount == 0 || entry.hasMoreThanFourGroups)
        return entry;

    if (entry.isImperial) {
        readImperialSlots(entry, split);
        entry.value = imperialInches(entry);
    } else {
        readMetricSlots(entry);
        entry.value = wholeAndDecimals(entry.feet, entry.decimalDigits);
    }
    return entry;
}

bool dimensionKeyAdmitted(char32_t key, std::string_view currentText) {
    // Upper-casing the key first would change nothing: no letter is ever admitted.
    const bool isControl = key == kBackspaceKey || key == kEnterKey || key == kDeleteKey;
    const bool isMark =
        key == kFeetMark || key == kInchMark || key == kDecimalPoint || key == kFractionSlash;
    if (!isControl && !isMark && !isDigit(key))
        return false;

    const auto has = [currentText](char c) {
        return contains(currentText, c);
    };
    const char last = currentText.empty() ? '\0' : currentText.back();

    if (isMark && has(static_cast<char>(key)))
        return false; // each mark occurs once
    if (isMark && currentText.empty())
        return false; // the entry starts with a digit
    if (key == kFeetMark && has(kInchMark))
        return false;
    if (key == kFractionSlash && (last == kFeetMark || last == kInchMark || last == kDecimalPoint))
        return false;
    if (key == kDecimalPoint && (last == kFeetMark || last == kInchMark || last == kFractionSlash))
        return false;
    if ((key == kDecimalPoint || key == kFeetMark) && has(kFractionSlash))
        return false;
    if (key == kFeetMark && has(kDecimalPoint))
        return false;
    if (!isControl && has(kInchMark))
        return false; // the inch mark completes the entry: it can only be shortened
    return true;
}

} // namespace kelvane
