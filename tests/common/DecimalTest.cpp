#include "common/Decimal.h"
#include "common/KelvaneError.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

struct FixedCase {
    long double value;
    int significant;
    int decimals;
    const char* thousands;
    const char* expected;
};

TEST(DecimalTest, RoundsHalfAwayFromZeroOnEighteenDigits) {
    const FixedCase cases[] = {
        {0.125L, 7, 2, "", "0.13"},
        {0.625L, 7, 2, "", "0.63"},
        {-0.125L, 7, 2, "", "-0.13"},
        {-0.004L, 7, 2, "", "0.00"},
        {0.0875L, 18, 3, "", "0.088"},
        {41.2334L, 7, 2, "", "41.23"},
        {123456.789L, 7, 2, "", "123456.80"},
        {999.995L, 7, 2, "", "1000.00"},
        {1234567.891L, 14, 2, ",", "1,234,567.89"},
        {0, 7, 2, ",", "0.00"},
    };
    for (const auto& c : cases) {
        const auto rounded =
            roundHalfAwayFromZero(decimalOf(c.value, 18), c.significant, c.decimals);
        EXPECT_EQ(fixedText(rounded, c.decimals, ".", c.thousands), c.expected)
            << static_cast<double>(c.value);
    }
}

TEST(DecimalTest, ExactExpansionSeesBelowTheHalf) {
    // 2.675 is stored just below the half, 0.125 exactly on it.
    EXPECT_EQ(fixedText(roundHalfAwayFromZero(exactDecimalOf(2.675), 14, 2), 2, "."), "2.67");
    EXPECT_EQ(fixedText(roundHalfAwayFromZero(exactDecimalOf(0.125), 14, 2), 2, "."), "0.13");
}

TEST(DecimalTest, scientificText) {
    EXPECT_EQ(scientificText(roundHalfAwayFromZero(decimalOf(12345678.9L, 18), 7, 2), "."),
              "1.234568E07");
    EXPECT_EQ(scientificText(decimalOf(20000000.0L, 18), "."), "2E07");
    EXPECT_EQ(scientificText(decimalOf(-2.5e20L, 18), ","), "-2,5E20");
    EXPECT_EQ(scientificText(decimalOf(1.5e-7L, 18), "."), "1.5E-07");
}

TEST(KelvaneErrorTest, FullStopRule) {
    EXPECT_EQ(withFullStop("No such file or directory"), "No such file or directory.");
    EXPECT_EQ(withFullStop("Done."), "Done.");
    EXPECT_EQ(withFullStop("Can't access URL \"x\""), "Can't access URL \"x\"");
    EXPECT_EQ(withFullStop(""), "");
}

} // namespace
} // namespace kelvane
