#pragma once

// Shared pieces of the fuzz targets: the regional separators an input selects, small
// matchers for the number texts the pages show, and the check that stops the run. A
// broken invariant prints what broke and aborts, so libFuzzer keeps the input as a crash.

#include "common/Separators.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace kelvane::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "\nInvariant broken: %s\n  text: [%.*s]\n", what,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void Check(bool holds, const char* what, std::string_view detail = {}) {
    if (!holds)
        Fail(what, detail);
}

// The first byte of every input picks the regional separators: a point, a comma, or a
// decimal separator of two bytes in UTF-8 (U+066B, with U+066C for the thousands).
inline Separators SeparatorsFor(unsigned char selector) {
    switch (selector % 3) {
    case 0:
        return Separators{".", ","};
    case 1:
        return Separators{",", "."};
    default:
        return Separators{"\xD9\xAB", "\xD9\xAC"};
    }
}

// "nan" or "inf" in any letter case: what a formatted non-finite double would show.
inline bool HasNanOrInfText(std::string_view text) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = lower(text[i]);
        const char b = lower(text[i + 1]);
        const char c = lower(text[i + 2]);
        if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f'))
            return true;
    }
    return false;
}

// Reads a text from left to right for the format matchers.
class Cursor {
public:
    explicit Cursor(std::string_view text)
        : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }
    bool Take(std::string_view literal) {
        if (literal.empty() || rest_.substr(0, literal.size()) != literal)
            return false;
        rest_.remove_prefix(literal.size());
        return true;
    }
    // Takes the run of ASCII digits that starts here (possibly empty).
    std::string_view Digits() {
        std::size_t n = 0;
        while (n < rest_.size() && rest_[n] >= '0' && rest_[n] <= '9')
            ++n;
        const std::string_view digits = rest_.substr(0, n);
        rest_.remove_prefix(n);
        return digits;
    }

private:
    std::string_view rest_;
};

// The mantissa and exponent of the scientific form: one non-zero digit, then optionally
// the separator and up to maxFurther digits without a trailing zero, then "E", no sign
// and the exponent with at least two digits (no more leading zeros than that), which is
// at least minExponent.
inline bool TakeScientific(Cursor& cursor, const std::string& decimalSeparator, int maxFurther,
                           int minExponent) {
    const std::string_view first = cursor.Digits();
    if (first.size() != 1 || first[0] == '0')
        return false;
    if (cursor.Take(decimalSeparator)) {
        const std::string_view further = cursor.Digits();
        if (further.empty() || static_cast<int>(further.size()) > maxFurther ||
            further.back() == '0')
            return false;
    }
    if (!cursor.Take("E"))
        return false;
    const std::string_view exponent = cursor.Digits();
    if (exponent.size() < 2 || exponent.size() > 3 || (exponent.size() == 3 && exponent[0] == '0'))
        return false;
    return std::stoi(std::string(exponent)) >= minExponent && cursor.AtEnd();
}

// The weight result format: "-" only before a non-zero value, at most seven integer
// digits without leading zeros, the separator and exactly two decimals; from 10^7 up
// the scientific form with at most seven significant digits.
inline bool IsResultText(std::string_view text, const Separators& separators) {
    Cursor cursor(text);
    const bool negative = cursor.Take("-");
    Cursor scientific = cursor;
    if (TakeScientific(scientific, separators.decimal, 6, 7))
        return true;
    const std::string_view integer = cursor.Digits();
    if (integer.empty() || integer.size() > 7 || (integer.size() > 1 && integer[0] == '0'))
        return false;
    if (!cursor.Take(separators.decimal))
        return false;
    const std::string_view decimals = cursor.Digits();
    if (decimals.size() != 2 || !cursor.AtEnd())
        return false;
    return !(negative && integer == "0" && decimals == "00");
}

// The calculator's number format: "-" only before a non-zero value, at most fourteen
// integer digits in groups of three, the separator and exactly two decimals; from 10^14
// up the scientific form with at most fourteen significant digits.
inline bool IsCalcNumberText(std::string_view text, const Separators& separators) {
    Cursor cursor(text);
    const bool negative = cursor.Take("-");
    Cursor scientific = cursor;
    if (TakeScientific(scientific, separators.decimal, 13, 14))
        return true;
    const std::string_view lead = cursor.Digits();
    if (lead.empty() || lead.size() > 3 || (lead.size() > 1 && lead[0] == '0'))
        return false;
    std::size_t integerDigits = lead.size();
    while (cursor.Take(separators.thousands)) {
        if (lead == "0" || cursor.Digits().size() != 3)
            return false;
        integerDigits += 3;
    }
    if (integerDigits > 14 || !cursor.Take(separators.decimal))
        return false;
    const std::string_view decimals = cursor.Digits();
    if (decimals.size() != 2 || !cursor.AtEnd())
        return false;
    return !(negative && lead == "0" && decimals == "00");
}

// A number text in "C" form for strtod: the thousands separators left out, the regional
// decimal separator turned into a point.
inline std::string PlainNumber(std::string_view text, const Separators& separators) {
    std::string plain;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        if (!separators.thousands.empty() && rest.starts_with(separators.thousands)) {
            i += separators.thousands.size();
        } else if (rest.starts_with(separators.decimal)) {
            plain += '.';
            i += separators.decimal.size();
        } else {
            plain += text[i++];
        }
    }
    return plain;
}

} // namespace kelvane::fuzz
