#include "calculator/CalcNumberFormat.h"

#include "common/Decimal.h"

namespace kelvane {

std::string FormatCalcNumber(double value, const Separators& separators, int significantDigits,
                             int decimals) {
    const DecimalNumber rounded =
        RoundHalfAwayFromZero(ExactDecimalOf(value), significantDigits, decimals);
    // The choice of form is made after rounding, so 99999999999999.995 becomes 1E14.
    if (rounded.pointPosition > significantDigits)
        return ScientificText(rounded, separators.decimal);
    return FixedText(rounded, decimals, separators.decimal, separators.thousands);
}

} // namespace kelvane
