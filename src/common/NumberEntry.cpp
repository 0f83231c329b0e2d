#include "common/NumberEntry.h"

#include "common/KeyCodes.h"
#include "common/NumberText.h"

namespace kelvane {

double parseEditValue(std::string_view text, const Separators& separators) {
    return readEntryValue(text, separators).value_or(0.0);
}

std::optional<double> readEntryValue(std::string_view text, const Separators& separators) {
    return readDecimalNumber(text, {".", separators.decimal});
}

namespace {

// The code point of a separator that is one character long, or 0.
char32_t singleCodePoint(const std::string& utf8) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(utf8[i]);
    };
    if (utf8.size() == 1)
        return byte(0);
    if (utf8.size() == 2 && (byte(0) & 0xE0) == 0xC0)
        return ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    if (utf8.size() == 3 && (byte(0) & 0xF0) == 0xE0)
        return ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    return 0;
}

} // namespace

char32_t decimalSeparatorKey(const Separators& separators) {
    return singleCodePoint(separators.decimal);
}

bool numberKeyAdmitted(char32_t code, const Separators& separators) {
    if (code == kBackspaceKey || code == kEnterKey || code == kDeleteKey || code == U'.')
        return true;
    if (code >= U'0' && code <= U'9')
        return true;
    return code != 0 && code == decimalSeparatorKey(separators);
}

} // namespace kelvane
