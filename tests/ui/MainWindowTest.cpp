// The main window as a user meets it: start-up, status bar, menus, the Round page.

#include "DriveFixture.h"

#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/TabRow.h"

#include <QTest>

namespace kelvane::testing {
namespace {

using MainWindowTest = DriveTest;

TEST_F(MainWindowTest, StartsWithTheFirstMaterialRoundedAndEveryPageInItsFirstState) {
    start();
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Kelvane");
    const QJsonObject bar = value(R"(["statusbar"])").toObject();
    const QJsonArray panels = bar["panels"].toArray();
    EXPECT_EQ(panels[0].toObject()["text"].toString(), "Material: Acetal");
    EXPECT_EQ(panels[1].toObject()["text"].toString(), "Density: 1.75 g/cm³");
    EXPECT_EQ(panels[2].toObject()["text"].toString(), "Commercial Rounding: On");
    EXPECT_EQ(bar["lamp"].toString(), "lit");

    const QJsonArray materials = value(R"(["menuitems","Material"])").toArray();
    ASSERT_EQ(materials.size(), 4); // the three materials, then Edit Materials…
    EXPECT_TRUE(materials[0].toObject()["checked"].toBool());
    EXPECT_TRUE(materials[0].toObject()["radio"].toBool());
    EXPECT_EQ(materials[2].toObject()["caption"].toString(), "Nylon 6");

    const QJsonObject tabs = value(R"(["tabs"])").toObject();
    EXPECT_EQ(tabs["active"].toString(), "Round");
    EXPECT_EQ(tabs["visible"].toArray(), (QJsonArray{"Round", "Polygon", "Flat/Square",
                                                     "Plate/Sheet", "Tube", "M/I", "Quote"}));
    EXPECT_TRUE(value(R"(["get","RDiaEdit"])").toObject()["focused"].toBool());

    for (const char* label : {"RKGMLabel", "RKGBarLabel", "RKGQtyLabel", "PKGMLabel", "BKGQtyLabel",
                              "SKGSQMLabel", "TKGBarLabel", "HKGQtyLabel"})
        EXPECT_EQ(text(label), "0.00 kg") << label;
    EXPECT_EQ(text("PMachineDiameter"), "0.00 mm");
    EXPECT_EQ(text("BMachineDiameter"), "0.00 mm");
    EXPECT_TRUE(lastEvents().isEmpty());
}

TEST_F(MainWindowTest, StatusBarShowsTheCommerciallyRoundedDensity) {
    const std::pair<const char*, const char*> cases[] = {
        {"Acetal,1.41\r\n", "Density: 1.75 g/cm³"},
        {"Steel,2\r\n", "Density: 2.25 g/cm³"},
        {"Nylon 6,1.14\r\n", "Density: 1.5 g/cm³"},
    };
    for (const auto& [table, density] : cases) {
        writeFile("Data/Density_Plastics.csv", table);
        start();
        EXPECT_EQ(statusPanel(1), density);
        send(R"(["close"])");
        session_.reset();
    }
}

TEST_F(MainWindowTest, PanelWidthsFollowTheWindowWidth) {
    start();
    const std::pair<int, std::array<int, 4>> cases[] = {
        {579, {167, 167, 212, 50}}, {632, {185, 185, 230, 50}}, {800, {241, 241, 286, 50}}};
    for (const auto& [width, widths] : cases) {
        send(R"(["resize",)" + std::to_string(width) + R"(,480])");
        const QJsonArray panels = value(R"(["statusbar"])").toObject()["panels"].toArray();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(panels[i].toObject()["width"].toInt(), widths[static_cast<std::size_t>(i)])
                << width << " panel " << i;
    }
}

TEST_F(MainWindowTest, TabsAreClickedAndWrapOntoMoreRowsWhenNarrow) {
    start();
    auto* tabs = session_->window()->findChild<TabRow*>();
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(4).center());
    EXPECT_EQ(value(R"(["tabs"])").toObject()["active"].toString(), "Tube");
    EXPECT_EQ(tabs->tabRect(5).top(), 0); // one row at the first width
    const int oneRow = tabs->height();
    // The window keeps a width at which every page is whole; the tab row itself
    // wraps when it is given less.
    tabs->resize(250, tabs->height());
    EXPECT_GT(tabs->tabRect(5).top(), 0);
    EXPECT_GT(tabs->height(), oneRow);
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(5).center());
    EXPECT_EQ(value(R"(["tabs"])").toObject()["active"].toString(), "M/I");
}

