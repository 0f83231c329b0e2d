#include "calculator/CalculatorNumberFormat.h"
#include "calculator/CalculatorTape.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

namespace kelvane {
namespace {

struct FormatCase {
    double value;
    const char* expected;
};

TEST(CalculatorNumberFormatTest, FixedAndScientificForms) {
    const FormatCase cases[] = {
        {0, "0.00"},
        {-0.0, "0.00"},
        {1234.5, "1,234.50"},
        {-0.5, "-0.50"},
        {0.125, "0.13"}, // exactly on the half
        {-0.125, "-0.13"},
        {2.675, "2.67"}, // stored just below the half
        {-0.004, "0.00"},
        {-0.005, "-0.01"}, // stored just above the half
        {0.0025, "0.00"},
        {-1234567.891, "-1,234,567.89"},
        {1234567890123.875, "1,234,567,890,123.90"}, // 14 significant digits leave one decimal
        {12345678901234.0, "12,345,678,901,234.00"},
        {99999999999999.0, "99,999,999,999,999.00"},
        {99999999999999.995, "1E14"}, // rounds up into the scientific range
        {123456789012345.0, "1.2345678901235E14"},
        {1e15, "1E15"},
        {-2.5e20, "-2.5E20"},
        {DBL_MAX, "1.7976931348623E308"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatCalcNumber(c.value, Separators{}), c.expected) << c.value;
}

TEST(CalculatorNumberFormatTest, RegionalSeparators) {
    const Separators swapped{",", "."};
    EXPECT_EQ(formatCalcNumber(1234567.891, swapped), "1.234.567,89");
    EXPECT_EQ(formatCalcNumber(-2.5e20, swapped), "-2,5E20");
    const Separators narrowSpace{",", "\u202F"};
    EXPECT_EQ(formatCalcNumber(1234.5, narrowSpace), "1\u202F234,50");
}

TEST(CalculatorTapeTest, PadsToWidthNeverCutsAndGrowsTheRule) {
    std::vector<std::string> lines;
    CalculatorTape tape([&](const std::string& line) { lines.push_back(line); });
    tape.resetRule();
    EXPECT_EQ(tape.tapeRule(), "-");
    tape.writeOpeningLines("Kelvane", 14);
    tape.addTapeLine("1,234,567.00  =", true, 14);
    tape.addTapeLine("1\u202F234,50 M+", false, 14); // the separator is one character
    const std::vector<std::string> expected = {
        "       Kelvane",  "              ", "--------------",
        "1,234,567.00  =", "--------------", "   1\u202F234,50 M+"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(tape.tapeRule(), "--------------");
}

} // namespace
} // namespace kelvane
