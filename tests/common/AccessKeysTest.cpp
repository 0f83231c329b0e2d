#include "common/AccessKeys.h"
#include "materials/DensityTable.h"
#include "materials/NameEncoding.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <string>
#include <vector>

namespace kelvane {
namespace {

TEST(AccessKeysTest, EachEntryTakesItsFirstFreeLetterOrDigit) {
    struct Case {
        const char* label;
        std::vector<std::string> names;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"first letters while free", {"Acetal", "Nylon 6"}, {"&Acetal", "&Nylon 6"}},
        {"case does not make a new key", {"Acetal", "acrylic"}, {"&Acetal", "a&crylic"}},
        {"blanks and marks are skipped", {"PE", "P.E. 300"}, {"&PE", "P.&E. 300"}},
        {"digits once letters are taken", {"AB", "ab1"}, {"&AB", "a&b1"}},
        {"no free key, no marker", {"Ab", "Ba", "ab"}, {"&Ab", "&Ba", "ab"}},
        {"an ampersand stays literal", {"R&D", "&"}, {"&R&&D", "&&"}},
        {"characters beyond ASCII are never keys", {"\xC3\xA9t\xC3\xA9"}, {"\xC3\xA9&t\xC3\xA9"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        AccessKeys keys;
        std::vector<std::string> captions;
        for (const std::string& name : c.names)
            captions.push_back(keys.caption(name));
        EXPECT_EQ(captions, c.captions);
    }
}

// The user guide tells how many entries of the shipped table's Material menu have an
// access key; the letters and digits run out before the table does.
TEST(AccessKeysTest, TheUserGuideCountsTheShippedTablesKeys) {
    const auto readAll = [](const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string sourceDir = KELVANE_SOURCE_DIR;
    const auto table =
        parseDensityTable(readAll(sourceDir + "/Data/Density_Plastics.csv"), Separators{});
    ASSERT_FALSE(table.error.has_value());
    AccessKeys keys(kMaterialMenuOwnKeys);
    std::size_t keyed = 0;
    for (const MaterialEntry& material : table.materials)
        if (keys.caption(displayText(material.name)).find('&') != std::string::npos)
            ++keyed;
    EXPECT_LT(keyed, table.materials.size());
    // The guide's lines are wrapped, so its words are compared with single blanks.
    std::string guide;
    for (char c : readAll(sourceDir + "/docs/user-guide.md")) {
        if (c == '\n')
            c = ' ';
        if (c != ' ' || guide.empty() || guide.back() != ' ')
            guide += c;
    }
    const std::string claim = "keys for " + std::to_string(keyed) + " of its " +
                              std::to_string(table.materials.size()) + " entries";
    EXPECT_NE(guide.find(claim), std::string::npos) << claim;
}

} // namespace
} // namespace kelvane
