#pragma once

#include "common/Separators.h"

#include <optional>
#include <string_view>

namespace kelvane {

// The value of an entry box's text: one number, read with "." or the regional
// decimal separator as its point; text that is no number (empty, letters, a second
// point, a value beyond a double) counts as 0, silently.
double parseEditValue(std::string_view text, const Separators& separators);

// The same reading, telling text that is no number apart from 0: nothing for it.
std::optional<double> readEntryValue(std::string_view text, const Separators& separators);

// The character the regional decimal separator key types, or 0 where the separator
// is longer than one character and so has no key of its own.
char32_t decimalSeparatorKey(const Separators& separators);

// The number-key filter shared by every weight, turning and element box: it passes
// Backspace, Enter, DEL, the digits, "." and the regional decimal separator, and
// discards everything else (letters, signs, blanks, control characters such as the
// cut, copy, paste and undo shortcuts).
bool numberKeyAdmitted(char32_t code, const Separators& separators);

} // namespace kelvane
