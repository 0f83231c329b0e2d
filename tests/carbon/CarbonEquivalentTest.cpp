#include "carbon/CarbonEquivalent.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

struct CarbonCase {
    ElementContents contents; // C, Mn, Cr, Mo, V, Cu, Ni
    const char* text;
    int position;
};

TEST(CarbonEquivalentTest, ValueTextAndBand) {
    const CarbonCase cases[] = {
        {{}, "0.00", 0},
        {{0.20, 1.00}, "0.37", 1},
        {{0.18, 1.40, 0.10, 0.05, 0.05, 0.30, 0.15}, "0.48", 3},
        {{0.60}, "0.60", 4},
        {{0.43}, "0.43", 2},
        // Between the labelled bands: each goes to the band above the limit it passed.
        {{0.358}, "0.36", 1},
        {{0.405}, "0.41", 2},
        {{0.455}, "0.46", 3},
        {{0.505}, "0.51", 4},
        // A typed limit stays in the band it closes.
        {{0.35}, "0.35", 0},
        {{0.40}, "0.40", 1},
        {{0.45}, "0.45", 2},
        {{0.50}, "0.50", 3},
        {{0.51}, "0.51", 4},
    };
    const Separators separators;
    for (const CarbonCase& c : cases) {
        const double cev = calcCev(c.contents);
        SCOPED_TRACE(cev);
        EXPECT_EQ(carbonEquivalentText(cev, separators), c.text);
        EXPECT_EQ(carbonBandPosition(cev), c.position);
    }
    EXPECT_EQ(carbonEquivalentText(calcCev({0.20, 1.00}), Separators{",", "."}), "0,37");
}

TEST(CarbonEquivalentTest, EachElementCarriesItsOwnDivisor) {
    const double divisors[] = {1, 6, 5, 5, 5, 15, 15};
    static_assert(std::size(divisors) == kElements.size());
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        ElementContents contents{};
        contents[i] = 0.3;
        EXPECT_NEAR(calcCev(contents), 0.3 / divisors[i], 1e-15) << kElements[i].symbol;
    }
}

} // namespace
} // namespace kelvane
