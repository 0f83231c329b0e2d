// Every control a user can operate can be named by assistive technology, and the
// whole program is usable with the keyboard alone.

#include "DriveFixture.h"

#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "convert/ConversionResults.h"
#include "weights/WeightPageModel.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include <vector>

namespace kelvane::testing {
namespace {

using AccessibilityTest = DriveTest;

QString SpokenName(const QWidget* control) {
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

TEST_F(AccessibilityTest, EveryOperableControlHasAName) {
    start();
    send(R"(["menu","Help","About"])");
    QStringList unnamed;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const bool operable =
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractSlider*>(control) ||
                qobject_cast<QPlainTextEdit*>(control);
            const bool ours = !control->objectName().isEmpty() &&
                              !control->objectName().startsWith(QLatin1String("qt_"));
            if (operable && ours && SpokenName(control).isEmpty())
                unnamed << control->objectName();
        }
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST_F(AccessibilityTest, KeyboardAloneReachesEveryPageMenuAndResult) {
    start();
    send(R"(["type","50\r3000\r4"])");
    EXPECT_EQ(text("RKGQtyLabel"), "41.23 kg");
    send(R"(["key","Alt+C"])");
    EXPECT_EQ(text("RDiaEdit"), "");
    const char* order[] = {"Polygon", "Flat/Square", "Plate/Sheet", "Tube",
                           "M/I",     "Quote",       "Round"};
    for (const char* caption : order) {
        send(R"(["key","Ctrl+Tab"])");
        EXPECT_EQ(value(R"(["tabs"])").toObject()["active"].toString().toStdString(), caption);
    }
    send(R"(["key","Ctrl+Shift+Tab"])");
    EXPECT_EQ(value(R"(["tabs"])").toObject()["active"].toString(), "Quote");
}

// A result as assistive technology reads it: its value as its name, and what the value
// is, from the caption it is labelled by or else from its description.
struct SpokenResult {
    QString name;
    QString caption;
};

SpokenResult spoken(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    if (!face)
        return {};
    const auto labels = face->relations(QAccessible::Label);
    const QString caption = labels.isEmpty() ? face->text(QAccessible::Description)
                                             : labels.first().first->text(QAccessible::Name);
    return {face->text(QAccessible::Name), caption};
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct PageResults {
    const char* page;
    Pairs typing;  // box, text typed into it
    Pairs results; // label, caption heard
};

std::vector<PageResults> everyPageWithResults() {
    std::vector<PageResults> pages;
    const char* weightPages[] = {"Round",       "Polygon", "Flat/Square",
                                 "Plate/Sheet", "Tube",    "Hollow Section"};
    for (std::size_t i = 0; i < kWeightShapes.size(); ++i) {
        const WeightPageDefinition& definition = weightPageDefinition(kWeightShapes[i]);
        PageResults page{weightPages[i], {}, {}};
        for (const EntryBoxDefinition& box : definition.boxes)
            page.typing.emplace_back(box.objectName, std::to_string(60 - 10 * page.typing.size()));
        for (const ResultDefinition& result : definition.results)
            page.results.emplace_back(result.labelName, result.caption);
        if (!definition.machiningLabelName.empty())
            page.results.emplace_back(definition.machiningLabelName, std::string(kMachiningText));
        pages.push_back(page);
    }
    PageResults convert{"M/I", {{"MIConvEdit", "12.7"}}, {}};
    for (std::size_t i = 0; i < kImperialCaptions.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        convert.results.emplace_back("ImpLabel" + number, captionName(kImperialCaptions[i]));
        convert.results.emplace_back("MetLabel" + number, captionName(kMetricCaptions[i]));
    }
    pages.push_back(convert);
    pages.push_back({"Turning",
                     {{"TurnFeedDiaEdit", "60"},
                      {"TurnFeedLengthEdit", "1000"},
                      {"TurnFeedQtyEdit", "2"},
                      {"TurnCost1Edit", "100"},
                      {"TurnProdDiaEdit", "40"}},
                     {{"TurnFeedDiaKGMLabel", "Feedstock Weight per Metre"},
                      {"TurnProdCostLabel", "Produced Material Cost (per Tonne)"}}});
    return pages;
}

TEST_F(AccessibilityTest, EveryResultIsReadAsItsValueUnderItsCaption) {
    start();
    for (const PageResults& page : everyPageWithResults()) {
        SCOPED_TRACE(page.page);
        send(R"(["page",)" + quoted(page.page) + "]");
        for (const auto& [box, typed] : page.typing) {
            send(R"(["focus",)" + quoted(box) + "]");
            send(R"(["type",)" + quoted(typed) + "]");
        }
        for (const auto& [name, caption] : page.results) {
            SCOPED_TRACE(name);
            auto* label = session_->window()->findChild<QLabel*>(QString::fromStdString(name));
            ASSERT_NE(label, nullptr);
            const SpokenResult heard = spoken(label);
            EXPECT_FALSE(label->text().isEmpty());
            EXPECT_EQ(heard.name, label->text());
            EXPECT_EQ(heard.caption.toStdString(), caption);
        }
    }
}

TEST_F(AccessibilityTest, PagesAreNamedTabsWithTheShownOneSelected) {
    start();
    auto* row = session_->window()->findChild<QWidget*>(QStringLiteral("PageControl1Tabs"));
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(row);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->role(), QAccessible::PageTabList);
    EXPECT_EQ(tabs->text(QAccessible::Name), "Pages");
    const QStringList captions = {"Round", "Polygon", "Flat/Square", "Plate/Sheet",
                                  "Tube",  "M/I",     "Quote"};
    ASSERT_EQ(tabs->childCount(), captions.size());
    send(R"(["key","Ctrl+Tab"])");
    for (int i = 0; i < captions.size(); ++i) {
        SCOPED_TRACE(captions[i].toStdString());
        QAccessibleInterface* tab = tabs->child(i);
        EXPECT_EQ(tab->role(), QAccessible::PageTab);
        EXPECT_EQ(tab->text(QAccessible::Name), captions[i]);
        EXPECT_EQ(tab->state().selected, i == 1);
        EXPECT_EQ(tabs->indexOfChild(tab), i);
    }
    // The tab's own action shows its page.
    tabs->child(5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(value(R"(["tabs"])").toObject()["active"].toString(), "M/I");
}

TEST_F(AccessibilityTest, MenuEntriesThatCheckSaySo) {
    start();
    send(R"(["menuitems","Material"])"); // the Material menu gets its entries as it opens
    struct Entry {
        const char* menu;
        int index;
        const char* name;
        bool checkable;
        bool checked;
        QAccessible::Role role;
    };
    const Entry entries[] = {
        {"Options1", 0, "Commercial Rounding", true, true, QAccessible::CheckBox},
        {"Options1", 1, "Fractions", false, false, QAccessible::MenuItem},
        {"Options21", 1, "Nearest 1/64\"", true, false, QAccessible::RadioButton},
        {"Material1", 0, "Acetal", true, true, QAccessible::RadioButton},
        {"File1", 0, "Find Material…", false, false, QAccessible::MenuItem},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.name);
        auto* menu = session_->window()->findChild<QMenu*>(QString::fromLatin1(entry.menu));
        ASSERT_NE(menu, nullptr);
        QAccessibleInterface* item =
            QAccessible::queryAccessibleInterface(menu)->child(entry.index);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(QAccessible::Name), QString::fromUtf8(entry.name));
        EXPECT_EQ(item->state().checkable, entry.checkable);
        EXPECT_EQ(item->role(), entry.role);
        EXPECT_EQ(item->state().checked, entry.checked);
    }
}

TEST_F(AccessibilityTest, AboutBoxLinksOpenFromTheKeysAndTheNoticeStaysAsItIs) {
    start();
    send(R"(["menu","Help","About"])");
    const std::pair<const char*, const char*> links[] = {
        {"VellEmailLabel", "mailto:support@kelvane.example"},
        {"VellWebsiteLabel", "http://www.kelvane.example"},
    };
    for (const auto& [label, link] : links) {
        SCOPED_TRACE(label);
        send(R"(["key","Tab"])"); // from OK round to the links
        EXPECT_TRUE(value(R"(["get",)" + quoted(label) + "]").toObject()["focused"].toBool());
        send(R"(["key","Enter"])");
        ASSERT_EQ(lastEvents().size(), 1);
        EXPECT_EQ(lastEvents()[0].toObject()["link"].toString(), link);
    }
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "About Kelvane");
    send(R"(["key","Tab"])");
    send(R"(["type","edited"])");
    EXPECT_EQ(text("NoticeMemo").rfind("\nAll weights", 0), 0u);
}

TEST_F(AccessibilityTest, StatusBarReadsWholePanelsWithTheLamp) {
    start();
    StatusBar& bar = session_->window()->statusPanels();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::StatusBar);
    auto panelName = [&](int panel) {
        return face->child(panel)->text(QAccessible::Name).toStdString();
    };
    send(R"(["resize",200,300])"); // panels too narrow for their texts
    EXPECT_EQ(panelName(0), "Material: Acetal");
    EXPECT_EQ(panelName(2), "Commercial Rounding: On, lamp lit");
    send(R"(["menu","Options","Commercial Rounding"])");
    EXPECT_EQ(panelName(2), "Commercial Rounding: Off, lamp dark");
}

