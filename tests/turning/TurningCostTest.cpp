#include "turning/TurningCost.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

constexpr CostBasis kTonne = CostBasis::Tonne;
constexpr CostBasis kLump = CostBasis::LumpSum;

struct TurningCase {
    const char* name;
    TurningInputs inputs;
    double density;
    TurningTexts expected;
};

void ExpectTexts(const TurningTexts& actual, const TurningTexts& expected) {
    EXPECT_EQ(actual.feedPerMetre, expected.feedPerMetre);
    EXPECT_EQ(actual.feedPerBar, expected.feedPerBar);
    EXPECT_EQ(actual.feedTotal, expected.feedTotal);
    EXPECT_EQ(actual.producedPerMetre, expected.producedPerMetre);
    EXPECT_EQ(actual.totalCost, expected.totalCost);
    EXPECT_EQ(actual.productionLoss, expected.productionLoss);
    EXPECT_EQ(actual.producedCost, expected.producedCost);
}

TEST(TurningCostTest, CostsTheTurnedBars) {
    // Feedstock 50 mm × 3000 mm × 10 bars at density 1.25 throughout.
    const TurningCase cases[] = {
        {"stock per tonne, turning lump sum",
         {50, 3000, 10, 800, kTonne, 150, kLump, 45},
         1.25,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "1.99 kg/m", "Total Cost 208.90",
          "Production loss 19.00%", "3502.70"}},
        {"both per tonne of feedstock",
         {50, 3000, 10, 800, kTonne, 150, kTonne, 45},
         1.25,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "1.99 kg/m", "Total Cost 69.95",
          "Production loss 19.00%", "1172.84"}},
        {"both lump sums",
         {50, 3000, 10, 800, kLump, 150, kLump, 45},
         1.25,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "1.99 kg/m", "Total Cost 950.00",
          "Production loss 19.00%", "15928.59"}},
        {"zero costs on either basis",
         {50, 3000, 10, 0, kLump, 0, kTonne, 45},
         1.25,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "1.99 kg/m", "Total Cost 0.00",
          "Production loss 19.00%", "0.00"}},
        {"no produced diameter",
         {50, 3000, 10, 800, kTonne, 150, kLump, 0},
         1.25,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "0.00 kg/m", "Total Cost 208.90",
          "Production loss 0.00%", "0.00"}},
        {"no quantity",
         {50, 3000, 0, 800, kTonne, 150, kLump, 45},
         1.25,
         {"2.45 kg/m", "7.36 kg", "0.00 kg", "1.99 kg/m", "Total Cost 150.00",
          "Production loss 0.00%", "0.00"}},
        {"no length",
         {50, 0, 10, 800, kTonne, 150, kLump, 45},
         1.25,
         {"2.45 kg/m", "0.00 kg", "0.00 kg", "1.99 kg/m", "Total Cost 150.00",
          "Production loss 0.00%", "0.00"}},
        {"a fractional quantity",
         {50, 3000, 2.5, 800, kTonne, 150, kLump, 45},
         1.25,
         {"2.45 kg/m", "7.36 kg", "18.41 kg", "1.99 kg/m", "Total Cost 164.73",
          "Production loss 19.00%", "11047.82"}},
        {"produced diameter above the feedstock",
         {50, 3000, 10, 800, kTonne, 150, kLump, 55},
         1.25,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "2.97 kg/m", "Total Cost 208.90",
          "Production loss -21.00%", "2344.78"}},
        {"density 0",
         {50, 3000, 10, 800, kTonne, 150, kLump, 45},
         0,
         {"0.00 kg/m", "0.00 kg", "0.00 kg", "0.00 kg/m", "Total Cost 150.00",
          "Production loss 0.00%", "0.00"}},
        {"nothing entered",
         {},
         1.25,
         {"0.00 kg/m", "0.00 kg", "0.00 kg", "0.00 kg/m", "Total Cost 0.00",
          "Production loss 0.00%", "0.00"}},
    };
    const Separators separators;
    for (const TurningCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TurningResults results = calcTurned(c.inputs, c.density, separators);
        ExpectTexts(results.texts, c.expected);
        EXPECT_EQ(turningCopyText(results, separators), c.expected.producedCost);
    }
}

TEST(TurningCostTest, KeepsTheFiguresBehindTheTexts) {
    const TurningResults r =
        calcTurned({50, 3000, 10, 800, kTonne, 150, kLump, 45}, 1.25, Separators{});
    EXPECT_NEAR(r.stockCostTotal, 58.9049, 1e-4);
    EXPECT_EQ(r.turningCostTotal, 150);
    EXPECT_NEAR(r.producedTotal, 59.6412, 1e-4);
    EXPECT_NEAR(r.productionLoss, 19.0, 1e-12);
    EXPECT_NEAR(r.producedCostPerTonne, 3502.6954, 1e-4);
}

TEST(TurningCostTest, StartTextsAndRegionalSeparator) {
    ExpectTexts(turningStartTexts(Separators{}), {"0.00 kg/m", "0.00 kg", "0.00 kg", "0.00 kg/m",
                                                  "Total Cost", "Production loss 0.00%", "0.00"});

    const Separators comma{",", "."};
    const TurningResults r = calcTurned({50, 3000, 10, 800, kTonne, 150, kLump, 45}, 1.25, comma);
    ExpectTexts(r.texts, {"2,45 kg/m", "7,36 kg", "73,63 kg", "1,99 kg/m", "Total Cost 208,90",
                          "Production loss 19,00%", "3502,70"});
    EXPECT_EQ(turningCopyText(r, comma), "3502,70");
}

} // namespace
} // namespace kelvane
