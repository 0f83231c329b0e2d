#pragma once

#include "common/Separators.h"

#include <string>
#include <string_view>

namespace kelvane {

// The one format of every weight and machining-diameter text and of clipboard
// text: at most seven significant digits and two decimals, exact halves away from
// zero (decided on the value's first 18 significant digits), exactly two decimals,
// no thousands separators, no sign on a value that rounds to zero; from 10,000,000
// up the scientific form ("1.234568E07"). The suffix follows directly.
std::string formatResult(double value, std::string_view suffix, const Separators& separators);

// The same format with another count of decimals (three for a length in inches).
std::string formatResult(double value, std::string_view suffix, const Separators& separators,
                         int decimals);

// A density as the status bar shows it: the shortest general form with up to 15
// significant digits and no trailing zeros ("1.75", "8").
std::string formatGeneral(double value, const Separators& separators);

} // namespace kelvane
