#pragma once

#include "common/TextMark.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kelvane {

// π to the 64-bit mantissa of extended precision (3.14159265358979323851...).
inline constexpr long double kExtendedPi = 3.141592653589793238462643383279502884L;

// What the page says about one of its boxes beside the figures: the box (in tab
// order) and the text, such as why a wall was weighed as it was.
struct BoxNote {
    std::size_t box = 0;
    std::string_view text;

    bool operator==(const BoxNote&) const = default;
};

// The notes of a wall that reaches the centre: the section has no hollow left.
inline constexpr std::string_view kSolidBarNote =
    KELVANE_TEXT("Kelvane", "The wall reaches the centre: weighed as a solid bar");
inline constexpr std::string_view kSolidRectangleNote =
    KELVANE_TEXT("Kelvane", "The wall reaches the centre: weighed as a solid rectangle");

// What one recalculation of a weight page gives: the three weights (per metre or
// square metre, per bar or sheet, total), on the pages that show it the smallest
// round bar the section can be machined from, and a note on a box where one is due.
struct WeightResults {
    std::array<double, 3> weights{};
    std::optional<double> machiningDiameter;
    std::optional<BoxNote> note;
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
    {.shape = PolygonShape::Hexagon, .name = KELVANE_TEXT("Kelvane", "Hexagon"), .sides = 6},
    {.shape = PolygonShape::Octagon, .name = KELVANE_TEXT("Kelvane", "Octagon"), .sides = 8},
    {.shape = PolygonShape::Square, .name = KELVANE_TEXT("Kelvane", "Square"), .sides = 4},
    {.shape = PolygonShape::Decagon, .name = KELVANE_TEXT("Kelvane", "Decagon"), .sides = 10},
    {.shape = PolygonShape::Triangle, .name = KELVANE_TEXT("Kelvane", "Triangle"), .sides = 3},
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

// Round tube from TOD (outside diameter), TThickness (wall), TLength, TQty. A wall of
// half the outside diameter or more leaves no bore: the tube is weighed as the solid
// round bar of its outside diameter, with kSolidBarNote on the wall box.
WeightResults calcTube(const WeightInputs& inputs);

// Rectangular hollow section from HHeight, HWidth, HThickness (wall), HLength, HQty,
// by the trade's rule of thumb: (mean side − wall) × wall ÷ 32 is the weight per metre
// of steel at 7.85, scaled to the density in use. A wall of half the smaller side or
// more closes the hollow: the section is weighed as the solid rectangle, by the same
// rule with the wall at half the smaller side, so the weight runs on from a wall of
// exactly half; the wall box gets kSolidRectangleNote.
WeightResults calcHollow(const WeightInputs& inputs);

} // namespace kelvane
