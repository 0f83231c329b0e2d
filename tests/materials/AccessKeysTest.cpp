#include "materials/AccessKeys.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kelvane
