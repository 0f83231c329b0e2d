#include "materials/MaterialFinder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

TEST(MaterialFinderTest, FindsAnyPartOfANameWithoutRegardToCase) {
    const MaterialFinder finder(
        {"Acetal", "Mild Steel", "Nylon 6", "Stainless 316", "\xC3\x84thylen", "PA 6.6"});
    struct Case {
        const char* part;
        std::vector<std::size_t> found;
    };
    const Case cases[] = {
        {"", {0, 1, 2, 3, 4, 5}}, {"steel", {1}},   {"STEEL", {1}},
        {"st", {1, 3}},           {"6", {2, 3, 5}}, {"6.6", {5}},
        {"\xC3\xA4th", {4}},      {"s 3", {3}},     {"nothing", {}},
        {"Acetal and more", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.part);
        EXPECT_EQ(finder.find(c.part), c.found);
    }
    EXPECT_EQ(finder.name(4), "\xC3\x84thylen");
}

} // namespace
} // namespace kelvane
