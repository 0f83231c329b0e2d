#include "CalculatorTestKeys.h"

#include "common/KelvaneError.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using calctest::CapturedCalculator;
using calctest::kRule;

struct SequenceCase {
    const char* keys;
    const char* display;
    const char* entryText;         // nullptr: not checked
    std::vector<std::string> tape; // lines after the opening ones
};

TEST(CalculatorEngineTest, StartUpOpensTheTapeAndClears) {
    CapturedCalculator calc;
    const std::vector<std::string> opening = {"       Kelvane", "              ", kRule};
    EXPECT_EQ(calc.tape, opening);
    EXPECT_EQ(calc.engine.displayText(), "0.00 ");
    EXPECT_EQ(calc.memoryButtons, false);
    EXPECT_EQ(calc.engine.tapeRule(), kRule);
    EXPECT_EQ(calc.engine.currentKey(), ' ');
    EXPECT_EQ(calc.engine.previousKey(), ' ');
    EXPECT_EQ(calc.engine.pendingOp(), ' ');
    EXPECT_TRUE(calc.engine.integerPart());
    EXPECT_EQ(calc.engine.fieldWidth(), 14);
    EXPECT_EQ(calc.engine.decimals(), 2);
}

TEST(CalculatorEngineTest, KeySequencesGiveDisplayAndTape) {
    const std::string R = kRule;
    const SequenceCase cases[] = {
        {"12 + 5 =", "17.00 ", "", {"      12.00   ", "       5.00  +", "      17.00  =", R}},
        {"2 * =", "4.00 ", nullptr, {"       2.00   ", "       2.00  *", "       4.00  =", R}},
        {"2 + 3 + +", "8.00 ", nullptr, {"       2.00   ", "       3.00  +", "       3.00  +"}},
        {"2 / =", "1.00 ", nullptr, {"       2.00   ", "       2.00  /", "       1.00  =", R}},
        {"2 * 3 = =",
         "3.00 ",
         nullptr,
         {"       2.00   ", "       3.00  *", "       6.00  =", R, "       3.00   ",
          "       3.00  =", R}},
        {"2 * 3 Enter Enter",
         "3.00 ",
         nullptr,
         {"       2.00   ", "       3.00  *", "       6.00  =", R, "       3.00   ",
          "       3.00  =", R}},
        {"2 * 3 = + 4 =",
         "7.00 ",
         nullptr,
         {"       2.00   ", "       3.00  *", "       6.00  =", R, "       3.00   ",
          "       4.00  +", "       7.00  =", R}},
        {"2 + x + =",
         "2.00 ",
         nullptr,
         {"       2.00   ", "       2.00  +", "       0.00  +", "       2.00  =", R}},
        {"3 - 5 =", "-2.00 ", nullptr, {"       3.00   ", "       5.00  -", "      -2.00  =", R}},
        {"200 + 10 % + 5 =",
         "225.00 ",
         nullptr,
         {"     200.00   ", "      10.00 %+", "     220.00 %=", R, "     220.00   ",
          "       5.00  +", "     225.00  =", R}},
        {"50 / 200 %", "0.00 ", nullptr, {"      50.00   ", "     200.00 %/", "       0.00 %=", R}},
        {"50 - 10 %", "45.00 ", nullptr, {"      50.00   ", "      10.00 %-", "      45.00 %=", R}},
        {"50 * 10 %", "5.00 ", nullptr, {"      50.00   ", "      10.00 %*", "       5.00 %=", R}},
        {"10 % 5", "5.00 ", "5", {"      10.00 % ", "      10.00 %=", R}},
        {"5 / 0 =", "Error", "", {"       5.00   ", "       0.00  /", "       Error =", R}},
        {"5 / 0 = 7", "7.00 ", "7", {"       5.00   ", "       0.00  /", "       Error =", R}},
        {"5 / 0 + 3 =",
         "3.00 ",
         nullptr,
         {"       5.00   ", "       0.00  /", "       3.00  +", "       3.00  =", R}},
        {"1.239", "1.23 ", "1.23", {}},
        {"1.239 BS", "1.20 ", "1.2", {}},
        {"1.239 BS 5", "1.25 ", "1.25", {}},
        {"0.0.5", "0.05 ", "0.05", {}},
        {"1,5", "15.00 ", "15", {}}, // the comma key is no calculator key
        {"1234567890123456", "1.2345678901235E14 ", "123456789012345", {}},
        {"12345678901234", "12,345,678,901,234.00 ", nullptr, {}},
        {"12. BS", "1.00 ", "1", {}},
        {". BS 7", "7.00 ", "7", {}},
        {"2 + 3 C 4 =",
         "6.00 ",
         nullptr,
         {"       2.00   ", "       4.00  +", "       6.00  =", R}},
        {"2 + 3 C C 4 =",
         "4.00 ",
         nullptr,
         {"       2.00   ", "             C", R, "       4.00   ", "       4.00  =", R}},
        {"C C C", "0.00 ", "", {"             C", R, "             C", R}},
        {"2 * 3 = M+ MC",
         "6.00 ",
         nullptr,
         {"       2.00   ", "       3.00  *", "       6.00  =", R, "       6.00 M+",
          "            MC"}},
        {"5 M+ C C 3 + MR =",
         "3.00 ",
         nullptr,
         {"       5.00 M+", "             C", R, "       3.00   ", "       5.00 MR",
          "       5.00  +", "       3.00  =", R}},
        {"1.5 M+ 2.5", "2.50 ", "2.5", {"       1.50 M+"}},
        {"5 M- MR", "-5.00 ", nullptr, {"       5.00 M-", "      -5.00 MR"}},
        {"MR", "0.00 ", nullptr, {"       0.00 MR"}},
        {"1234567 =", "1,234,567.00 ", nullptr, {"1,234,567.00   ", "1,234,567.00  =", R}},
    };
    for (const auto& c : cases) {
        CapturedCalculator calc;
        calc.tape.clear();
        calc.Type(c.keys);
        EXPECT_EQ(calc.engine.displayText(), c.display) << c.keys;
        if (c.entryText) {
            EXPECT_EQ(calc.engine.entryText(), c.entryText) << c.keys;
        }
        EXPECT_EQ(calc.tape, c.tape) << c.keys;
    }
}

