// kelvane-calc --units imperial: dimensions in inches and feet, weights in pounds, for
// the weight commands, length-for, cut and batch; every figure the metric chain's,
// converted.

#include "../weights/ImperialSizes.h"
#include "CalcFixture.h"
#include "common/ResultFormat.h"
#include "weights/CalcShapes.h"

namespace kelvane::testing {
namespace {

using Args = std::vector<std::string>;

TEST_F(CalcTest, ImperialUnitsOnEveryWeighingCommand) {
    struct Case {
        const char* what;
        Args arguments;
        int status;
        std::string out;
        std::string err; // the start of standard error
    };
    const std::vector<Case> cases = {
        {"2\" round x 12' x 4, Acetal's 1.38 used as 1.75",
         {"--units", "imperial", "round", "2", "12'", "4"},
         0,
         "Weight per Foot: 2.38 lb/ft\nWeight per Bar: 28.60 lb\nTotal Weight: 114.41 lb\n",
         ""},
        {"mild steel, JSON keys are the imperial captions",
         {"--units=imperial", "--json", "--material", "Mild Steel", "round", "2", "12'", "4"},
         0,
         R"({"material":"Mild Steel","density":8,"results":{"Weight per Foot":"10.90 lb/ft",)"
         R"("Weight per Bar":"130.75 lb","Total Weight":"523.00 lb"}})"
         "\n",
         ""},
        {"hexagon with its machining diameter in inches",
         {"--units", "imperial", "hexagon", "1.1/2", "12'", "2", "--density", "8"},
         0,
         "Weight per Foot: 6.76 lb/ft\nWeight per Bar: 81.10 lb\nTotal Weight: 162.19 lb\n"
         "Machining Diameter: 1.732 in\n",
         ""},
        {"plate per square foot",
         {"--units", "imperial", "plate", "96", "48", "1/4\"", "2", "--density", "8"},
         0,
         "Weight per Sq. Foot: 10.40 lb/ft\xC2\xB2\nWeight per Sheet/Plate: 332.95 lb\n"
         "Total Weight: 665.90 lb\n",
         ""},
        {"metric is the default and can be named",
         {"--units", "metric", "round", "50", "3000", "4"},
         0,
         "Weight per Metre: 3.44 kg\nWeight per Bar: 10.31 kg\nTotal Weight: 41.23 kg\n",
         ""},
        // 1" x 1" at 8: 5.16128 kg/m; 10 lb = 4.5359237 kg, so 0.878838 m = 34.59988 in.
        {"length-for takes pounds and answers inches",
         {"--units", "imperial", "length-for", "10", "flat", "1", "1", "--density", "8"},
         0,
         "Length: 34.6 in\n",
         ""},
        // 19 × 12 + 19 × 1/8 = 230.375 of 240; 2" round at 8 weighs 10.8957 lb/ft, so the
        // offcut of 9.625" weighs 8.739 lb and 40 pieces 435.83 lb.
        {"cut in inches, feet accepted",
         {"--units", "imperial", "cut", "20'", "12", "--kerf", "1/8", "--pieces", "40", "round",
          "2", "--density", "8"},
         0,
         "Pieces per Bar: 19\nOffcut Length: 9.625 in\nBars Needed: 3\nPiece Weight: 10.90 lb\n"
         "Offcut Weight: 8.74 lb\nOrder Weight: 435.83 lb\n",
         ""},
        {"decimal feet are not in the notation",
         {"--units", "imperial", "round", "2", "12.5'"},
         1,
         "",
         "length: '12.5'' is not in inches and feet (2, 1.1/4, 3/16\", 12'6\")"},
        {"a piece longer than the bar, in inches",
         {"--units", "imperial", "cut", "1'", "13"},
         1,
         "",
         "A piece of 13 in is longer than the bar of 12 in"},
        {"unknown units",
         {"--units", "furlongs", "round", "2", "1"},
         2,
         "",
         "--units is metric or imperial"},
        {"units on a page without weights",
         {"--units", "imperial", "convert", "1"},
         2,
         "",
         "--units is an option of the weight commands"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CalcRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err) << result.err;
    }
}

TEST_F(CalcTest, ImperialBatchForTheWholeFile) {
    const CalcRun result =
        run({"batch", "--units", "imperial", "--density", "8"}, "shape,diameter,length,quantity\r\n"
                                                                "round,2,12',4\r\n"
                                                                "round,\"1'\"\"\",\"20'\",\r\n"
                                                                "round,2x,1,\r\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "shape,diameter,length,quantity,Weight per Foot,Weight per Bar,"
                          "Total Weight,Machining Diameter,Weight per Sq. Foot,"
                          "Weight per Sheet/Plate\n"
                          "round,2,12',4,10.90 lb/ft,130.75 lb,523.00 lb,,,\n"
                          "round,\"1'\"\"\",20',,392.25 lb/ft,7844.93 lb,7844.93 lb,,,\n"
                          "round,2x,1,,,,,,,\n");
    EXPECT_EQ(result.err, "line 4, column 2 (diameter): '2x' is not in inches and feet "
                          "(2, 1.1/4, 3/16\", 12'6\")\n");
}

// Seeded random stock in inches and feet through the program, against the metric
// chain of the core fed the same stock in millimetres, converted to pounds here.
TEST_F(CalcTest, ImperialFiguresAreTheMetricFiguresConverted) {
    std::mt19937 random(20261209);
    for (const char* name : {"round", "hexagon", "triangle", "flat", "plate", "tube", "hollow"}) {
        const CalcShape& shape = *findShape(name);
        const WeightPageDefinition& definition = weightPageDefinition(shape.page);
        for (int i = 0; i < 200; ++i) {
            Args arguments = {"--units", "imperial", "--density", "7.85", name};
            std::vector<double> millimetres;
            for (std::size_t box = 0; box < shape.inputs.size(); ++box) {
                if (box == shape.quantityInput) {
                    const unsigned quantity = 1 + random() % 50;
                    arguments.push_back(std::to_string(quantity));
                    millimetres.push_back(quantity);
                    continue;
                }
                const ImperialSize size = randomImperialSize(random, box == shape.lengthInput);
                arguments.push_back(size.text);
                millimetres.push_back(static_cast<double>(size.inches * 25.4L));
            }
            const WeightResults metric =
                definition.calculate({millimetres, 7.85, shape.polygonShape});
            const long double perFoot = weighedPerArea(definition) ? 0.3048L * 0.3048L : 0.3048L;
            const Separators point{".", ""};
            const auto pounds = [&](long double value) {
                return formatResult(static_cast<double>(value), "", point);
            };
            std::string expected;
            WeightPageModel labels(definition);
            labels.setUnits(Units::Imperial);
            const char* perLength = weighedPerArea(definition) ? " lb/ft\xC2\xB2\n" : " lb/ft\n";
            expected += std::string(labels.resultCaption(0)) + ": " +
                        pounds(metric.weights[0] * perFoot / 0.45359237L) + perLength;
            for (std::size_t r = 1; r < 3; ++r)
                expected += std::string(labels.resultCaption(r)) + ": " +
                            pounds(metric.weights[r] / 0.45359237L) + " lb\n";
            if (metric.machiningDiameter)
                expected += "Machining Diameter: " +
                            formatResult(static_cast<double>(*metric.machiningDiameter / 25.4L),
                                         " in\n", point, 3);
            std::string typed;
            for (const std::string& argument : arguments)
                typed += argument + " ";
            SCOPED_TRACE(typed);
            const CalcRun result = run(arguments);
            ASSERT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(result.out, expected);
        }
    }
}

} // namespace
} // namespace kelvane::testing
