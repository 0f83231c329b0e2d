#pragma once

#include "common/Caption.h"
#include "common/Separators.h"
#include "common/TextMark.h"
#include "common/Units.h"
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

// Whether the page's first result is a weight per square metre (the plate/sheet page)
// rather than per metre.
bool weighedPerArea(const WeightPageDefinition& definition);

// The heading on top of every weight page, which names the units in use.
inline constexpr std::string_view kDimensionsHeading =
    KELVANE_TEXT("Kelvane", "Enter all dimensions in millimetres (mm)");
inline constexpr std::string_view kImperialDimensionsHeading =
    KELVANE_TEXT("Kelvane", "Enter all dimensions in inches (in); feet with '");
std::string_view dimensionsHeading(Units units);
// The two lines beside a machining diameter.
inline constexpr std::string_view kMachiningText =
    KELVANE_TEXT("Kelvane", "To machine a bar with these dimensions from a round bar,\n"
                            "it would need to have a minimum diameter of:");
// The name of the machining diameter where it stands apart from those two lines.
inline constexpr std::string_view kMachiningCaption = KELVANE_TEXT("Kelvane", "Machining Diameter");

// The stored values of one weight page and the texts it shows. A box's value
// changes only through storeValue or storeText, the results only through
// recalculate, and the copy texts are formatted afresh from the stored results.
// Values and results are kept in millimetres and kilograms whatever the units: in
// inches and pounds a dimension is converted to millimetres as it is stored, the
// page is weighed by its metric formulas, and the texts convert the kilograms.
class WeightPageModel {
public:
    explicit WeightPageModel(const WeightPageDefinition& definition);

    const WeightPageDefinition& definition() const { return *definition_; }

    // The units the boxes are read in and the results shown in; metric at first.
    void setUnits(Units units) { units_ = units; }
    Units units() const { return units_; }

    void storeValue(std::size_t box, double value) { values_.at(box) = value; }
    // The shape chosen on a page with a shape box; the first of its choices until then.
    void storeShape(PolygonShape shape) { shape_ = shape; }
    // Reads the text of a box in the units in use and stores its value: in inches
    // and pounds a dimension is read in the imperial notation and stored in
    // millimetres; a quantity is a plain number in either units. Text that is no
    // number counts as 0.
    void storeText(std::size_t box, std::string_view text, const Separators& separators);
    // What a character typed into a box puts in, or nothing when the box refuses it:
    // the number keys, or for a dimension in inches and pounds the imperial notation's
    // keys as the conversion page admits them, the regional decimal separator key
    // typing the notation's point. `remaining` is the box's text the key goes into.
    std::optional<char32_t> typedKey(std::size_t box, char32_t key, std::string_view remaining,
                                     const Separators& separators) const;
    // The quantity is the last box of every page; every other box is a dimension.
    bool isQuantityBox(std::size_t box) const { return box + 1 == values_.size(); }

    double result(std::size_t index) const { return results_.weights.at(index); }
    double value(std::size_t box) const { return values_.at(box); }
    const WeightResults& results() const { return results_; }
    // A result in the units shown: kg, or lb per foot, per square foot and lb.
    double shownResult(std::size_t index) const;
    // The caption above a result in the units in use ("Weight per Foot").
    std::string_view resultCaption(std::size_t index) const;
    // What a result's copy button says it copies, in the units in use.
    std::string_view copyDescription(std::size_t index) const;
    // The unit a box is read in, as a screen reader adds it to the box's name: empty
    // for the quantity, which counts bars or sheets.
    std::string_view boxUnit(std::size_t box) const;
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
    Units units_ = Units::Metric;
};

} // namespace kelvane
