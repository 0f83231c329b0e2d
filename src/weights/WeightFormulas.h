#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kelvane {

// π to the 64-bit mantissa of extended precision (3.14159265358979323851...).
inline constexpr long double kExtendedPi = 3.141592653589793238462643383279502884L;

// What one recalculation of a weight page gives: the three weights (per metre or
// square metre, per bar or sheet, total) and, on the pages that show it, the
// smallest round bar the section can be machined from.
struct WeightResults {
    std::array<double, 3> weights{};
    std::optional<double> machiningDiameter;
};

// The shapes of the polygon page, in the order of its shape box.
enum class PolygonShape { Hexagon, Octagon, Square, Decagon, Triangle };

// A polygon shape with the name its shape box shows and its number of sides.
struct PolygonShapeDefinition {
    PolygonShape shape;
    std::string_view name;
    int sides;
};
inline constexpr std::array<PolygonShapeDefinition, 5> kPolygonShapes = {{
    {.shape = PolygonShape::Hexagon, .name = "Hexagon", .sides = 6},
    {.shape = PolygonShape::Octagon, .name = "Octagon", .sides = 8},
    {.shape = PolygonShape::Square, .name = "Square", .sides = 4},
    {.shape = PolygonShape::Decagon, .name = "Decagon", .sides = 10},
    {.shape = PolygonShape::Triangle, .name = "Triangle", .sides = 3},
}};

// The definition of a shape: its name and number of sides.
const PolygonShapeDefinition& polygonShapeDefinition(PolygonShape shape);

// The inputs of one recalculation: the page's box values in tab order, the
// density in use (g/cm³) and, on the polygon page, the shape chosen.
struct WeightInputs {
    std::span<const double> values;
    double density = 0;
    PolygonShape shape = PolygonShape::Hexagon;
};

// Round bar from RDia, RLength, RQty.
WeightResults calcRound(const WeightInputs& inputs);

// Regular polygonal bar from PAF (across flats), PLength, PQty and the shape chosen.
// The machining diameter is the circle through the corners, 0 whenever the weight per
// metre is 0.
WeightResults calcPolygon(const WeightInputs& inputs);

// Rectangular bar from BWidth, BThickness, BLength, BQty. The machining diameter is
// the diagonal of the section, 0 when the width or the thickness is 0; it does not
// depend on the density.
WeightResults calcBar(const WeightInputs& inputs);

// Plate or sheet from SLength, SWidth, SThickness, SQty: kg per square metre, per
// sheet and in total.
WeightResults calcSheet(const WeightInputs& inputs);

// Round tube from TOD (outside diameter), TThickness (wall), TLength, TQty. The wall
// is not checked: past half the outside diameter the bore term grows again, and the
// weight turns negative once the wall exceeds the outside diameter.
WeightResults calcTube(const WeightInputs& inputs);

// Rectangular hollow section from HHeight, HWidth, HThickness (wall), HLength, HQty,
// by the trade's rule of thumb: (mean side − wall) × wall ÷ 32 is the weight per metre
// of steel at 7.85, scaled to the density in use. A wall thicker than half the mean
// side gives negative weights.
WeightResults calcHollow(const WeightInputs& inputs);

} // namespace kelvane
