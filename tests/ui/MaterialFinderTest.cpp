// The material finder: Ctrl+F, a list narrowing as the user types, and a choice
// that makes the material current as its Material menu entry does.

#include "DriveFixture.h"

namespace kelvane::testing {
namespace {

using MaterialFinderTest = DriveTest;

TEST_F(MaterialFinderTest, TypingNarrowsTheListAndEnterChoosesAsTheMenuDoes) {
    start();
    send(R"(["type","50\r1000\r2"])");
    send(R"(["menu","Options","Commercial Rounding"])"); // choosing turns it on again
    send(R"(["key","Ctrl+F"])");
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Find Material");
    EXPECT_EQ(value(R"(["get","MaterialFinderList"])").toObject()["items"],
              (QJsonArray{"Acetal", "Mild Steel", "Nylon 6"}));
    EXPECT_TRUE(value(R"(["get","MaterialFinderEdit"])").toObject()["focused"].toBool());

    const std::pair<const char*, QJsonArray> narrowing[] = {
        {"L", QJsonArray{"Acetal", "Mild Steel", "Nylon 6"}},
        {"o", QJsonArray{"Nylon 6"}},
        {"\b\bSTE", QJsonArray{"Mild Steel"}},
        {"x", QJsonArray{}},
        {"\b", QJsonArray{"Mild Steel"}},
    };
    for (const auto& [keys, items] : narrowing) {
        SCOPED_TRACE(keys);
        send(R"(["type",)" + quoted(keys) + "]");
        EXPECT_EQ(value(R"(["get","MaterialFinderList"])").toObject()["items"], items);
    }
    send(R"(["key","Enter"])");
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Kelvane");
    EXPECT_EQ(statusPanel(0), "Material: Mild Steel");
    EXPECT_EQ(statusPanel(1), "Density: 8 g/cm³");
    EXPECT_EQ(statusPanel(2), "Commercial Rounding: On");
    EXPECT_EQ(text("RKGMLabel"), "15.71 kg");
    const QJsonArray entries = value(R"(["menuitems","Material"])").toArray();
    EXPECT_TRUE(entries[1].toObject()["checked"].toBool());
    EXPECT_FALSE(entries[0].toObject()["checked"].toBool());
}

TEST_F(MaterialFinderTest, ArrowsMoveThroughTheListAndEscapeChoosesNothing) {
    start();
    send(R"(["key","Ctrl+F"])");
    send(R"(["key","Down"])");
    send(R"(["key","Down"])");
    EXPECT_EQ(value(R"(["get","MaterialFinderList"])").toObject()["current"], "Nylon 6");
    send(R"(["key","Escape"])");
    EXPECT_EQ(statusPanel(0), "Material: Acetal");

    send(R"(["key","Ctrl+F"])");
    send(R"(["key","Down"])");
    send(R"(["key","Enter"])");
    EXPECT_EQ(statusPanel(0), "Material: Mild Steel");
}

} // namespace
} // namespace kelvane::testing
