#pragma once

#include "common/Caption.h"
#include "common/Separators.h"
#include "weights/WeightFormulas.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// An entry box of a weight page: its control name and the label above it.
struct EntryBoxDefinition {
    std::string_view objectName;
    std::string_view caption;
};

// A result of a weight page: its label, the caption above it, its copy button and
// what that button says it copies.
struct ResultDefinition {
    std::string_view labelName;
    std::string_view caption;
    std::string_view copyButtonName;
    std::string_view copyDescription;
};

using WeightCalculation = WeightResults (*)(const WeightInputs&);

// Everything that tells one weight page from another, but for its name and caption,
// which the page registry holds. A new shape is a new WeightShape and definition.
struct WeightPageDefinition {
    std::vector<EntryBoxDefinition> boxes{}; // in tab order
    std::string_view clearButtonName{};
    std::array<ResultDefinition, 3> results{};
    std::string_view machiningLabelName{};        // empty on pages without a machining diameter
    std::string_view shapeBoxName{};              // empty on pages without a shape choice
    std::string_view shapeBoxCaption{};           // the label above the shape box
    std::vector<PolygonShapeDefinition> shapes{}; // the shape box's choices, in order
    WeightCalculation calculate = nullptr;
    std::string_view addButtonName{}; // the "Add to Quote" button
};

// The weight pages, in page order.
enum class WeightShape { Round, Polygon, FlatSquare, PlateSheet, Tube, HollowSection };
inline constexpr std::array<WeightShape, 6> kWeightShapes = {
    WeightShape::Round,      WeightShape::Polygon, WeightShape::FlatSquare,
    WeightShape::PlateSheet, WeightShape::Tube,    WeightShape::HollowSection};

const WeightPageDefinition& weightPageDefinition(WeightShape shape);
// The shape whose page that definition is.
WeightShape weightShapeOf(const WeightPageDefinition& definition);

// The heading on top of every weight page.
inline constexpr std::string_view kDimensionsHeading = "Enter all dimensions in millimetres (mm)";
// The two lines beside a machining diameter.
inline constexpr std::string_view kMachiningText =
    "To machine a bar with these dimensions from a round bar,\n"
    "it would need to have a minimum diameter of:";
// The name of the machining diameter where it stands apart from those two lines.
inline constexpr std::string_view kMachiningCaption = "Machining Diameter";

// The stored values of one weight page and the texts it shows. A box's value
// changes only through storeValue, the results only through recalculate, and the
// copy texts are formatted afresh from the stored results.
class WeightPageModel {
public:
    explicit WeightPageModel(const WeightPageDefinition& definition);

    const WeightPageDefinition& definition() const { return *definition_; }

    void storeValue(std::size_t box, double value) { values_.at(box) = value; }
    // The shape chosen on a page with a shape box; the first of its choices until then.
    void storeShape(PolygonShape shape) { shape_ = shape; }
    double result(std::size_t index) const { return results_.weights.at(index); }
    double value(std::size_t box) const { return values_.at(box); }
    const WeightResults& results() const { return results_; }
    // The note the last recalculation gave on one of the boxes, if any.
    const std::optional<BoxNote>& note() const { return results_.note; }

    // Works the page's results out afresh from its stored values and shape.
    void recalculate(double density);

    std::string resultText(std::size_t index, const Separators& separators) const;
    std::string machiningText(const Separators& separators) const;
    std::string copyText(std::size_t index, const Separators& separators) const;
    // Every result the page shows, in page order: the three weights under their
    // captions, then the machining diameter on pages that have one.
    std::vector<CaptionedText> resultTexts(const Separators& separators) const;

private:
    const WeightPageDefinition* definition_;
    std::vector<double> values_;
    PolygonShape shape_ = PolygonShape::Hexagon;
    WeightResults results_;
};

} // namespace kelvane
