#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane {

// The marks after feet and after inches, in entries and in the imperial results.
inline constexpr char kFeetMark = '\'';
inline constexpr char kInchMark = '"';

// One reading of the conversion page's entry text: either millimetres (digits and a
// point only) or feet, inches and a fraction of an inch. Built afresh from the whole
// text on every change; nothing carries over from one reading to the next.
struct DimensionEntry {
    bool hasFeetMark = false;
    bool hasInchMark = false;
    bool hasSlash = false;
    // A point and no slash: beside a slash the point only joins whole inches and the
    // fraction (1.1/4 is one and a quarter inches).
    bool hasPoint = false;
    bool isImperial = false;
    // Digits follow a fourth non-digit, which only pasting or editing in the middle can
    // produce. Such a text is not read at all: no value, no error.
    bool hasMoreThanFourGroups = false;
    std::array<std::string, 4> groups; // the runs of digits G1 to G4
    int groupCount = 0;                // number of the last non-empty group, 0 to 4
    std::int32_t feet = 0;             // imperial: whole feet; metric: whole millimetres
    std::int32_t inches = 0;           // imperial: whole inches (12 or more allowed)
    std::int32_t numerator = 0;        // imperial: the typed fraction's numerator
    std::int32_t denominator = 0;      // imperial: the typed fraction's denominator
    std::string decimalDigits;         // the digits after the point, leading zeros kept
    double value = 0;                  // metric: millimetres; imperial: inches
};

// Classifies the text as metric or imperial, splits it into digit groups and reads the
// groups into feet, inches, fraction and decimals. The text is UTF-8; every character
// other than an ASCII digit ends a group. Throws kelvane::Error
// "'<group>' is not a valid integer value" when a group that is read is empty or
// exceeds 2147483647.
DimensionEntry parseDimension(std::string_view text);

// The entry box's key filter: whether the typed character may be inserted into a box
// that currently holds currentText (the whole text: caret and selection play no part).
// Digits, the four marks, Backspace (8), Enter (13) and DEL (127) pass the first test;
// each mark may occur once and only where the entry stays readable, and once the inch
// mark is typed the entry can only be shortened. Enter is admitted: the page then moves
// the focus to the next control.
bool dimensionKeyAdmitted(char32_t key, std::string_view currentText);

} // namespace kelvane
