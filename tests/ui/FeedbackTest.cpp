// What the window shows in answer to the user: copy confirmations, buttons under the
// mouse, over-long material names, the about box's frame, the Material menu's keys.

#include "DriveFixture.h"

#include "app/MainWindow.h"

#include <QPushButton>

namespace kelvane::testing {
namespace {

using FeedbackTest = DriveTest;

TEST_F(FeedbackTest, FlatButtonsShowTheirFaceOnlyUnderTheMouse) {
    start();
    for (const char* button : {"RClearButton", "RKGMCopyBtn"}) {
        SCOPED_TRACE(button);
        const std::string name = quoted(button);
        EXPECT_TRUE(value(R"(["get",)" + name + "]").toObject()["flat"].toBool());
        send(R"(["hover",)" + name + "]");
        EXPECT_FALSE(value(R"(["get",)" + name + "]").toObject()["flat"].toBool());
        send(R"(["leave",)" + name + "]");
        EXPECT_TRUE(value(R"(["get",)" + name + "]").toObject()["flat"].toBool());
    }
}

TEST_F(FeedbackTest, CopyIsConfirmedAtTheButtonForAboutASecond) {
    start();
    send(R"(["type","50\r1000\r2"])");
    send(R"(["click","RKGMCopyBtn"])");
    const QJsonObject tip = value(R"(["tooltip"])").toObject();
    EXPECT_EQ(tip["text"].toString(), "Copied 3.44");
    EXPECT_TRUE(tip["visible"].toBool());
    EXPECT_EQ(value(R"(["clipboard"])").toString(), "3.44");
    send(R"(["wait",1400])");
    EXPECT_FALSE(value(R"(["tooltip"])").toObject()["visible"].toBool());
}

// Each copy button says which figure it copies, to the eye and to a screen reader.
TEST_F(FeedbackTest, CopyButtonsSayWhatTheyCopy) {
    const struct {
        const char* page;
        const char* button;
        const char* description;
    } cases[] = {
        {"Round", "RKGMCopyBtn", "Copy the weight per metre"},
        {"Round", "RKGBCopyBtn", "Copy the weight per bar"},
        {"Round", "RKGQCopyBtn", "Copy the total weight"},
        {"Plate/Sheet", "SKGSQMCopyBtn", "Copy the weight per square metre"},
        {"Plate/Sheet", "SKGSheetCopyBtn", "Copy the weight per sheet or plate"},
        {"Hollow Section", "HKGQtyCopyBtn", "Copy the total weight"},
        {"Turning", "TurnProdCostCopyBtn", "Copy the produced material cost per tonne"},
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        send(R"(["page",)" + quoted(c.page) + "]");
        const QJsonObject button = value(R"(["get",)" + quoted(c.button) + "]").toObject();
        EXPECT_EQ(button["toolTip"].toString().toStdString(), c.description);
        auto* widget = session_->window()->findChild<QPushButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->accessibleDescription().toStdString(), c.description);
    }
}

TEST_F(FeedbackTest, TypingInABoxBroughtIntoViewReplacesItsValue) {
    start();
    send(R"(["type","20"])");
    send(R"(["key","Ctrl+Tab"])");
    send(R"(["key","Ctrl+Shift+Tab"])");
    send(R"(["type","33\r4\t"])");
    send(R"(["key","Ctrl+Tab"])");
    send(R"(["key","Ctrl+Shift+Tab"])");
    send(R"(["type","7"])");
    EXPECT_EQ(text("RDiaEdit"), "33");
    EXPECT_EQ(text("RLengthEdit"), "4");
    EXPECT_EQ(text("RQtyEdit"), "7");
}

TEST_F(FeedbackTest, MaterialNameTooLongForItsPanelEndsInAnEllipsis) {
    const std::string longName = "Polyether ether ketone glass filled 30 per cent natural";
    writeFile("Data/Density_Plastics.csv", "PE,0.95\r\n" + longName + ",1.51\r\n");
    start();
    const QJsonObject shortPanel = value(R"(["get","JvStatusBar1Panel0"])").toObject();
    EXPECT_EQ(shortPanel["text"].toString(), "Material: PE");
    EXPECT_FALSE(shortPanel.contains("toolTip"));

    send(R"(["menu","Material",)" + quoted(longName) + "]");
    const QJsonObject panel = value(R"(["get","JvStatusBar1Panel0"])").toObject();
    EXPECT_TRUE(panel["text"].toString().endsWith(QChar(0x2026)));
    EXPECT_TRUE(QString::fromStdString("Material: " + longName)
                    .startsWith(panel["text"].toString().chopped(1)));
    EXPECT_EQ(panel["toolTip"].toString().toStdString(), "Material: " + longName);
    EXPECT_EQ(statusPanel(0), "Material: " + longName);
    EXPECT_EQ(value(R"(["statusbar"])").toObject()["panels"].toArray()[0].toObject()["width"], 167);
}

TEST_F(FeedbackTest, AboutBoxIsAFixedDialogWithoutMinimiseOrMaximise) {
    start();
    send(R"(["menu","Help","About"])");
    const QJsonObject box = value(R"(["window"])").toObject();
    EXPECT_TRUE(box["fixedSize"].toBool());
    EXPECT_FALSE(box["minimizeButton"].toBool());
    EXPECT_FALSE(box["maximizeButton"].toBool());
}

TEST_F(FeedbackTest, MaterialEntriesGetAccessKeysWithoutChangingTheirNames) {
    writeFile("Data/Density_Plastics.csv", "Acetal,1.38\r\nacrylic,1.19\r\nR&D blend,1.2\r\n");
    start();
    const QJsonArray entries = value(R"(["menuitems","Material"])").toArray();
    const std::pair<QString, QString> expected[] = {
        {"Acetal", "Alt+A"}, {"acrylic", "Alt+C"}, {"R&D blend", "Alt+R"}};
    ASSERT_EQ(entries.size(), 4); // then Edit Materials…
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].toObject()["caption"].toString(), expected[i].first);
        EXPECT_EQ(entries[i].toObject()["accessKey"].toString(), expected[i].second);
    }
    send(R"(["menu","Material","R&D blend"])");
    EXPECT_EQ(statusPanel(0), "Material: R&D blend");
}

} // namespace
} // namespace kelvane::testing
