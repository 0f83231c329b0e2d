// The weight pages in inches and pounds: the notation read into millimetres, the
// metric formulas, then pounds; against figures worked out here from the exact
// definitions (1 in = 25.4 mm, 1 ft = 304.8 mm, 1 lb = 0.45359237 kg).

#include "ImperialSizes.h"
#include "common/ResultFormat.h"
#include "convert/ImperialUnits.h"
#include "materials/MaterialState.h"
#include "weights/WeightPageModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kelvane {
namespace {

using Extended = long double;

const Separators kPoint{".", ","};
constexpr Extended kInch = 25.4L;        // mm
constexpr Extended kFoot = 0.3048L;      // m
constexpr Extended kPound = 0.45359237L; // kg
constexpr Extended kPi = 3.141592653589793238462643383279502884L;

TEST(ImperialUnitsTest, ReadsTheNotationAsInches) {
    struct Case {
        const char* text;
        std::optional<double> inches;
    };
    const Case cases[] = {
        {"2", 2},
        {"1.5", 1.5},
        {"1.1/4", 1.25},
        {"3/16", 0.1875},
        {"3/16\"", 0.1875},
        {"12'", 144},
        {"12'6\"", 150},
        {"12'6", 150},
        {"20'", 240},
        {"5'1.5", 61.5},
        {"12'3/4\"", 144.75},
        {"1.", 1},
        {" 2 ", 2}, // blanks around it, as around a number
        // Not in the notation: nothing, never a guess.
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"-2", std::nullopt},
        {"12.5'", std::nullopt},
        {"3/", std::nullopt},
        {"1/0", std::nullopt},
        {"2 in", std::nullopt},
        {"2\"3", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readInches(c.text), c.inches);
    }
}

// One stock of the reference table: the boxes as typed, and the figures worked out
// from the inches by the section's own geometry, in kg per metre (per square metre
// for a plate), kg per piece, and the machining diameter in inches.
struct Stock {
    const char* what;
    WeightShape page;
    PolygonShape shape;
    std::vector<const char*> boxes;
    std::function<std::vector<Extended>(Extended density)> figures;
};

// kg per metre from a section in square inches.
Extended perMetre(Extended squareInches, Extended density) {
    return squareInches * kInch * kInch * density / 1000;
}

std::vector<Stock> referenceStock() {
    const Extended bar12 = 12 * 12 * kInch / 1000; // a 12' bar in metres
    return {
        {"2\" round x 12' x 4",
         WeightShape::Round,
         PolygonShape::Hexagon,
         {"2", "12'", "4"},
         [=](Extended d) {
             const Extended m = perMetre(kPi * 1 * 1, d);
             return std::vector<Extended>{m, m * bar12, m * bar12 * 4};
         }},
        {"1/4\" plate 96\" x 48\" x 2",
         WeightShape::PlateSheet,
         PolygonShape::Hexagon,
         {"96", "48", "1/4\"", "2"},
         [=](Extended d) {
             const Extended m2 = 0.25L * kInch * d;
             const Extended sheet = m2 * (96 * kInch / 1000) * (48 * kInch / 1000);
             return std::vector<Extended>{m2, sheet, sheet * 2};
         }},
        {"2\" x 1/2\" flat x 20' x 3",
         WeightShape::FlatSquare,
         PolygonShape::Hexagon,
         {"2", "1/2\"", "20'", "3"},
         [=](Extended d) {
             const Extended m = perMetre(2 * 0.5L, d);
             const Extended bar = m * (240 * kInch / 1000);
             return std::vector<Extended>{m, bar, bar * 3, std::sqrt(2 * 2 + 0.5L * 0.5L)};
         }},
        {"1.1/2\" hexagon x 12' x 2",
         WeightShape::Polygon,
         PolygonShape::Hexagon,
         {"1.1/2", "12'", "2"},
         [=](Extended d) {
             const Extended m = perMetre(std::sqrt(3.0L) / 2 * 1.5L * 1.5L, d);
             return std::vector<Extended>{m, m * bar12, m * bar12 * 2, 1.5L * 2 / std::sqrt(3.0L)};
         }},
        {"tube 2.375\" x 0.154\" x 21' x 2",
         WeightShape::Tube,
         PolygonShape::Hexagon,
         {"2.375", "0.154", "21'", "2"},
         [=](Extended d) {
             const Extended bore = 2.375L - 2 * 0.154L;
             const Extended m = perMetre(kPi / 4 * (2.375L * 2.375L - bore * bore), d);
             const Extended bar = m * (252 * kInch / 1000);
             return std::vector<Extended>{m, bar, bar * 2};
         }},
    };
}