TEST(CalculatorEngineTest, ResultsKeptBehindTheDisplay) {
    CapturedCalculator calc;
    calc.Type("50 / 200 %");
    EXPECT_EQ(calc.engine.entryValue(), 0.0025); // waits as the entry of a new chain
    EXPECT_EQ(calc.engine.accumulator(), 0);
    EXPECT_EQ(calc.engine.lastOperand(), 200);
    calc.Type("5 / 0 =");
    EXPECT_EQ(calc.engine.accumulator(), 0);
    EXPECT_EQ(calc.engine.displayValue(), 0);
}

TEST(CalculatorEngineTest, MemoryButtonsFollowTheMemory) {
    const std::pair<const char*, bool> steps[] = {
        {"2 * 3 = M+", true}, {"MC", false}, {"5 M-", true}, {"M+", false}, {"MR", false}};
    CapturedCalculator calc;
    for (const auto& [keys, visible] : steps) {
        calc.Type(keys);
        EXPECT_EQ(calc.memoryButtons, visible) << keys;
    }
    EXPECT_EQ(calc.engine.memory(), 0);
}

TEST(CalculatorEngineTest, CloseKeysRequestCloseAndLeaveTheState) {
    CapturedCalculator calc;
    calc.Type("2 + 3");
    const auto tapeBefore = calc.tape;
    calc.Type("Esc ^A");
    EXPECT_EQ(calc.closeRequests, 2);
    EXPECT_EQ(calc.tape, tapeBefore);
    EXPECT_EQ(calc.engine.displayText(), "3.00 ");
    EXPECT_EQ(calc.engine.previousKey(), CalculatorKey::Escape);
}

