#include "cli/CutPlan.h"

#include <cmath>

namespace kelvane {

CutPlan planCut(double stock, double piece, double kerf, std::optional<long long> pieces) {
    const long double s = stock;
    const long double p = piece;
    const long double k = kerf;
    const long double tolerance = s * kCutTolerance;
    // n pieces fit when n × piece + (n − 1) × kerf is no longer than the bar.
    const auto fits = [&](long double n) {
        return n * p + (n - 1) * k <= s + tolerance;
    };

    CutPlan plan;
    long double n = std::floor((s + k) / (p + k));
    // The quotient of inexact lengths may land just beside a whole number.
    if (fits(n + 1))
        n += 1;
    while (n > 0 && !fits(n))
        n -= 1;
    plan.piecesPerBar = static_cast<long long>(n);
    if (plan.piecesPerBar == 0) {
        plan.offcut = s;
        return plan;
    }
    const long double left = s - n * (p + k);
    plan.offcut = left > tolerance ? left : 0;
    if (pieces)
        plan.barsNeeded = (*pieces + plan.piecesPerBar - 1) / plan.piecesPerBar;
    return plan;
}

std::optional<long double> lengthForWeight(double weight, double perMetre) {
    if (!(weight > 0) || !(perMetre > 0))
        return std::nullopt;
    const long double length = static_cast<long double>(weight) * 1000 / perMetre;
    if (!std::isfinite(length))
        return std::nullopt;
    return length;
}

} // namespace kelvane
