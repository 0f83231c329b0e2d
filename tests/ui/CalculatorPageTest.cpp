// The "Calc" page through the driver: typed keys and button clicks, the display, the
// tape, the memory buttons, the error report and the close keys.

#include "DriveFixture.h"

#include "app/MainWindow.h"

#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvane::testing {
namespace {

using Lines = std::vector<std::string>;
const std::string kRule(14, '-');

// A tape text as it stands on the tape: blanks in front up to 14 columns.
std::string Padded(const std::string& text) {
    return text.size() >= 14 ? text : std::string(14 - text.size(), ' ') + text;
}

Lines PaddedAll(const Lines& texts) {
    Lines lines;
    for (const std::string& text : texts)
        lines.push_back(Padded(text));
    return lines;
}

class CalculatorPageTest : public DriveTest {
protected:
    void open() {
        start();
        send(R"(["page","Calc"])");
    }
    void type(const std::string& keys) { send(R"(["type",)" + quoted(keys) + "]"); }
    // The tape's lines after its three opening lines.
    Lines tape() {
        Lines lines;
        std::string all = text("ScreenTicket") + "\n";
        for (std::size_t from = 0, to; (to = all.find('\n', from)) != std::string::npos;
             from = to + 1)
            lines.push_back(all.substr(from, to - from));
        return Lines(lines.begin() + std::min<std::size_t>(3, lines.size()), lines.end());
    }
    std::vector<std::string> eventTypes() {
        std::vector<std::string> types;
        for (const auto& event : lastEvents())
            types.push_back(event.toObject()["type"].toString().toStdString());
        return types;
    }
};

TEST_F(CalculatorPageTest, OpensWithClearedDisplayAndOpeningLines) {
    open();
    EXPECT_EQ(text("Display"), "0.00 ");
    EXPECT_TRUE(control("DisplayPanel")["visible"].toBool());
    EXPECT_FALSE(control("Button_MR")["visible"].toBool());
    EXPECT_FALSE(control("Button_MC")["visible"].toBool());
    EXPECT_EQ(text("ScreenTicket"), "       Kelvane\n" + std::string(14, ' ') + "\n" + kRule);
}

TEST_F(CalculatorPageTest, TypedSequencesShowDisplayAndTape) {
    // Ctrl+L is C, \b Backspace, \r Enter.
    const struct {
        const char* keys;
        const char* display;
        Lines tape; // before padding
    } cases[] = {
        {"12+5=", "17.00 ", {"12.00   ", "5.00  +", "17.00  =", kRule}},
        {"12+5\r", "17.00 ", {"12.00   ", "5.00  +", "17.00  =", kRule}},
        {"2*=", "4.00 ", {"2.00   ", "2.00  *", "4.00  =", kRule}},
        {"2+3++", "8.00 ", {"2.00   ", "3.00  +", "3.00  +"}},
        {"2/=", "1.00 ", {"2.00   ", "2.00  /", "1.00  =", kRule}},
        {"2*3==", "3.00 ", {"2.00   ", "3.00  *", "6.00  =", kRule, "3.00   ", "3.00  =", kRule}},
        {"2*3=+4=",
         "7.00 ",
         {"2.00   ", "3.00  *", "6.00  =", kRule, "3.00   ", "4.00  +", "7.00  =", kRule}},
        {"2+x+=", "2.00 ", {"2.00   ", "2.00  +", "0.00  +", "2.00  =", kRule}},
        {"200+10%", "220.00 ", {"200.00   ", "10.00 %+", "220.00 %=", kRule}},
        {"200+10%+5=",
         "225.00 ",
         {"200.00   ", "10.00 %+", "220.00 %=", kRule, "220.00   ", "5.00  +", "225.00  =", kRule}},
        {"50/200%", "0.00 ", {"50.00   ", "200.00 %/", "0.00 %=", kRule}},
        {"50-10%", "45.00 ", {"50.00   ", "10.00 %-", "45.00 %=", kRule}},
        {"50*10%", "5.00 ", {"50.00   ", "10.00 %*", "5.00 %=", kRule}},
        {"10%5", "5.00 ", {"10.00 % ", "10.00 %=", kRule}},
        {"5/0=", "Error", {"5.00   ", "0.00  /", "Error =", kRule}},
        {"5/0=7", "7.00 ", {"5.00   ", "0.00  /", "Error =", kRule}},
        {"1.239", "1.23 ", {}},
        {"1.239\b", "1.20 ", {}},
        {"1.239\b5", "1.25 ", {}},
        {"12.\b5", "15.00 ", {}}, // the separator goes with the digit before it
        {"1234567890123456", "1.2345678901235E14 ", {}},
        {"12345678901234", "12,345,678,901,234.00 ", {}},
        {"1234567+1=", "1,234,568.00 ", {"1,234,567.00   ", "1.00  +", "1,234,568.00  =", kRule}},
        {"2+3\x0c"
         "4=",
         "6.00 ",
         {"2.00   ", "4.00  +", "6.00  =", kRule}},
        {"7\x0c\x0c", "0.00 ", {"C", kRule}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        open();
        type(c.keys);
        EXPECT_EQ(text("Display"), c.display);
        EXPECT_EQ(tape(), PaddedAll(c.tape));
    }
}

TEST_F(CalculatorPageTest, MemoryButtonsShownExactlyWhileMemoryHoldsAValue) {
    // Ctrl+B MC, Ctrl+C MR, Ctrl+D M+, Ctrl+E M-.
    const struct {
        const char* keys;
        const char* display;
        bool memoryButtons;
        const char* lastLine; // before padding
    } steps[] = {
        {"\x03", "0.00 ", false, "0.00 MR"}, // recall works with the buttons absent
        {"2*3=\x04", "6.00 ", true, "6.00 M+"},
        {"\x02", "6.00 ", false, "MC"},
        {"5\x04\x0c\x0c", "0.00 ", true, "--------------"},
        {"3+\x03=", "3.00 ", true, "--------------"}, // "+" works on the entry, not on 5
        {"\x05", "3.00 ", true, "3.00 M-"},
        {"2\x05", "2.00 ", false, "2.00 M-"},
        {"1.5\x04"
         "2.5",
         "2.50 ", true, "1.50 M+"}, // a new number takes a point again
    };
    open();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.keys);
        type(step.keys);
        EXPECT_EQ(text("Display"), step.display);
        EXPECT_EQ(control("Button_MR")["visible"].toBool(), step.memoryButtons);
        EXPECT_EQ(control("Button_MC")["visible"].toBool(), step.memoryButtons);
        EXPECT_EQ(tape().back(), Padded(step.lastLine));
    }
    send(R"(["click","Button_MR"])");
    EXPECT_EQ(text("Display"), "1.50 ");
}