// The texts the reference figures give in pounds: lb per foot (per square foot),
// lb per piece and in total, inches with three decimals.
std::vector<std::string> poundTexts(const std::vector<Extended>& f, bool perArea) {
    const auto text = [](Extended value, const char* suffix, int decimals = 2) {
        return formatResult(static_cast<double>(value), suffix, kPoint, decimals);
    };
    std::vector<std::string> texts = {perArea
                                          ? text(f[0] * kFoot * kFoot / kPound, " lb/ft\xC2\xB2")
                                          : text(f[0] * kFoot / kPound, " lb/ft"),
                                      text(f[1] / kPound, " lb"), text(f[2] / kPound, " lb")};
    if (f.size() > 3)
        texts.push_back(text(f[3], " in", 3));
    return texts;
}

TEST(ImperialWeightsTest, ReferenceStockInSteelAndPlasticWithRoundingOnAndOff) {
    // Each stock's expected texts, one row per density: Mild Steel 7.85 rounded to 8 and
    // as read, Acetal 1.41 rounded to 1.75 and as read.
    const double densities[] = {commercialDensity(7.85), 7.85, commercialDensity(1.41), 1.41};
    const std::vector<std::vector<std::vector<std::string>>> expected = {
        {{"10.90 lb/ft", "130.75 lb", "523.00 lb"},
         {"10.69 lb/ft", "128.30 lb", "513.19 lb"},
         {"2.38 lb/ft", "28.60 lb", "114.41 lb"},
         {"1.92 lb/ft", "23.04 lb", "92.18 lb"}},
        {{"10.40 lb/ft\xC2\xB2", "332.95 lb", "665.90 lb"},
         {"10.21 lb/ft\xC2\xB2", "326.71 lb", "653.41 lb"},
         {"2.28 lb/ft\xC2\xB2", "72.83 lb", "145.67 lb"},
         {"1.83 lb/ft\xC2\xB2", "58.68 lb", "117.36 lb"}},
        {{"3.47 lb/ft", "69.36 lb", "208.09 lb", "2.062 in"},
         {"3.40 lb/ft", "68.06 lb", "204.19 lb", "2.062 in"},
         {"0.76 lb/ft", "15.17 lb", "45.52 lb", "2.062 in"},
         {"0.61 lb/ft", "12.23 lb", "36.68 lb", "2.062 in"}},
        {{"6.76 lb/ft", "81.10 lb", "162.19 lb", "1.732 in"},
         {"6.63 lb/ft", "79.58 lb", "159.15 lb", "1.732 in"},
         {"1.48 lb/ft", "17.74 lb", "35.48 lb", "1.732 in"},
         {"1.19 lb/ft", "14.29 lb", "28.59 lb", "1.732 in"}},
        {{"3.73 lb/ft", "78.26 lb", "156.52 lb"},
         {"3.66 lb/ft", "76.79 lb", "153.59 lb"},
         {"0.82 lb/ft", "17.12 lb", "34.24 lb"},
         {"0.66 lb/ft", "13.79 lb", "27.59 lb"}},
    };
    const std::vector<Stock> stock = referenceStock();
    for (std::size_t s = 0; s < stock.size(); ++s) {
        for (std::size_t d = 0; d < std::size(densities); ++d) {
            SCOPED_TRACE(std::string(stock[s].what) + " at " + std::to_string(densities[d]));
            WeightPageModel model(weightPageDefinition(stock[s].page));
            model.setUnits(Units::Imperial);
            for (std::size_t box = 0; box < stock[s].boxes.size(); ++box)
                model.storeText(box, stock[s].boxes[box], kPoint);
            model.storeShape(stock[s].shape);
            model.recalculate(densities[d]);
            std::vector<std::string> shown;
            for (const CaptionedText& text : model.resultTexts(kPoint))
                shown.push_back(text.text);
            const bool perArea = stock[s].page == WeightShape::PlateSheet;
            EXPECT_EQ(poundTexts(stock[s].figures(densities[d]), perArea), expected[s][d]);
            EXPECT_EQ(shown, expected[s][d]);
        }
    }
}

