#include "calculator/CalculatorNumberFormat.h"

#include "common/Decimal.h"

namespace kelvane {

std::string formatCalcNumber(double value, const Separators& separators, int significantDigits,
                             int decimals) {
    const DecimalNumber rounded =
        roundHalfAwayFromZero(exactDecimalOf(value), significantDigits, decimals);
    // The choice of form is made after rounding, so 99999999999999.995 becomes 1E14.
    if (rounded.pointPosition > significantDigits)
        return scientificText(rounded, separators.decimal);
    return fixedText(rounded, decimals, separators.decimal, separators.thousands);
}

} // namespace kelvane