TEST_F(CalculatorPageTest, ButtonClicksEqualTypingAndLeaveNoFocus) {
    // Every button once, in an order that makes no fault, against the same keys typed.
    const std::pair<const char*, char> buttons[] = {
        {"Button_7", '7'},        {"Button_8", '8'},       {"Button_9", '9'},
        {"Button_Plus", '+'},     {"Button_4", '4'},       {"Button_5", '5'},
        {"Button_6", '6'},        {"Button_Minus", '-'},   {"Button_1", '1'},
        {"Button_Dec", '.'},      {"Button_2", '2'},       {"Button_Times", '*'},
        {"Button_3", '3'},        {"Button_0", '0'},       {"Button_Total", '='},
        {"Button_MPlus", '\x04'}, {"Button_MR", '\x03'},   {"Button_Div", '/'},
        {"Button_5", '5'},        {"Button_Percent", '%'}, {"Button_MMinus", '\x05'},
        {"Button_C", '\x0c'},     {"Button_C", '\x0c'},    {"Button_MC", '\x02'},
    };
    open();
    std::vector<std::string> clickedDisplays;
    for (const auto& [name, key] : buttons) {
        send(R"(["click",)" + quoted(name) + "]");
        clickedDisplays.push_back(text("Display"));
        EXPECT_FALSE(control(name)["focused"].toBool()) << name;
    }
    const Lines clickedTape = tape();

    open();
    std::vector<std::string> typedDisplays;
    for (const auto& button : buttons) {
        type(std::string(1, button.second));
        typedDisplays.push_back(text("Display"));
    }
    EXPECT_EQ(clickedDisplays, typedDisplays);
    EXPECT_EQ(clickedTape, tape());
    EXPECT_EQ(tape().back(), Padded("MC"));
}