TEST(CalculatorEngineTest, RegionalDecimalSeparator) {
    CapturedCalculator comma(Separators{",", "."});
    comma.Type("1234.5");
    EXPECT_EQ(comma.engine.entryText(), "1234,5");
    EXPECT_EQ(comma.engine.displayText(), "1.234,50 ");
    comma.Type("BS BS 7");
    EXPECT_EQ(comma.engine.entryText(), "1237");

    // A two-byte separator counts as one character of the entry.
    CapturedCalculator arabic(Separators{"\u066B", "\u066C"});
    arabic.Type("1234567890123.59");
    EXPECT_EQ(arabic.engine.entryText(), "1234567890123\u066B5");
    EXPECT_EQ(arabic.engine.displayText(), "1\u066C234\u066C567\u066C890\u066C123\u066B50 ");
    arabic.Type("BS BS");
    EXPECT_EQ(arabic.engine.entryText(), "123456789012");
    EXPECT_TRUE(arabic.engine.integerPart());
}

// Writes a text given with "." and "," in the separators under test.
std::string WithSeparators(std::string_view text, const Separators& separators) {
    std::string out;
    for (const char c : text)
        out += c == '.' ? separators.decimal : c == ',' ? separators.thousands : std::string(1, c);
    return out;
}

TEST(CalculatorEngineTest, MultiByteSeparatorsCountAsOneCharacter) {
    struct Case {
        const char* keys; // a "%" with "/" pending and a zero entry faults; typing goes on
        const char* entry;
        const char* display;
        const char* lastTapeLine; // nullptr: not checked
    };
    const Case cases[] = {
        // A fault in the percent step lets a second separator in; Backspace then removes
        // both whole, never half of one.
        {"/ . % . BS", "", "0.00 ", nullptr},
        {"12.5 BS BS 7", "17", "17.00 ", nullptr},
        {"123456789012.345", "123456789012.34", "123,456,789,012.34 ", nullptr},
        {"1234.5 +", "", "1,234.50 ", "   1,234.50   "},
    };
    const Separators multiByte[] = {{"\u066B", "\u066C"}, {"\u2396", "\u202F"}};
    for (const Separators& separators : multiByte) {
        for (const Case& c : cases) {
            SCOPED_TRACE(separators.decimal + " " + c.keys);
            CapturedCalculator calc(separators);
            std::istringstream tokens{std::string(c.keys)};
            for (std::string token; tokens >> token;) {
                try {
                    calc.Type(token);
                } catch (const Error&) { // the state it leaves is what the next key meets
                }
            }
            EXPECT_EQ(calc.engine.entryText(), WithSeparators(c.entry, separators));
            EXPECT_EQ(calc.engine.displayText(), WithSeparators(c.display, separators));
            if (c.lastTapeLine) {
                EXPECT_EQ(calc.tape.back(), WithSeparators(c.lastTapeLine, separators));
            }
        }
    }
}

// Chains of squarings that leave about 10^300 and 10^308 in the accumulator with "*"
// pending; "100 %" turns each square into the entry of a new chain.
constexpr const char* kNear1e300 = "2371373705 * * 100 % * * 100 % * * 100 % * * 100 % * *";
constexpr const char* kNear1e308 = "4216965034 * * 100 % * * 100 % * * 100 % * * 100 % * *";

TEST(CalculatorEngineTest, PercentProductMayPassTheDoubleRange) {
    // About 10^300 × 999999999 is beyond a double, but the step's result is not.
    CapturedCalculator calc;
    calc.Type(std::string(kNear1e300) + " 999999999 %");
    EXPECT_EQ(calc.engine.displayText(), "9.9999999007143E306 ");
}

struct FaultCase {
    std::string setup;
    const char* failingKey;
    const char* message;
    const char* tapeLine;  // written before the fault; nullptr for none
    bool bookkeepingReset; // operator and percent steps reset integerPart first
    const char* nextKeys;
    const char* nextDisplay;
};

