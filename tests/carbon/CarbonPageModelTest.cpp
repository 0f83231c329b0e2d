#include "carbon/CarbonPageModel.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

// 0.60 % of one element alone, in the page's order: each box must feed its own term.
TEST(CarbonPageModelTest, EachBoxFeedsItsOwnElement) {
    struct Case {
        const char* element;
        const char* text;
        int position;
    };
    const Case cases[] = {
        {"Carbon", "0.60", 4},     {"Manganese", "0.10", 0}, {"Chromium", "0.12", 0},
        {"Molybdenum", "0.12", 0}, {"Vanadium", "0.12", 0},  {"Copper", "0.04", 0},
        {"Nickel", "0.04", 0},
    };
    ASSERT_EQ(std::size(cases), kElements.size());
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        SCOPED_TRACE(cases[i].element);
        EXPECT_EQ(kElements[i].caption, cases[i].element);
        CarbonPageModel model;
        model.storeContent(i, 0.60);
        EXPECT_EQ(model.cevText(Separators{}), cases[i].text);
        EXPECT_EQ(model.bandPosition(), cases[i].position);
    }
}

TEST(CarbonPageModelTest, KeepsEveryContentAsStored) {
    CarbonPageModel model;
    EXPECT_EQ(model.cevText(Separators{}), "0.00");
    model.storeContent(0, 0.20);
    model.storeContent(1, 1.00);
    EXPECT_EQ(model.cevText(Separators{",", "."}), "0,37");
    model.storeContent(1, 0);
    EXPECT_EQ(model.cevText(Separators{}), "0.20");
}

} // namespace
} // namespace kelvane
