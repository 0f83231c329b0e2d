#include "common/NumberEntry.h"
#include "common/ResultFormat.h"
#include "materials/MaterialState.h"
#include "weights/WeightPageModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kelvane {
namespace {

const Separators kPoint{".", ","};
const Separators kComma{",", "."};

TEST(FormatResultTest, TwoDecimalsSevenDigitsAndTheScientificSwitch) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0, "0.00"},
        {0.125, "0.13"}, // exact halves go away from zero, never to even
        {0.625, "0.63"},
        {0.875, "0.88"},
        {-0.125, "-0.13"},
        {41.2334, "41.23"},
        {123456.789, "123456.80"},
        {1234567.891, "1234568.00"},
        {999999.995, "1000000.00"},
        {9999999.49, "9999999.00"},
        {9999999.994, "1E07"}, // seven significant digits leave no decimals here
        {9999999.995, "1E07"},
        {12345678.9, "1.234568E07"},
        {20000000, "2E07"},
        {-12345678.9, "-1.234568E07"},
        {1e300, "1E300"},
        {-0.004, "0.00"}, // a negative value rounding to zero shows no sign
        {-0.005, "-0.01"},
        {2.675, "2.67"}, // 2.67499999999999982 on 18 digits: below the half
        // 1000.00499999999999545 is 1000.00500000000000 on 18 digits: a half, so up.
        {1000.005, "1000.01"},
        {1000.255, "1000.26"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatResult(c.value, "", kPoint), c.expected) << c.value;
}

TEST(FormatResultTest, SuffixAndRegionalSeparator) {
    EXPECT_EQ(formatResult(41.2334, " kg", kPoint), "41.23 kg");
    EXPECT_EQ(formatResult(50.990195, " mm", kComma), "50,99 mm");
    EXPECT_EQ(formatResult(12345678.9, " kg", kComma), "1,234568E07 kg");
    EXPECT_EQ(formatResult(std::numeric_limits<double>::infinity(), " kg", kPoint), "0.00 kg");
}

TEST(ParseEditValueTest, WholeTextIsOneNumberOrZero) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},          {"50", 50}, {"5.", 5},  {".5", 0.5},   {".", 0},
        {" 12.5 ", 12.5}, {"+3", 3},  {"-3", -3}, {"1e3", 1000}, {"1.5E-2", 0.015},
        {"1.2.3", 0},     {"abc", 0}, {"12a", 0}, {"1e", 0},     {"e5", 0},
        {"--1", 0},       {"1 2", 0}, {"1,5", 0}, {"1e400", 0},  {"1e-400", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseEditValue(c.text, kPoint), c.expected) << c.text;
    const std::string hugeNumber(400, '9');
    EXPECT_EQ(parseEditValue(hugeNumber, kPoint), 0);
}

TEST(ParseEditValueTest, CommaLocaleTakesEitherPoint) {
    EXPECT_EQ(parseEditValue("12.5", kComma), 12.5);
    EXPECT_EQ(parseEditValue("12,5", kComma), 12.5);
    EXPECT_EQ(parseEditValue("1,2.3", kComma), 0);
    EXPECT_EQ(parseEditValue("12,5", kPoint), 0);
}

TEST(NumberKeyFilterTest, AdmitsOnlyNumberKeys) {
    for (const char32_t code : {U'0', U'9', U'.', char32_t{8}, char32_t{13}, char32_t{127}})
        EXPECT_TRUE(numberKeyAdmitted(code, kPoint)) << static_cast<int>(code);
    for (const char32_t code : {U'a', U'-', U',', U' ', U'+', U'e', char32_t{22}, char32_t{1}})
        EXPECT_FALSE(numberKeyAdmitted(code, kPoint)) << static_cast<int>(code);
    EXPECT_TRUE(numberKeyAdmitted(U',', kComma));
    EXPECT_TRUE(numberKeyAdmitted(U'\u066B', Separators{"\u066B", ""}));
}

TEST(CommercialDensityTest, NearestQuarterThenOneUpWithHalvesToEven) {
    struct Case {
        double density;
        double expected;
    };
    const Case cases[] = {
        {1.38, 1.75}, {1.2, 1.5},   {0.95, 1.25}, {2.7, 3},   {7.85, 8},  {1.41, 1.75}, {2, 2.25},
        {1.14, 1.5},  {1.125, 1.5}, {1.375, 1.5}, {1.625, 2}, {1.875, 2}, {0, 0.25},    {-1, -0.75},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commercialDensity(c.density), c.expected) << c.density;
}

TEST(FormatGeneralTest, ShortestFormUpToFifteenDigits) {
    EXPECT_EQ(formatGeneral(1.75, kPoint), "1.75");
    EXPECT_EQ(formatGeneral(8, kPoint), "8");
    EXPECT_EQ(formatGeneral(1.5, kComma), "1,5");
    EXPECT_EQ(formatGeneral(0, kPoint), "0");
    EXPECT_EQ(formatGeneral(0.1 + 0.2, kPoint), "0.3");
    EXPECT_EQ(formatGeneral(7850, kPoint), "7850");
    EXPECT_EQ(formatGeneral(1e20, kPoint), "1E20");
}

TEST(RoundPageTest, WeightsPerMetreBarAndQuantity) {
    struct Case {
        double dia, length, qty, density;
        const char* perMetre;
        const char* perBar;
        const char* total;
    };
    const Case cases[] = {
        {50, 3000, 4, 1.75, "3.44 kg", "10.31 kg", "41.23 kg"},
        {50, 3000, 4, 8, "15.71 kg", "47.12 kg", "188.50 kg"},
        {50, 0, 4, 1.75, "3.44 kg", "0.00 kg", "0.00 kg"},
        {50, 3000, 2.5, 1.75, "3.44 kg", "10.31 kg", "25.77 kg"},
        {0, 3000, 4, 1.75, "0.00 kg", "0.00 kg", "0.00 kg"},
        {50, 3000, 4, 0, "0.00 kg", "0.00 kg", "0.00 kg"},
    };
    const WeightPageDefinition& round = weightPageDefinition(WeightShape::Round);
    ASSERT_EQ(round.boxes.front().objectName, "RDiaEdit");
    for (const Case& c : cases) {
        WeightPageModel page(round);
        page.storeValue(0, c.dia);
        page.storeValue(1, c.length);
        page.storeValue(2, c.qty);
        page.recalculate(c.density);
        EXPECT_EQ(page.resultText(0, kPoint), c.perMetre);
        EXPECT_EQ(page.resultText(1, kPoint), c.perBar);
        EXPECT_EQ(page.resultText(2, kPoint), c.total);
    }
}

TEST(RoundPageTest, CopyTextIsTheStoredResultWithoutUnit) {
    WeightPageModel page(weightPageDefinition(WeightShape::Round));
    page.storeValue(0, 50);
    page.storeValue(1, 3000);
    page.storeValue(2, 4);
    page.recalculate(1.75);
    EXPECT_EQ(page.copyText(2, kPoint), "41.23");
    EXPECT_EQ(page.copyText(2, kComma), "41,23");
    EXPECT_DOUBLE_EQ(page.result(2), page.result(1) * 4);
}

} // namespace
} // namespace kelvane
