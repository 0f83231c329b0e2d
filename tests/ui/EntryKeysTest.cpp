// The keys every entry box shares, on each kind of page: Alt with a letter never
// types it, the desktop's editing keys work and feed the change handler, and a key
// typed over a selection replaces it.

#include "DriveFixture.h"

#include <QClipboard>
#include <QGuiApplication>

#include <string>

namespace kelvane::testing {
namespace {

struct EntryBoxCase {
    const char* page;
    const char* box;
    const char* typed;      // a value the box's filter admits
    const char* result;     // a label its change handler sets
    const char* resultText; // that label after `typed`
    const char* emptyText;  // that label for an empty box
};

constexpr EntryBoxCase kBoxes[] = {
    {"Round", "RDiaEdit", "50", "RKGMLabel", "3.44 kg", "0.00 kg"},
    {"Turning", "TurnFeedDiaEdit", "50", "TurnFeedDiaKGMLabel", "3.44 kg/m", "0.00 kg/m"},
    {"CE", "CarbonEdit", "0.5", "CEVLbl", "0.50", "0.00"},
    {"M/I", "MIConvEdit", "50", "MetLabel1", "50", ""},
};

class EntryKeysTest : public DriveTest {
protected:
    void openBox(const EntryBoxCase& c) {
        send(R"(["page",)" + quoted(c.page) + "]");
        send(R"(["paste",)" + quoted(c.box) + R"(,""])");
        send(R"(["focus",)" + quoted(c.box) + "]");
    }
    void key(const char* name) { send(R"(["key",)" + quoted(name) + "]"); }
    static std::string clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }
    static void setClipboard(const char* text) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    }
};

TEST_F(EntryKeysTest, AltWithALetterNeverTypesIt) {
    start();
    for (const EntryBoxCase& c : kBoxes) {
        SCOPED_TRACE(c.box);
        openBox(c);
        send(R"(["type",)" + quoted(c.typed) + "]");
        for (const char* access : {"Alt+X", "Alt+Q", "Alt+Z"})
            key(access);
        EXPECT_EQ(text(c.box), c.typed);
        EXPECT_EQ(text(c.result), c.resultText);
    }
    // No Clear button on the conversion page: its access key does nothing there.
    key("Alt+C");
    EXPECT_EQ(text("MIConvEdit"), "50");
    // Where the letter has its button, the button is pressed.
    openBox(kBoxes[0]);
    send(R"(["type","50"])");
    key("Alt+C");
    EXPECT_EQ(text("RDiaEdit"), "");
}

TEST_F(EntryKeysTest, EditingKeysWorkAndFeedTheChangeHandler) {
    start();
    for (const EntryBoxCase& c : kBoxes) {
        SCOPED_TRACE(c.box);
        openBox(c);
        setClipboard(c.typed);
        key("Ctrl+V");
        EXPECT_EQ(text(c.box), c.typed);
        EXPECT_EQ(text(c.result), c.resultText);
        key("Ctrl+A");
        key("Ctrl+X");
        EXPECT_EQ(text(c.box), "");
        EXPECT_EQ(text(c.result), c.emptyText);
        EXPECT_EQ(clipboard(), c.typed);
        key("Ctrl+Z");
        EXPECT_EQ(text(c.box), c.typed);
        EXPECT_EQ(text(c.result), c.resultText);

        setClipboard("");
        key("Ctrl+A");
        key("Ctrl+C");
        EXPECT_EQ(clipboard(), c.typed);
        setClipboard("");
        key("Ctrl+Insert");
        EXPECT_EQ(clipboard(), c.typed);
        setClipboard("");
        key("Shift+Delete");
        EXPECT_EQ(text(c.box), "");
        EXPECT_EQ(clipboard(), c.typed);
        key("Shift+Insert");
        EXPECT_EQ(text(c.box), c.typed);
        EXPECT_EQ(text(c.result), c.resultText);
    }
}

TEST_F(EntryKeysTest, PastedTextIsNotFiltered) {
    // Ctrl+V puts in what the context menu's Paste would, letters included; the
    // change handler reads it as it reads any text.
    start();
    setClipboard("5a");
    openBox(kBoxes[0]);
    key("Ctrl+V");
    EXPECT_EQ(text("RDiaEdit"), "5a");
    EXPECT_EQ(text("RKGMLabel"), "0.00 kg");
}

TEST_F(EntryKeysTest, KeyTypedOverASelectionIsJudgedWithoutIt) {
    const struct {
        const char* before;
        const char* keys; // typed after selecting the whole text
        const char* after;
    } cases[] = {
        {"3/16\"", "5", "5"},         // the inch mark goes with the selection
        {"12'6\"", "1/2\"", "1/2\""}, // so may every other mark
        {"3/16\"", "/", "3/16\""},    // an entry still starts with a digit
        {"50", "\r", "50"},           // Enter moves on and replaces nothing
    };
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        openBox(kBoxes[3]);
        send(R"(["type",)" + quoted(c.before) + "]");
        key("Ctrl+A");
        send(R"(["type",)" + quoted(c.keys) + "]");
        EXPECT_EQ(text("MIConvEdit"), c.after);
    }
    // As the user meets it: a page switch away and back selects the whole text.
    openBox(kBoxes[3]);
    send(R"(["type","3/16\""])");
    key("Ctrl+Tab");
    key("Ctrl+Shift+Tab");
    send(R"(["type","5"])");
    EXPECT_EQ(text("MIConvEdit"), "5");
    EXPECT_EQ(text("MetLabel1"), "5");
}

} // namespace
} // namespace kelvane::testing
