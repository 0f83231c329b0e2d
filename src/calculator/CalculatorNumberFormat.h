#pragma once

#include "common/Separators.h"

#include <string>

namespace kelvane {

// The calculator display's number format. The value is rounded half away from zero,
// on the exact value of the double, to at most `significantDigits` significant digits
// and at most `decimals` decimals, and written with the regional separators:
// "-" for a negative value that does not round to zero, the integer part grouped in
// threes, then exactly `decimals` decimals ("1,234.50", "0.00", "-0.50").
// A value whose rounded integer part needs more than `significantDigits` digits is
// written in scientific form instead, without groups: "1.2345678901235E14", "1E15",
// "-2.5E20". Not-a-number and infinities are never stored by the calculator; they
// are written as zero.
std::string formatCalcNumber(double value, const Separators& separators, int significantDigits = 14,
                             int decimals = 2);

} // namespace kelvane
