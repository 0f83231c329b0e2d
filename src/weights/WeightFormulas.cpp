#include "weights/WeightFormulas.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

using Extended = long double;

// The weight of one piece from a weight per metre and a length in mm.
double pieceWeight(double perMetre, double length) {
    return static_cast<double>(static_cast<Extended>(perMetre) * length / 1000);
}

// The page's box values in tab order, to be taken apart by name.
template <std::size_t N> std::array<double, N> boxValues(const WeightInputs& inputs) {
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i)
        values[i] = inputs.values[i];
    return values;
}

// The weight per metre of a round section of the given radius.
Extended circleWeightPerMetre(Extended radius, double density) {
    return radius * radius * kExtendedPi * density / 1000;
}

// How a shape weighs one piece from its weight per metre (per square metre for a
// sheet), and which of its boxes must be filled for the piece and the total to be
// weighed at all. A weight left unweighed is exactly 0, where weighing a missing
// size would give -0 for a negative entry or NaN from an infinite weight per metre.
struct Piece {
    double weight;               // one piece, worked out from the weight per metre
    bool sizeTyped = true;       // false while a size the piece needs is 0
    bool totalNeedsSize = false; // the total, too, waits for that size
};

// The chain every shape shares: the weight per metre, then one piece, then the
// quantity from the piece. Nothing is weighed from a weight per metre of 0, and
// no total from a quantity of 0.
WeightResults weighPieces(double perMetre, const Piece& piece, double qty) {
    WeightResults r;
    r.weights[0] = perMetre;
    if (perMetre != 0 && piece.sizeTyped)
        r.weights[1] = piece.weight;
    if (perMetre != 0 && qty != 0 && (piece.sizeTyped || !piece.totalNeedsSize))
        r.weights[2] = static_cast<double>(static_cast<Extended>(r.weights[1]) * qty);
    return r;
}

} // namespace

WeightResults calcRound(const WeightInputs& inputs) {
    const auto [dia, length, qty] = boxValues<3>(inputs);
    double kgm = 0;
    if (dia != 0)
        kgm = static_cast<double>(
            circleWeightPerMetre(static_cast<Extended>(dia) / 2, inputs.density));
    return weighPieces(kgm, {pieceWeight(kgm, length)}, qty);
}

const PolygonShapeDefinition& polygonShapeDefinition(PolygonShape shape) {
    for (const PolygonShapeDefinition& known : kPolygonShapes)
        if (known.shape == shape)
            return known;
    return kPolygonShapes.front();
}

WeightResults calcPolygon(const WeightInputs& inputs) {
    const auto [acrossFlats, length, qty] = boxValues<3>(inputs);
    const int sides = polygonShapeDefinition(inputs.shape).sides;
    double kgm = 0;
    double machiningDiameter = 0;
    if (acrossFlats != 0 && sides != 0) {
        // h is the radius of the inscribed circle; the section is 2n right triangles
        // of height h and base h·tan(π/n).
        const double h = static_cast<double>(static_cast<Extended>(acrossFlats) / 2);
        const double hSquared = static_cast<double>(static_cast<Extended>(h) * h);
        const Extended halfAngle = kExtendedPi / sides;
        const double area =
            static_cast<double>(std::tan(halfAngle) * (sides * static_cast<Extended>(hSquared)));
        kgm = static_cast<double>(static_cast<Extended>(area) * inputs.density / 1000);
        machiningDiameter = static_cast<double>(h / std::cos(halfAngle) * 2);
    }
    WeightResults r = weighPieces(kgm, {pieceWeight(kgm, length)}, qty);
    r.machiningDiameter = kgm == 0 ? 0 : machiningDiameter;
    return r;
}

WeightResults calcBar(const WeightInputs& inputs) {
    const auto [width, thickness, length, qty] = boxValues<4>(inputs);
    double kgm = 0;
    double diagonal = 0; // it does not depend on the density
    if (width != 0 && thickness != 0) {
        const Extended w = width;
        const Extended t = thickness;
        kgm = static_cast<double>(w * thickness * inputs.density / 1000);
        diagonal = static_cast<double>(std::sqrt(w * w + t * t));
    }
    // A bar weighs nothing, and its total too, until its length is typed.
    WeightResults r = weighPieces(kgm, {pieceWeight(kgm, length), length != 0, true}, qty);
    r.machiningDiameter = diagonal;
    return r;
}

WeightResults calcSheet(const WeightInputs& inputs) {
    const auto [length, width, thickness, qty] = boxValues<4>(inputs);
    double kgPerSquareMetre = 0;
    if (thickness != 0)
        kgPerSquareMetre = static_cast<double>(static_cast<Extended>(thickness) * inputs.density);
    // A sheet is weighed per square metre: one sheet needs both its length and its
    // width, while the total is worked out from the sheet's weight as it stands.
    const double kgSheet =
        static_cast<double>(static_cast<Extended>(kgPerSquareMetre) * length * width / 1000000);
    return weighPieces(kgPerSquareMetre, {kgSheet, length != 0 && width != 0}, qty);
}

WeightResults calcTube(const WeightInputs& inputs) {
    const auto [outside, wall, length, qty] = boxValues<4>(inputs);
    // A wall of half the diameter meets the centre; a thicker one would give a bore of
    // negative size, whose square would wrongly take weight off again.
    const bool solid = outside > 0 && 2 * static_cast<Extended>(wall) >= outside;
    double kgm = 0;
    if (solid) {
        kgm = static_cast<double>(
            circleWeightPerMetre(static_cast<Extended>(outside) / 2, inputs.density));
    } else if (outside != 0) {
        // With a wall of 0 both terms come from identical operands and cancel exactly.
        const double bore = static_cast<double>(outside - 2 * static_cast<Extended>(wall));
        const Extended outer =
            circleWeightPerMetre(static_cast<Extended>(outside) / 2, inputs.density);
        const Extended inner =
            circleWeightPerMetre(static_cast<Extended>(bore) / 2, inputs.density);
        kgm = static_cast<double>(outer - inner);
    }
    WeightResults r = weighPieces(kgm, {pieceWeight(kgm, length)}, qty);
    if (solid)
        r.note = BoxNote{1, kSolidBarNote};
    return r;
}

WeightResults calcHollow(const WeightInputs& inputs) {
    const auto [height, width, entered, length, qty] = boxValues<5>(inputs);
    // The rule of thumb gives kg per metre of steel, density 7.85.
    constexpr Extended kSteelDensity = 7.85L;
    // Walls of half the smaller side meet in the middle; past that the rule would
    // take weight off again and turn negative, so the wall is held at that half.
    const double halfSide = std::min(height, width) / 2;
    const bool solid = halfSide > 0 && entered >= halfSide;
    const double wall = solid ? halfSide : entered;
    double kgm = 0;
    if (height != 0 && width != 0 && wall != 0)
        kgm = static_cast<double>(((static_cast<Extended>(height) + width) / 2 - wall) * wall / 32);
    kgm = static_cast<double>(kgm / kSteelDensity * inputs.density);
    WeightResults r = weighPieces(kgm, {pieceWeight(kgm, length)}, qty);
    if (solid)
        r.note = BoxNote{2, kSolidRectangleNote};
    return r;
}

} // namespace kelvane
