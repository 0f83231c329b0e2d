#include "weights/WeightFormulas.h"
#include "weights/WeightPageModel.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvane {
namespace {

// The weight pages by their tab captions.
const WeightPageDefinition& PageCaptioned(std::string_view caption) {
    const std::pair<std::string_view, WeightShape> shapes[] = {
        {"Round", WeightShape::Round},
        {"Polygon", WeightShape::Polygon},
        {"Flat/Square", WeightShape::FlatSquare},
        {"Plate/Sheet", WeightShape::PlateSheet},
        {"Tube", WeightShape::Tube},
        {"Hollow Section", WeightShape::HollowSection},
    };
    for (const auto& [shapeCaption, shape] : shapes)
        if (shapeCaption == caption)
            return weightPageDefinition(shape);
    throw std::runtime_error("no weight page " + std::string(caption));
}

// A polygon shape by the name its shape box shows; Hexagon for the pages without a shape box.
PolygonShape ShapeNamed(std::string_view name) {
    for (const PolygonShapeDefinition& shape : kPolygonShapes)
        if (shape.name == name)
            return shape.shape;
    if (!name.empty())
        throw std::runtime_error("no polygon shape " + std::string(name));
    return PolygonShape::Hexagon;
}

struct PageCase {
    const char* page;
    const char* shape;
    std::vector<double> values; // in the page's tab order
    double density;
    std::array<const char*, 3> weights;
    const char* machining; // nullptr on pages without a machining diameter
};

TEST(SectionPagesTest, ShowTheWeightsOfEachShape) {
    const PageCase cases[] = {
        {"Polygon", "Hexagon", {20, 1000, 3}, 1.75, {"0.61 kg", "0.61 kg", "1.82 kg"}, "23.09 mm"},
        {"Polygon", "Square", {20, 1000, 3}, 1.75, {"0.70 kg", "0.70 kg", "2.10 kg"}, "28.28 mm"},
        {"Polygon", "Triangle", {20, 1000, 3}, 1.75, {"0.91 kg", "0.91 kg", "2.73 kg"}, "40.00 mm"},
        {"Polygon", "Hexagon", {36, 3000, 2}, 8, {"8.98 kg", "26.94 kg", "53.87 kg"}, "41.57 mm"},
        {"Polygon", "Hexagon", {20, 0, 3}, 1.75, {"0.61 kg", "0.00 kg", "0.00 kg"}, "23.09 mm"},
        {"Polygon", "Hexagon", {20, 1000, 3}, 0, {"0.00 kg", "0.00 kg", "0.00 kg"}, "0.00 mm"},
        {"Polygon", "Octagon", {20, 1000, 3}, 1.75, {"0.58 kg", "0.58 kg", "1.74 kg"}, "21.65 mm"},
        // 0.875 and 0.625 kg per metre are exact halves and go up.
        {"Flat/Square", "", {50, 10, 2000, 5}, 1.75, {"0.88 kg", "1.75 kg", "8.75 kg"}, "50.99 mm"},
        {"Flat/Square", "", {50, 10, 2000, 5}, 1.25, {"0.63 kg", "1.25 kg", "6.25 kg"}, "50.99 mm"},
        {"Flat/Square", "", {50, 0, 2000, 5}, 1.75, {"0.00 kg", "0.00 kg", "0.00 kg"}, "0.00 mm"},
        {"Flat/Square", "", {50, 10, 2000, 5}, 0, {"0.00 kg", "0.00 kg", "0.00 kg"}, "50.99 mm"},
        {"Flat/Square", "", {50, 10, 0, 5}, 1.75, {"0.88 kg", "0.00 kg", "0.00 kg"}, "50.99 mm"},
        {"Plate/Sheet",
         "",
         {2000, 1000, 10, 3},
         1.75,
         {"17.50 kg", "35.00 kg", "105.00 kg"},
         nullptr},
        {"Plate/Sheet", "", {0, 0, 10, 0}, 1.75, {"17.50 kg", "0.00 kg", "0.00 kg"}, nullptr},
        {"Plate/Sheet", "", {2000, 0, 10, 3}, 1.75, {"17.50 kg", "0.00 kg", "0.00 kg"}, nullptr},
        {"Tube", "", {60, 5, 6000, 2}, 8, {"6.91 kg", "41.47 kg", "82.94 kg"}, nullptr},
        {"Tube", "", {60, 5, 6000, 2}, 1.75, {"1.51 kg", "9.07 kg", "18.14 kg"}, nullptr},
        {"Tube", "", {60, 30, 1000, 1}, 1.75, {"4.95 kg", "4.95 kg", "4.95 kg"}, nullptr},
        // A wall past the centre leaves the solid bar of wall 30.
        {"Tube", "", {60, 40, 1000, 1}, 1.75, {"4.95 kg", "4.95 kg", "4.95 kg"}, nullptr},
        {"Tube", "", {60, 70, 1000, 1}, 1.75, {"4.95 kg", "4.95 kg", "4.95 kg"}, nullptr},
        {"Tube", "", {60, 0, 6000, 2}, 8, {"0.00 kg", "0.00 kg", "0.00 kg"}, nullptr},
        {"Hollow Section",
         "",
         {100, 50, 5, 6000, 2},
         8,
         {"11.15 kg", "66.88 kg", "133.76 kg"},
         nullptr},
        {"Hollow Section",
         "",
         {10, 10, 20, 1000, 1},
         8,
         {"0.80 kg", "0.80 kg", "0.80 kg"},
         nullptr},
        {"Hollow Section",
         "",
         {100, 50, 0, 6000, 2},
         8,
         {"0.00 kg", "0.00 kg", "0.00 kg"},
         nullptr},
    };
    const Separators separators;
    for (const PageCase& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " " + c.shape + " at density " +
                     std::to_string(c.density));
        const WeightPageDefinition& page = PageCaptioned(c.page);
        ASSERT_EQ(page.boxes.size(), c.values.size());
        WeightPageModel model(page);
        for (std::size_t box = 0; box < c.values.size(); ++box)
            model.storeValue(box, c.values[box]);
        model.storeShape(ShapeNamed(c.shape));
        model.recalculate(c.density);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(model.resultText(i, separators), c.weights[i]) << "result " << i;
            const std::string weight = c.weights[i];
            EXPECT_EQ(model.copyText(i, separators), weight.substr(0, weight.size() - 3));
        }
        EXPECT_EQ(page.machiningLabelName.empty(), c.machining == nullptr);
        if (c.machining) {
            EXPECT_EQ(model.machiningText(separators), c.machining);
        }
    }
}