TEST_F(CalculatorPageTest, RegionalSeparatorKeyStartsTheDecimalsLikeThePoint) {
    const struct {
        const char* keys;
        const char* display;
    } cases[] = {
        {"12,5", "12,50 "}, // the comma keyboard's decimal key
        {"12.5", "12,50 "}, // the point still works
        {"1,2,3", "1,23 "}, // a second separator is refused
        {"1234,5+1=", "1.235,50 "},
    };
    start(",", ".");
    send(R"(["page","Calc"])");
    EXPECT_EQ(text("Button_Dec"), ",");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        type(std::string("\x0c\x0c") + c.keys); // C C clears all first
        EXPECT_EQ(text("Display"), c.display);
    }
    type("\x0c\x0c");
    for (const char* button : {"Button_1", "Button_Dec", "Button_5"})
        send(R"(["click",)" + quoted(button) + "]");
    EXPECT_EQ(text("Display"), "1,50 ");
}

TEST_F(CalculatorPageTest, UnguardedFaultIsReportedAndTheNextKeyWorks) {
    const struct {
        std::string before;
        const char* failing;
        std::string lastLine; // written by the failing step, before padding
        const char* message;
        const char* next;
        const char* nextDisplay;
    } cases[] = {
        {"5/0", "%", "0.00 %/", "Floating point division by zero.", "7=", "0.71 "},
        {"0/0", "%", "0.00 %/", "Invalid floating point operation.", "4+1=", "1.00 "},
        {"99999999999999" + std::string(22, '*'), "*", "99,999,999,999,999.00  *",
         "Floating point overflow.", "0=", "0.00 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        open();
        type(c.before);
        const std::string shown = text("Display");
        send(R"(["focus","Button_7"])");
        type(c.failing);
        ASSERT_EQ(lastEvents().size(), 1);
        EXPECT_EQ(lastEvents()[0].toObject()["title"].toString().toStdString(), "Kelvane");
        EXPECT_EQ(lastEvents()[0].toObject()["text"].toString().toStdString(), c.message);
        EXPECT_EQ(text("Display"), shown);
        EXPECT_TRUE(control("Button_7")["focused"].toBool());
        EXPECT_EQ(tape().back(), Padded(c.lastLine));
        // The next key, typed while the button still holds the focus, is entered once
        // and takes the focus off the button.
        type(c.next);
        EXPECT_EQ(text("Display"), c.nextDisplay);
        EXPECT_FALSE(control("Button_7")["focused"].toBool());
    }
}

TEST_F(CalculatorPageTest, CloseKeysCloseTheWindowThroughItsClosePath) {
    for (const char* key : {"Escape", "Ctrl+A"}) {
        SCOPED_TRACE(key);
        open();
        send(R"(["key",)" + quoted(key) + "]");
        EXPECT_EQ(eventTypes(), (std::vector<std::string>{"confirm", "closed"}));
    }
}

TEST_F(CalculatorPageTest, KeysTypedOnOtherPagesNeverReachTheCalculator) {
    start();
    for (const char* command :
         {R"(["focus","RDiaEdit"])", R"(["type","5+3=%\u0004\u000c\r"])", R"(["key","Escape"])",
          R"(["page","M/I"])", R"(["focus","MIConvEdit"])", R"(["type","7\u000c\u0001"])"}) {
        send(command);
        EXPECT_TRUE(lastEvents().isEmpty()) << command; // no close request among them
    }
    send(R"(["page","Calc"])");
    EXPECT_EQ(text("Display"), "0.00 ");
    EXPECT_TRUE(tape().empty());
    EXPECT_FALSE(control("Button_MR")["visible"].toBool());
}

TEST_F(CalculatorPageTest, TapeKeepsItsLatestLineInView) {
    open();
    for (int i = 0; i < 30; ++i)
        type("1+");
    auto* ticket = session_->window()->findChild<QPlainTextEdit*>(QStringLiteral("ScreenTicket"));
    ASSERT_NE(ticket, nullptr);
    EXPECT_GT(ticket->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(ticket->verticalScrollBar()->value(), ticket->verticalScrollBar()->maximum());
}

} // namespace
} // namespace kelvane::testing
