#include "weights/CalcShapes.h"

#include <algorithm>
#include <cctype>

namespace kelvane {

namespace {

// The command line's names of the polygon page's shapes, in the order of kPolygonShapes.
constexpr std::array<std::string_view, kPolygonShapes.size()> kPolygonNames = {
    "hexagon", "octagon", "square", "decagon", "triangle"};

std::vector<CalcShape> makeShapes() {
    std::vector<CalcShape> shapes;
    shapes.push_back({.name = "round",
                      .page = WeightShape::Round,
                      .inputs = {"diameter", "length", "quantity"},
                      .lengthInput = 1,
                      .quantityInput = 2});
    for (std::size_t i = 0; i < kPolygonShapes.size(); ++i) {
        shapes.push_back({.name = kPolygonNames[i],
                          .page = WeightShape::Polygon,
                          .polygonShape = kPolygonShapes[i].shape,
                          .inputs = {"across_flats", "length", "quantity"},
                          .lengthInput = 1,
                          .quantityInput = 2});
    }
    shapes.push_back({.name = "flat",
                      .page = WeightShape::FlatSquare,
                      .inputs = {"width", "thickness", "length", "quantity"},
                      .lengthInput = 2,
                      .quantityInput = 3});
    shapes.push_back({.name = "plate",
                      .page = WeightShape::PlateSheet,
                      .inputs = {"length", "width", "thickness", "quantity"},
                      .lengthInput = 0,
                      .quantityInput = 3});
    shapes.push_back({.name = "tube",
                      .page = WeightShape::Tube,
                      .inputs = {"diameter", "wall", "length", "quantity"},
                      .lengthInput = 2,
                      .quantityInput = 3});
    shapes.push_back({.name = "hollow",
                      .page = WeightShape::HollowSection,
                      .inputs = {"height", "width", "wall", "length", "quantity"},
                      .lengthInput = 3,
                      .quantityInput = 4});
    return shapes;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

const std::vector<CalcShape>& calcShapes() {
    static const std::vector<CalcShape> shapes = makeShapes();
    return shapes;
}

const CalcShape* findShape(std::string_view name) {
    for (const CalcShape& shape : calcShapes())
        if (shape.name == name)
            return &shape;
    for (const CalcShape& shape : calcShapes())
        if (sameIgnoringCase(shape.name, name))
            return &shape;
    return nullptr;
}

namespace {

std::vector<std::string_view> captionsIn(Units units) {
    std::vector<std::string_view> all;
    for (const WeightShape shape : kWeightShapes) {
        WeightPageModel model(weightPageDefinition(shape));
        model.setUnits(units);
        for (const CaptionedText& text : model.resultTexts(Separators{}))
            if (std::find(all.begin(), all.end(), text.caption) == all.end())
                all.push_back(text.caption);
    }
    return all;
}

} // namespace

const std::vector<std::string_view>& weightResultCaptions(Units units) {
    static const std::vector<std::string_view> metric = captionsIn(Units::Metric);
    static const std::vector<std::string_view> imperial = captionsIn(Units::Imperial);
    return units == Units::Imperial ? imperial : metric;
}

ShapeWeigher::ShapeWeigher(const CalcShape& shape, Units units)
    : shape_(&shape)
    , model_(weightPageDefinition(shape.page)) {
    model_.setUnits(units);
}

void ShapeWeigher::weigh(std::span<const double> values, double density) {
    for (std::size_t i = 0; i < values.size(); ++i)
        model_.storeValue(i, values[i]);
    model_.storeShape(shape_->polygonShape);
    model_.recalculate(density);
}

} // namespace kelvane
