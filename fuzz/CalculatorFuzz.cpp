// Fuzzes the desk calculator's engine with streams of key codes.
// Input: one byte choosing the regional separators, then one key per byte. A byte below
// 128 is the key code itself (most codes are no calculator key and only enter the key
// history); a byte from 128 up picks one of the calculator's own keys, so that long
// meaningful sequences are common.

#include "FuzzChecks.h"

#include "calculator/CalculatorEngine.h"
#include "common/KelvaneError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace kelvane::fuzz {
namespace {

constexpr std::array<char, 27> kKeys = {'0',
                                        '1',
                                        '2',
                                        '3',
                                        '4',
                                        '5',
                                        '6',
                                        '7',
                                        '8',
                                        '9',
                                        '.',
                                        '+',
                                        '-',
                                        '*',
                                        '/',
                                        '=',
                                        '%',
                                        CalculatorKey::CloseCtrlA,
                                        CalculatorKey::MemoryClear,
                                        CalculatorKey::MemoryRecall,
                                        CalculatorKey::MemoryAdd,
                                        CalculatorKey::MemorySubtract,
                                        CalculatorKey::Backspace,
                                        CalculatorKey::Clear,
                                        CalculatorKey::Enter,
                                        CalculatorKey::Escape,
                                        ','};

constexpr std::size_t kFieldWidth = 14;

void CheckTapeLine(const std::string& line) {
    Check(characterCount(line) >= kFieldWidth, "a tape line fills the field width", line);
    Check(!HasNanOrInfText(line), "no NaN or infinity on the tape", line);
}

// Half a unit of the last digit the display keeps: two decimals, or fourteen significant
// digits when the integer part is longer than twelve digits.
double HalfUnitOfLastKeptDigit(std::string_view plain) {
    const auto exponentAt = plain.find('E');
    if (exponentAt != std::string_view::npos)
        return 0.5 * std::pow(10.0, std::stoi(std::string(plain.substr(exponentAt + 1))) - 13);
    const auto point = plain.find('.');
    const auto integerDigits = static_cast<int>(point - (plain[0] == '-' ? 1 : 0));
    return 0.5 * std::pow(10.0, std::max(-2, integerDigits - 14));
}

void CheckState(const CalculatorEngine& engine, const Separators& separators,
                const std::optional<bool>& memoryButtons) {
    for (const double value : {engine.displayValue(), engine.accumulator(), engine.memory(),
                               engine.entryValue(), engine.lastOperand()})
        Check(std::isfinite(value), "every stored value is finite", engine.displayText());

    const std::string& display = engine.displayText();
    Check(!HasNanOrInfText(display), "no NaN or infinity on the display", display);
    if (display != "Error") {
        Check(display.size() >= 2 && display.back() == ' ' && display[display.size() - 2] != ' ',
              "the display ends in one blank", display);
        const std::string number = display.substr(0, display.size() - 1);
        Check(IsCalcNumberText(number, separators), "the display is a formatted number", display);
        const std::string plain = PlainNumber(number, separators);
        const double shown = std::strtod(plain.c_str(), nullptr);
        const double value = engine.displayValue();
        Check(std::fabs(shown - value) <=
                  HalfUnitOfLastKeptDigit(plain) * (1 + 1e-9) + std::fabs(value) * 1e-15,
              "the display shows the display value", display);
    }

    // Digits go in only while the entry is at most the field width long. A fault in a
    // percent step leaves the entry but starts the integer part afresh, so a further
    // separator may follow; the entry still holds nothing else.
    const std::string& entry = engine.entryText();
    std::size_t digits = 0;
    for (std::size_t i = 0; i < entry.size();) {
        if (entry[i] >= '0' && entry[i] <= '9') {
            ++digits;
            ++i;
        } else {
            Check(std::string_view(entry).substr(i).starts_with(separators.decimal),
                  "the entry holds digits and decimal separators only", entry);
            i += separators.decimal.size();
        }
    }
    Check(digits <= kFieldWidth + 1, "the entry takes no more digits than the field width allows",
          entry);

    Check(engine.tapeRule() == std::string(kFieldWidth, '-'), "the rule is full width",
          engine.tapeRule());
    if (memoryButtons)
        Check(*memoryButtons == (engine.memory() != 0), "the memory buttons follow the memory",
              display);
}

} // namespace
} // namespace kelvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvane;
    using namespace kelvane::fuzz;
    if (size == 0)
        return 0;
    const Separators separators = SeparatorsFor(data[0]);
    std::optional<bool> memoryButtons;
    CalculatorEngine engine(separators,
                            {[](const std::string& line) { CheckTapeLine(line); },
                             [&memoryButtons](bool visible) { memoryButtons = visible; },
                             {}});
    engine.setUp("Kelvane");
    CheckState(engine, separators, memoryButtons);

    for (std::size_t i = 1; i < size; ++i) {
        const char key =
            data[i] >= 128 ? kKeys[(data[i] - 128u) % kKeys.size()] : static_cast<char>(data[i]);
        try {
            engine.pressKey(key);
        } catch (const Error& error) {
            const std::string message = error.what();
            Check(message == "Floating point division by zero" ||
                      message == "Invalid floating point operation" ||
                      message == "Floating point overflow",
                  "only the three arithmetic faults escape", message);
        }
        CheckState(engine, separators, memoryButtons);
    }
    return 0;
}
