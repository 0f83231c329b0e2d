#include "CalculatorTestKeys.h"

#include "common/KelvaneError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace kelvane {
namespace {

// A second, deliberately plain reading of the adding machine's rules, kept apart from
// the engine: its own arithmetic on doubles (the percent step in extended precision, as
// the machine does it) and its own formatting (printf digits, rounded by hand), good for
// values below 10^12 only. `plain` turns false when a value outside that range is shown.
struct AddingMachineModel {
    std::vector<std::string> tape{"       Kelvane", "              ", calctest::kRule};
    std::string display = "0.00 ", entry, fault;
    double entryValue = 0, accumulator = 0, lastOperand = 0, memory = 0, shown = 0;
    char pending = ' ', key = ' ', previous = ' ';
    int decimals = -1; // -1 while typing the integer part
    bool plain = true;

    void Write(const std::string& text, bool rule = false) {
        tape.push_back(std::string(text.size() < 14 ? 14 - text.size() : 0, ' ') + text);
        if (rule)
            tape.push_back(calctest::kRule);
    }
    std::string Format(double v) {
        plain = plain && std::fabs(v) < 1e12;
        if (!plain)
            return {};
        char digits[128];
        std::snprintf(digits, sizeof digits, "%.70f", std::fabs(v));
        const std::string s = digits;
        const auto point = s.find('.');
        const long long cents = std::atoll(s.substr(0, point).c_str()) * 100 +
                                std::atoll(s.substr(point + 1, 2).c_str()) + (s[point + 3] >= '5');
        std::string whole = std::to_string(cents / 100);
        for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
            whole.insert(static_cast<std::size_t>(at), ",");
        const std::string fraction = std::to_string(100 + cents % 100).substr(1);
        return (v < 0 && cents != 0 ? "-" : "") + whole + "." + fraction;
    }
    void Show(double v) {
        shown = v;
        display = Format(v) + " ";
    }
    void EndEntry() {
        entry.clear();
        decimals = -1;
    }
    bool IsOperator(char k) { return std::string("+-*/=").find(k) != std::string::npos; }
    std::string Code(char op) { return std::string(1, IsOperator(op) ? op : ' '); }

    void Press(char pressed) {
        previous = key;
        key = pressed == 13 ? '=' : pressed;
        fault.clear();
        if (key >= '0' && key <= '9') {
            if (decimals == 2)
                return;
            if (entry.size() <= 14) {
                entry += key;
                decimals += decimals >= 0;
            }
            Show(entryValue = std::strtod(entry.c_str(), nullptr));
        } else if (key == '.' && decimals < 0) {
            entry += '.';
            decimals = 0;
            Show(entryValue = std::strtod(entry.c_str(), nullptr));
        } else if (key == 8) {
            if (!entry.empty() && entry.back() == '.')
                entry.erase(entry.size() - std::min<std::size_t>(2, entry.size())), decimals = -1;
            else if (!entry.empty())
                entry.pop_back(), decimals -= decimals > 0;
            Show(entryValue = std::strtod(entry.c_str(), nullptr));
        } else if (key == 12) {
            const bool all = previous == 12;
            EndEntry();
            entryValue = 0;
            if (all)
                accumulator = lastOperand = 0, pending = ' ';
            Show(0);
            if (all)
                Write("C", true);
        } else if (IsOperator(key)) {
            decimals = -1;
            if (IsOperator(previous))
                Show(entryValue = lastOperand);
            Write(display + " " + Code(pending));
            const bool byZero = pending == '/' && entryValue == 0;
            accumulator = pending == '+'   ? accumulator + entryValue
                          : pending == '-' ? accumulator - entryValue
                          : pending == '*' ? accumulator * entryValue
                          : pending == '/' ? (byZero ? 0 : accumulator / entryValue)
                                           : entryValue;
            lastOperand = entryValue;
            entryValue = 0;
            entry.clear();
            pending = key == '=' ? ' ' : key;
            Show(accumulator);
            if (byZero)
                display = "Error";
            if (key == '=')
                Write(display + " =", true);
        } else if (key == '%') {
            decimals = -1;
            Write(display + "%" + Code(pending));
            if (pending == '/' && entryValue == 0) {
                fault = accumulator == 0 ? "Invalid floating point operation"
                                         : "Floating point division by zero";
                return;
            }
            // The percent step keeps its intermediate results in extended precision.
            const long double a = accumulator, part = a * entryValue / 100;
            accumulator = static_cast<double>(pending == '+'   ? a + part
                                              : pending == '-' ? a - part
                                              : pending == '*' ? part
                                              : pending == '/' ? a / entryValue / 100
                                                               : entryValue);
            pending = ' ';
            entry.clear();
            Show(accumulator);
            lastOperand = entryValue;
            entryValue = accumulator;
            accumulator = 0;
            Write(display + "%=", true);
        } else if (key == 4 || key == 5) {
            memory += key == 4 ? shown : -shown;
            Write(display + (key == 4 ? "M+" : "M-"));
            pending = ' ';
            EndEntry();
        } else if (key == 3) {
            Show(memory);
            Write(display + "MR");
        } else if (key == 2) {
            Write("MC");
            memory = 0;
        }
    }
};

std::string SwapPointAndComma(std::string text) {
    for (char& c : text)
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    return text;
}

void RunRandomSequences(bool commaDecimal, unsigned firstSeed, unsigned seeds) {
    static const char keys[] = "0123456789012345678901234567890123456789....++--**//==%%\b\b"
                               "\x0c\x0c\x02\x03\x03\x04\x04\x05\r\x1bx";
    std::size_t keysCompared = 0, keysTyped = 0;
    for (unsigned seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        std::mt19937 random(seed);
        std::uniform_int_distribution<std::size_t> pick(0, sizeof keys - 2);
        calctest::CapturedCalculator calc(commaDecimal ? Separators{",", "."} : Separators{});
        AddingMachineModel model;
        for (int step = 0; step < 80; ++step) {
            const char key = keys[pick(random)];
            ++keysTyped;
            model.Press(key);
            if (!model.plain)
                break;
            std::string fault;
            try {
                calc.engine.pressKey(key);
            } catch (const Error& error) {
                fault = error.what();
            }
            ASSERT_EQ(fault, model.fault) << "seed " << seed << " step " << step;
            const auto local = [&](const std::string& t) {
                return commaDecimal ? SwapPointAndComma(t) : t;
            };
            ASSERT_EQ(calc.engine.displayText(), local(model.display))
                << "seed " << seed << " step " << step << " key " << int(key);
            ASSERT_EQ(calc.tape.size(), model.tape.size()) << "seed " << seed << " step " << step;
            for (std::size_t i = 0; i < model.tape.size(); ++i)
                ASSERT_EQ(calc.tape[i], local(model.tape[i])) << "seed " << seed << " line " << i;
            ASSERT_EQ(calc.memoryButtons, model.memory != 0) << "seed " << seed << " step " << step;
            ++keysCompared;
        }
    }
    // Most keys must have been compared, not cut off by the plain-range limit.
    EXPECT_GT(keysCompared, keysTyped * 3 / 4);
}

TEST(CalculatorModelTest, RandomKeysMatchThePlainModel) {
    RunRandomSequences(false, 1, 400);
}

TEST(CalculatorModelTest, RandomKeysMatchThePlainModelWithCommaDecimal) {
    RunRandomSequences(true, 1001, 200);
}

} // namespace
} // namespace kelvane