TEST_F(MainWindowTest, RoundPageWorksOutWeightsAsTheUserTypes) {
    start();
    send(R"(["type","50\r3000\r4"])");
    EXPECT_EQ(text("RKGMLabel"), "3.44 kg");
    EXPECT_EQ(text("RKGBarLabel"), "10.31 kg");
    EXPECT_EQ(text("RKGQtyLabel"), "41.23 kg");

    send(R"(["menu","Material","Mild Steel"])");
    EXPECT_EQ(text("RKGMLabel"), "15.71 kg");
    EXPECT_EQ(text("RKGBarLabel"), "47.12 kg");
    EXPECT_EQ(text("RKGQtyLabel"), "188.50 kg");

    send(R"(["paste","RQtyEdit","2.5"])");
    EXPECT_EQ(text("RKGQtyLabel"), "117.81 kg");
    send(R"(["paste","RLengthEdit","1.2.3"])");
    EXPECT_EQ(text("RKGBarLabel"), "0.00 kg");
    EXPECT_EQ(text("RKGQtyLabel"), "0.00 kg");
}

TEST_F(MainWindowTest, EntryBoxesHaveNoLengthLimit) {
    const std::string pasted = std::string(33000, '0') + "50";
    start();
    for (const char* box : {"RDiaEdit", "TurnFeedDiaEdit", "CarbonEdit", "MIConvEdit"}) {
        send(R"(["paste",)" + quoted(box) + "," + quoted(pasted) + "]");
        EXPECT_EQ(text(box), pasted) << box;
    }
    EXPECT_EQ(text("RKGMLabel"), "3.44 kg");
    EXPECT_EQ(text("MetLabel1"), "50");
}

TEST_F(MainWindowTest, CommercialRoundingSwitchesAndRestoresTheExactDensity) {
    start();
    send(R"(["type","50"])");
    send(R"(["menu","Options","Commercial Rounding"])");
    EXPECT_EQ(statusPanel(1), "Density: 1.38 g/cm³");
    EXPECT_EQ(statusPanel(2), "Commercial Rounding: Off");
    EXPECT_EQ(value(R"(["statusbar"])").toObject()["lamp"].toString(), "dark");
    EXPECT_EQ(text("RKGMLabel"), "2.71 kg");
    EXPECT_FALSE(value(R"(["menuitems","Options"])").toArray()[0].toObject()["checked"].toBool());
    send(R"(["menu","Options","Commercial Rounding"])");
    EXPECT_EQ(statusPanel(1), "Density: 1.75 g/cm³");
    EXPECT_EQ(text("RKGMLabel"), "3.44 kg");
}

TEST_F(MainWindowTest, DensityChangesRecalculateThePageOnDisplayAndEachAsItComesIntoView) {
    start();
    send(R"(["type","50"])");
    send(R"(["page","Tube"])");
    send(R"(["focus","TODEdit"])");
    send(R"(["type","60\r5\r1000\r1"])");
    EXPECT_EQ(text("TKGMLabel"), "1.51 kg");
    send(R"(["menu","Material","Mild Steel"])");
    EXPECT_EQ(text("TKGMLabel"), "6.91 kg");
    EXPECT_EQ(text("RKGMLabel"), "3.44 kg"); // out of view, the Round page is not worked out
    send(R"(["page","Round"])");
    EXPECT_EQ(text("RKGMLabel"), "15.71 kg");
    send(R"(["click","RKGMCopyBtn"])");
    EXPECT_EQ(value(R"(["clipboard"])").toString(), "15.71");

    send(R"(["page","M/I"])");
    send(R"(["menu","Options","Commercial Rounding"])");
    EXPECT_EQ(statusPanel(1), "Density: 7.85 g/cm³");
    EXPECT_EQ(value(R"(["statusbar"])").toObject()["lamp"].toString(), "dark");
    EXPECT_EQ(text("TKGMLabel"), "6.91 kg");
    send(R"(["menu","Material","Mild Steel"])"); // the same material again: rounding on
    EXPECT_EQ(statusPanel(1), "Density: 8 g/cm³");
    EXPECT_EQ(statusPanel(2), "Commercial Rounding: On");
}