TEST(CalculatorEngineTest, UnguardedFaultsLeaveTheArithmeticUntouched) {
    const FaultCase cases[] = {
        {"5 / 0", "%", "Floating point division by zero", "       0.00 %/", true, "2 %", "0.03 "},
        {"0 / 0.0", "%", "Invalid floating point operation", "       0.00 %/", true, "=", "Error"},
        {std::string(kNear1e300) + " 999999999", "=", "Floating point overflow",
         "999,999,999.00  *", true, "C 10 =", "9.9999999107143E300 "},
        {std::string(kNear1e300) + " 999999999999999", "%", "Floating point overflow",
         "       1E15 %*", true, "C 1 %", "9.9999999107143E297 "},
        {std::string(kNear1e308) + " M+ 1 + 1.5 MR", "M+", "Floating point overflow", nullptr,
         false, "5 =", "2.55 "},
        {std::string(kNear1e308) + " M-", "M-", "Floating point overflow", nullptr, false, "MR",
         "-9.9999999783107E307 "},
    };
    for (const auto& c : cases) {
        CapturedCalculator calc;
        calc.Type(c.setup);
        const CalculatorEngine before = calc.engine;
        const auto tapeBefore = calc.tape;
        try {
            calc.Type(c.failingKey);
            ADD_FAILURE() << "no fault: " << c.setup << " " << c.failingKey;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.message) << c.setup;
        }
        const CalculatorEngine& after = calc.engine;
        auto expectedTape = tapeBefore;
        if (c.tapeLine)
            expectedTape.push_back(c.tapeLine);
        EXPECT_EQ(calc.tape, expectedTape) << c.setup;
        EXPECT_EQ(after.accumulator(), before.accumulator()) << c.setup;
        EXPECT_EQ(after.memory(), before.memory()) << c.setup;
        EXPECT_EQ(after.pendingOp(), before.pendingOp()) << c.setup;
        EXPECT_EQ(after.entryValue(), before.entryValue()) << c.setup;
        EXPECT_EQ(after.entryText(), before.entryText()) << c.setup;
        EXPECT_EQ(after.lastOperand(), before.lastOperand()) << c.setup;
        EXPECT_EQ(after.displayValue(), before.displayValue()) << c.setup;
        EXPECT_EQ(after.displayText(), before.displayText()) << c.setup;
        EXPECT_EQ(after.previousKey(), before.currentKey()) << c.setup;
        EXPECT_EQ(after.currentKey(),
                  calctest::CapturedCalculator::NamedKey(c.failingKey).value_or(c.failingKey[0]))
            << c.setup;
        EXPECT_EQ(after.integerPart(), c.bookkeepingReset || before.integerPart()) << c.setup;
        EXPECT_EQ(after.decimalCount(), c.bookkeepingReset ? 0 : before.decimalCount()) << c.setup;

        calc.Type(c.nextKeys);
        EXPECT_EQ(calc.engine.displayText(), c.nextDisplay) << c.setup;
    }
}

TEST(CalculatorEngineTest, TypedCharacterToKeyCode) {
    const struct {
        const char* name;
        std::string decimal;
        char32_t typed;
        char key;
    } cases[] = {
        {"comma keyboard's separator", ",", U',', '.'},
        {"point where the comma is the separator", ",", U'.', '.'},
        {"comma where the point is the separator", ".", U',', ','},
        {"one-character separator beyond a byte", "\u066B", U'\u066B', '.'},
        {"a separator of two characters has no key", "\u00B7\u00B7", U'\u00B7', '\xB7'},
        {"control key", ",", 3, '\x03'},
        {"character beyond a byte", ".", U'\u20AC', '?'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(calculatorKeyCode(c.typed, Separators{c.decimal, " "}), c.key);
    }
}

} // namespace
} // namespace kelvane
