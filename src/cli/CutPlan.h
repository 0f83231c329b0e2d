#pragma once

#include <optional>

namespace kelvane {

// How a stock bar is cut into pieces of one length. Every piece is followed by a cut
// that takes the kerf, except that a piece may end exactly at the bar's end; the saw
// may run off the end, so the last piece needs only its own length. Lengths in mm.
struct CutPlan {
    long long piecesPerBar = 0;
    long double offcut = 0;              // what is left of the bar after the last piece's cut
    std::optional<long long> barsNeeded; // for the pieces asked for
};

// Lengths that differ by less than this share of the stock length count as equal, so
// that 3 × 333.3 mm with a kerf of 0.1 mm fill 1000 mm although none of these lengths
// is exact in binary.
inline constexpr long double kCutTolerance = 1e-12L;

// Plans the cut in extended precision. The stock and the piece must be more than 0,
// the kerf 0 or more, the pieces 1 or more; a piece longer than the stock gives 0
// pieces per bar and no bars needed.
CutPlan planCut(double stock, double piece, double kerf, std::optional<long long> pieces);

// The length of a piece that weighs `weight` kg when a metre of it weighs `perMetre`
// kg, in extended precision; nothing when no positive length does.
std::optional<long double> lengthForWeight(double weight, double perMetre);

} // namespace kelvane