TEST(ImperialWeightsTest, CaptionsHeadingAndCopyFollowTheUnits) {
    WeightPageModel sheet(weightPageDefinition(WeightShape::PlateSheet));
    WeightPageModel round(weightPageDefinition(WeightShape::Round));
    for (WeightPageModel* model : {&sheet, &round}) {
        model->setUnits(Units::Imperial);
        model->storeText(0, "96", kPoint);
        model->storeText(1, "48", kPoint);
        model->storeText(2, "1/4", kPoint);
        model->recalculate(8);
    }
    EXPECT_EQ(sheet.resultCaption(0), "Weight per Sq. Foot");
    EXPECT_EQ(round.resultCaption(0), "Weight per Foot");
    EXPECT_EQ(round.resultCaption(1), "Weight per Bar");
    EXPECT_EQ(sheet.copyText(0, kPoint), "10.40");     // the number in pounds, no unit
    EXPECT_EQ(round.resultText(2, kPoint), "0.00 lb"); // the quantity "1/4" is no number
    EXPECT_EQ(dimensionsHeading(Units::Imperial),
              "Enter all dimensions in inches (in); feet with '");
    // A dimension admits the notation's keys, the quantity the number keys only.
    EXPECT_EQ(round.typedKey(1, U'\'', "12", kPoint), U'\'');
    EXPECT_EQ(round.typedKey(2, U'\'', "12", kPoint), std::nullopt);
    // In a comma locale the separator key types the notation's point.
    EXPECT_EQ(round.typedKey(0, U',', "1", Separators{.decimal = ",", .thousands = "."}), U'.');
    round.setUnits(Units::Metric);
    EXPECT_EQ(round.resultCaption(0), "Weight per Metre");
    EXPECT_EQ(round.resultText(0, kPoint), formatResult(round.result(0), " kg", kPoint));
    EXPECT_EQ(dimensionsHeading(Units::Metric), kDimensionsHeading);
}

// Every imperial text equals the metric page's figure for the same stock in
// millimetres, converted to pounds here, to the cent.
TEST(ImperialWeightsTest, EveryFigureIsTheMetricFigureConverted) {
    std::mt19937 random(20261209);
    const double densities[] = {8, 7.85, 1.75, 1.41, 2.75};
    for (const WeightShape page : kWeightShapes) {
        const WeightPageDefinition& definition = weightPageDefinition(page);
        for (int i = 0; i < 300; ++i) {
            WeightPageModel imperial(definition);
            imperial.setUnits(Units::Imperial);
            std::vector<double> millimetres; // the metric page's values
            std::string typed;
            for (std::size_t box = 0; box < definition.boxes.size(); ++box) {
                testing::ImperialSize size{std::to_string(1 + random() % 20), 0};
                size.inches = std::stod(size.text); // a quantity is a count
                const bool length =
                    definition.boxes[box].caption.find("Length") != std::string_view::npos;
                if (!imperial.isQuantityBox(box))
                    size = testing::randomImperialSize(random, length);
                typed += size.text + " ";
                imperial.storeText(box, size.text, kPoint);
                millimetres.push_back(imperial.isQuantityBox(box)
                                          ? size.inches
                                          : static_cast<double>(size.inches * kInch));
            }
            const double density = densities[random() % std::size(densities)];
            const PolygonShape shape =
                definition.shapes.empty()
                    ? PolygonShape::Hexagon
                    : definition.shapes[random() % definition.shapes.size()].shape;
            imperial.storeShape(shape);
            imperial.recalculate(density);
            const WeightResults metric = definition.calculate({millimetres, density, shape});
            SCOPED_TRACE(typed + std::string(polygonShapeDefinition(shape).name) + " at " +
                         std::to_string(density));
            const Extended perFoot = page == WeightShape::PlateSheet ? kFoot * kFoot : kFoot;
            std::vector<Extended> figures = {metric.weights[0] * perFoot / kPound,
                                             metric.weights[1] / kPound,
                                             metric.weights[2] / kPound};
            if (metric.machiningDiameter)
                figures.push_back(*metric.machiningDiameter / kInch);
            const auto texts = imperial.resultTexts(kPoint);
            ASSERT_EQ(texts.size(), figures.size());
            for (std::size_t r = 0; r < figures.size(); ++r)
                EXPECT_EQ(texts[r].text.substr(0, texts[r].text.find(' ')),
                          formatResult(static_cast<double>(figures[r]), "", kPoint, r < 3 ? 2 : 3));
        }
    }
}

} // namespace
} // namespace kelvane