// A wall that reaches the centre leaves no hollow: the weight is the solid section's,
// the same from a wall of exactly half on, and the wall box carries a note.
TEST(SectionPagesTest, WallsReachingTheCentreWeighAsTheSolidSection) {
    struct WallCase {
        const char* label;
        const char* page;
        std::vector<double> values;
        const char* perMetre; // at density 8
        std::optional<BoxNote> note;
    };
    const BoxNote bar{1, kSolidBarNote};
    const BoxNote rectangle{2, kSolidRectangleNote};
    const WallCase cases[] = {
        {"tube below half", "Tube", {60.3, 29, 1000, 1}, "22.81 kg", std::nullopt},
        {"tube at half", "Tube", {60.3, 30.15, 1000, 1}, "22.85 kg", bar},
        {"tube past half", "Tube", {60.3, 40, 1000, 1}, "22.85 kg", bar},
        {"round bar of the diameter", "Round", {60.3, 1000, 1}, "22.85 kg", std::nullopt},
        {"section below half", "Hollow Section", {100, 50, 24, 1000, 1}, "38.98 kg", std::nullopt},
        {"section at half", "Hollow Section", {100, 50, 25, 1000, 1}, "39.81 kg", rectangle},
        {"section past half", "Hollow Section", {50, 100, 40, 1000, 1}, "39.81 kg", rectangle},
    };
    for (const WallCase& c : cases) {
        SCOPED_TRACE(c.label);
        WeightPageModel model(PageCaptioned(c.page));
        for (std::size_t box = 0; box < c.values.size(); ++box)
            model.storeValue(box, c.values[box]);
        model.recalculate(8);
        EXPECT_EQ(model.resultText(0, Separators{}), c.perMetre);
        EXPECT_EQ(model.resultText(2, Separators{}), c.perMetre);
        EXPECT_EQ(model.note(), c.note);
    }
}

TEST(SectionPagesTest, ResultsFollowTheRegionalSeparator) {
    WeightPageModel model(PageCaptioned("Flat/Square"));
    for (std::size_t box = 0; box < 4; ++box)
        model.storeValue(box, std::array{50.0, 10.0, 2000.0, 5.0}[box]);
    model.recalculate(1.25);
    const Separators comma{",", "."};
    EXPECT_EQ(model.resultText(0, comma), "0,63 kg");
    EXPECT_EQ(model.copyText(2, comma), "6,25");
    EXPECT_EQ(model.machiningText(comma), "50,99 mm");
}

TEST(SectionPagesTest, EachShapeHasItsOwnBoxesAndShapeChoice) {
    const char* const firstBoxes[] = {"RDiaEdit",    "PAFEdit", "BWidthEdit",
                                      "SLengthEdit", "TODEdit", "HHeightEdit"};
    for (std::size_t i = 0; i < std::size(firstBoxes); ++i) {
        const auto& page = weightPageDefinition(static_cast<WeightShape>(i));
        EXPECT_EQ(page.boxes.front().objectName, firstBoxes[i]);
    }
    const auto& polygon = PageCaptioned("Polygon");
    std::vector<std::string_view> shapeNames;
    for (const PolygonShapeDefinition& shape : polygon.shapes)
        shapeNames.push_back(shape.name);
    EXPECT_EQ(shapeNames, (std::vector<std::string_view>{"Hexagon", "Octagon", "Square", "Decagon",
                                                         "Triangle"}));
}

TEST(PolygonFormulaTest, AreaAndMachiningDiameterPerShape) {
    struct Ratio {
        const char* shape;
        double areaPerAFSquared;
        double diameterPerAF;
    };
    const Ratio ratios[] = {
        {"Triangle", 1.299038, 2.000000}, {"Square", 1.000000, 1.414214},
        {"Hexagon", 0.866025, 1.154701},  {"Octagon", 0.828427, 1.082392},
        {"Decagon", 0.812299, 1.051462},
    };
    const double acrossFlats = 20;
    const std::array<double, 3> values{acrossFlats, 1000, 1};
    for (const Ratio& r : ratios) {
        // At a density of 1000 the weight per metre in kg is the area in mm².
        const WeightResults results =
            calcPolygon({.values = values, .density = 1000, .shape = ShapeNamed(r.shape)});
        EXPECT_NEAR(results.weights[0] / (acrossFlats * acrossFlats), r.areaPerAFSquared, 5e-7)
            << r.shape;
        ASSERT_TRUE(results.machiningDiameter.has_value());
        EXPECT_NEAR(*results.machiningDiameter / acrossFlats, r.diameterPerAF, 5e-7) << r.shape;
    }
}

} // namespace
} // namespace kelvane
