// The material finder: Ctrl+F, a list narrowing as the user types, and a choice
// that makes the material current as its Material menu entry does.

#include "DriveFixture.h"

#include "app/MainWindow.h"

#include <QListView>

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

// The finder opens on the material in use, in view however far down the table it
// stands, so Ctrl+F and Enter at once change nothing, not even the rounding.
TEST_F(MaterialFinderTest, OpensOnTheMaterialInUseAndEnterChangesNothing) {
    std::string table;
    for (int i = 1; i <= 80; ++i)
        table += "Grade " + std::to_string(i) + ",1.38\r\n";
    writeFile("Data/Density_Plastics.csv", table);
    start();
    send(R"(["menu","Material","Grade 70"])");
    send(R"(["menu","Options","Commercial Rounding"])");
    const std::string panels[] = {statusPanel(0), statusPanel(1), statusPanel(2)};
    EXPECT_EQ(panels[2], "Commercial Rounding: Off");

    send(R"(["key","Ctrl+F"])");
    EXPECT_EQ(value(R"(["get","MaterialFinderList"])").toObject()["current"], "Grade 70");
    auto* list = session_->window()->findChild<QListView*>(QStringLiteral("MaterialFinderList"));
    ASSERT_NE(list, nullptr);
    // The highlight is the list's selection (the keys stay in the entry line).
    const QModelIndex highlighted = list->selectionModel()->selectedIndexes().value(0);
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(highlighted)));
    send(R"(["key","Enter"])");
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Kelvane");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(statusPanel(i), panels[i]) << "panel " << i;
}

} // namespace
} // namespace kelvane::testing
