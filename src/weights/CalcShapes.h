#pragma once

#include "common/Caption.h"
#include "common/Separators.h"
#include "common/Units.h"
#include "weights/WeightPageModel.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kelvane {

// A section kelvane-calc weighs: its name on the command line and in a batch's shape
// column, the weight page that weighs it (with the polygon page's shape), and the
// names of that page's boxes in tab order, which are also the batch's column names.
struct CalcShape {
    std::string_view name{};
    WeightShape page = WeightShape::Round;             // the weight page that weighs it
    PolygonShape polygonShape = PolygonShape::Hexagon; // only the polygon page uses it
    std::vector<std::string_view> inputs{};
    std::size_t lengthInput = 0;   // the box of the piece's length (the plate's first box)
    std::size_t quantityInput = 0; // the last box
};

// round, hexagon, octagon, square, decagon, triangle, flat, plate, tube, hollow.
const std::vector<CalcShape>& calcShapes();

// The shape of that name, with upper and lower case alike; nullptr for none.
const CalcShape* findShape(std::string_view name);

// Every caption a weight result can have in the units, each once, in page order: the
// columns a batch adds.
const std::vector<std::string_view>& weightResultCaptions(Units units = Units::Metric);

// The weight page of one shape with its stored values, recalculated on demand as the
// page recalculates: a box value per input (millimetres and the quantity, whatever the
// units), then the results (kg) and their texts in the units.
class ShapeWeigher {
public:
    explicit ShapeWeigher(const CalcShape& shape, Units units = Units::Metric);

    const CalcShape& shape() const { return *shape_; }
    // Stores the box values (one per input, in input order) and recalculates.
    void weigh(std::span<const double> values, double density);
    double result(std::size_t index) const { return model_.result(index); }
    double shownResult(std::size_t index) const { return model_.shownResult(index); }
    std::string resultText(std::size_t index, const Separators& separators) const {
        return model_.resultText(index, separators);
    }
    // The note the page would show on one of its boxes, such as a wall that reaches
    // the centre.
    const std::optional<BoxNote>& note() const { return model_.note(); }
    std::vector<CaptionedText> texts(const Separators& separators) const {
        return model_.resultTexts(separators);
    }
    // The text of texts()[index] alone, without making the others: a batch takes them
    // one at a time, row after row.
    std::string text(std::size_t index, const Separators& separators) const {
        return index < model_.definition().results.size() ? model_.resultText(index, separators)
                                                          : model_.machiningText(separators);
    }

private:
    const CalcShape* shape_;
    WeightPageModel model_;
};

} // namespace kelvane