TEST_F(MainWindowTest, MissingDensityFileReportsThePathAndLeavesAUsableWindow) {
    startSession();
    QFile::remove(QString::fromStdString(path("Data/Density_Plastics.csv")));
    send(R"(["start"])");
    EXPECT_EQ(lastEvents(),
              (QJsonArray{QJsonObject{
                  {"type", "error"},
                  {"title", "Kelvane"},
                  {"text", QString::fromStdString("Cannot open file \"" + path("bin/") +
                                                  "Density_Plastics.csv\". No such file or "
                                                  "directory.")}}}));
    EXPECT_EQ(statusPanel(0), "Material: ");
    EXPECT_EQ(statusPanel(1), "Density: 0 g/cm³");
    // Only the menu's own entry, to repair the table with.
    EXPECT_EQ(value(R"(["menuitems","Material"])").toArray(),
              (QJsonArray{QJsonObject{{"caption", "Edit Materials…"},
                                      {"checked", false},
                                      {"radio", false},
                                      {"enabled", true},
                                      {"accessKey", "Alt+E"}}}));
    send(R"(["type","50"])");
    EXPECT_EQ(text("RKGMLabel"), "0.00 kg");
}

TEST_F(MainWindowTest, BadDensityLineKeepsTheMaterialsReadBeforeIt) {
    writeFile("Data/Density_Plastics.csv", "Acetal,1.38\r\nSteel,7,85\r\nNylon,1.14\r\n");
    writeFile("Data/Material.txt", "Nylon\r\n");
    start();
    EXPECT_EQ(lastEvents(),
              (QJsonArray{QJsonObject{{"type", "error"},
                                      {"title", "Kelvane"},
                                      {"text", "'7,85' is not a valid floating point value."}}}));
    EXPECT_EQ(value(R"(["menuitems","Material"])").toArray().size(), 2);
    EXPECT_EQ(statusPanel(0), "Material: Acetal");
    EXPECT_EQ(statusPanel(2), "Commercial Rounding: On");
    send(R"(["type","50"])");
    EXPECT_EQ(text("RKGMLabel"), "3.44 kg");
}

TEST_F(MainWindowTest, CommaLocaleTakesEitherPointAndShowsTheComma) {
    writeFile("Data/Density_Plastics.csv", "Acetal,1,38\r\n");
    start(",", ".");
    EXPECT_EQ(statusPanel(1), "Density: 1,75 g/cm³");
    send(R"(["type","12.5\r1000"])");
    EXPECT_EQ(text("RDiaEdit"), "12.5");
    EXPECT_EQ(text("RKGMLabel"), "0,21 kg");
    send(R"(["paste","RDiaEdit","12,5"])");
    EXPECT_EQ(text("RKGBarLabel"), "0,21 kg");
}

TEST_F(MainWindowTest, NamesWithAnAmpersandStayExact) {
    writeFile("Data/Density_Plastics.csv", "Glass & Epoxy,1.85\r\nB&W Steel,7.85\r\n");
    start();
    send(R"(["menu","Material","B&W Steel"])");
    EXPECT_EQ(statusPanel(0), "Material: B&W Steel");
    EXPECT_EQ(value(R"(["menuitems","Material"])").toArray()[0].toObject()["caption"].toString(),
              "Glass & Epoxy");
    send(R"(["answer","yes"])");
    send(R"(["close"])");
    EXPECT_EQ(readFile("bin/Material.txt"), "B&W Steel\r\n");
}

TEST_F(MainWindowTest, FileExitAndTheCloseButtonEndTheProgram) {
    start();
    send(R"(["menu","File","Exit"])");
    EXPECT_EQ(lastEvents().last().toObject()["type"].toString(), "closed");
    session_.reset();
    start();
    EXPECT_TRUE(value(R"(["close"])").toObject()["closed"].toBool());
}

TEST_F(MainWindowTest, HiddenPagesAreMadeWhenFirstShownWithTheOptionsAsTheyStand) {
    start();
    PageControl& pages = session_->window()->pageControl();
    ASSERT_EQ(pages.pageCount(), 11);
    // The pages with a tab are made once the window has painted; those without wait.
    for (int i = 0; i < pages.pageCount(); ++i) {
        SCOPED_TRACE(pages.caption(i).toStdString());
        const bool hidden = !pages.visibleCaptions().contains(pages.caption(i));
        EXPECT_EQ(pages.builtPage(i) == nullptr, hidden);
    }

    // The fraction chosen from the menu is the one the page converts with.
    send(R"(["menu","Options","Fractions","Nearest 1/64\""])");
    send(R"(["page","M/I"])");
    send(R"(["focus","MIConvEdit"])");
    send(R"(["type","0.512"])");
    EXPECT_EQ(text("ImpLabel3"), "1/64\"");

    // A control addressed on a page not yet shown is there, in its first state.
    EXPECT_EQ(text("CEVLbl"), "0.00");
    EXPECT_EQ(text("TKGMLabel"), "0.00 kg");
}

} // namespace
} // namespace kelvane::testing