TEST_F(AccessibilityTest, FinderHasOneFocusAndSaysWhenNothingMatches) {
    start();
    send(R"(["key","Ctrl+F"])");
    send(R"(["type","l"])");
    send(R"(["key","Down"])");
    EXPECT_EQ(value(R"(["get","MaterialFinderList"])").toObject()["current"], "Mild Steel");
    QWidget* list = session_->window()->findChild<QWidget*>(QStringLiteral("MaterialFinderList"));
    QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(list);
    int focusedRows = 0;
    for (int i = 0; i < rows->childCount(); ++i)
        focusedRows += rows->child(i)->state().focused ? 1 : 0;
    EXPECT_EQ(focusedRows, 0);
    EXPECT_FALSE(value(R"(["get","MaterialFinderNothing"])").toObject()["visible"].toBool());
    send(R"(["type","x"])");
    EXPECT_TRUE(value(R"(["get","MaterialFinderNothing"])").toObject()["visible"].toBool());
    EXPECT_EQ(text("MaterialFinderNothing"), "No material found");
    send(R"(["key","Enter"])"); // nothing to choose: the finder stays
    EXPECT_EQ(value(R"(["window"])").toObject()["title"].toString(), "Find Material");
}

TEST_F(AccessibilityTest, EnterWalksTheBoxesWhileTabReachesEveryControl) {
    start();
    send(R"(["page","Polygon"])");
    send(R"(["focus","PAFEdit"])");
    send(R"(["type","1
2
3
"])");
    EXPECT_TRUE(value(R"(["get","PAFEdit"])").toObject()["focused"].toBool());
    send(R"(["focus","PQtyEdit"])");
    const char* tabOrder[] = {"PCombo",      "PClearButton", "PAddBtn",          "PKGMCopyBtn",
                              "PKGBCopyBtn", "PKGQCopyBtn",  "PageControl1Tabs", "PAFEdit"};
    for (const char* control : tabOrder) {
        SCOPED_TRACE(control);
        send(R"(["key","Tab"])");
        EXPECT_TRUE(value(R"(["get",)" + quoted(control) + "]").toObject()["focused"].toBool());
    }
}

} // namespace
} // namespace kelvane::testing
