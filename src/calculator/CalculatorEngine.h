#pragma once

#include "calculator/CalculatorTape.h"
#include "common/KeyCodes.h"
#include "common/Separators.h"

#include <functional>
#include <string>

namespace kelvane {

// Key codes of the calculator that are not the printable characters "0" to "9", ".",
// "+", "-", "*", "/", "=" and "%". They are what Ctrl+letter produces on the keyboard
// and what the memory and C buttons carry.
struct CalculatorKey {
    static constexpr char CloseCtrlA = 1;
    static constexpr char MemoryClear = 2;    // Ctrl+B, MC
    static constexpr char MemoryRecall = 3;   // Ctrl+C, MR
    static constexpr char MemoryAdd = 4;      // Ctrl+D, M +
    static constexpr char MemorySubtract = 5; // Ctrl+E, M -
    static constexpr char Backspace = static_cast<char>(kBackspaceKey);
    static constexpr char Clear = 12;                           // Ctrl+L, C
    static constexpr char Enter = static_cast<char>(kEnterKey); // handled as "="
    static constexpr char Escape = static_cast<char>(kEscapeKey);
    static constexpr char Blank = ' '; // no key yet, no pending operator
};

// The key code a typed character gives the calculator. The regional decimal
// separator key starts the decimals as the "." key does, so a comma keyboard's
// decimal key works; a character beyond the single-byte range stands for no key.
char calculatorKeyCode(char32_t typed, const Separators& separators);

// Where the calculator's effects go outside its own state. Any of them may be empty.
struct CalculatorSinks {
    TapeLineSink tapeLine;                                  // finished, padded tape lines
    std::function<void(bool visible)> memoryButtonsVisible; // MR and MC shown or hidden
    std::function<void()> closeRequest;                     // the window is asked to close
};

// The desk calculator: a left-to-right adding machine with percent, one memory and a
// running tape, driven by single key codes. It knows nothing of windows; the page feeds
// it keys and shows displayText after each one.
class CalculatorEngine {
public:
    CalculatorEngine(Separators separators, CalculatorSinks sinks);

    // The start-up sequence: 2 decimals and 14 columns, a fresh tape rule, all clear,
    // memory clear, the tape's opening lines under `windowCaption`, both keys blank.
    void setUp(const std::string& windowCaption);

    // Handles one key code (Enter counts as "="). Codes outside the calculator's keys
    // change nothing but the key history. Throws kelvane::Error on an arithmetic fault
    // the calculator does not guard against (a division by zero or invalid operation in
    // a percent step, a result beyond the range of a double): the step's tape line is
    // then already written and the arithmetic's results are left as they were.
    void pressKey(char key);

    // Puts a value on the display and shows the memory buttons while the memory is not 0.
    void showValue(double value);
    // Clears everything but the memory; the display reads "0.00 ".
    void clearAll();
    // Sets the memory to 0 and hides the memory buttons.
    void clearMemory();

    const std::string& displayText() const { return displayText_; }
    const std::string& entryText() const { return entryText_; }
    double lastOperand() const { return lastOperand_; }
    double entryValue() const { return entryValue_; }
    double accumulator() const { return accumulator_; }
    double memory() const { return memory_; }
    char pendingOp() const { return pendingOp_; }
    int fieldWidth() const { return fieldWidth_; }
    int decimals() const { return decimals_; }
    double displayValue() const { return displayValue_; }
    char currentKey() const { return currentKey_; }
    char previousKey() const { return previousKey_; }
    bool integerPart() const { return integerPart_; }
    int decimalCount() const { return decimalCount_; }
    const std::string& tapeRule() const { return tape_.tapeRule(); }

private:
    void enterDigit(char digit);
    void enterDecimalSeparator();
    void deleteLastCharacter();
    void clearEntryOrAll();
    void applyOperator(char key);
    void applyPercent();
    void changeMemory(bool subtract);
    void recallMemory();
    void clearMemoryKey();

    double readEntry() const;
    bool entryEndsWithSeparator() const;
    // Removes the entry's last character: one digit, or the whole decimal separator.
    void removeLastEntryCharacter();
    // Characters in the entry, a separator counting as one.
    std::size_t entryLength() const;
    void resetEntryBookkeeping();
    void showMemoryButtons();
    void addTapeLine(const std::string& text, bool withRule);

    Separators separators_;
    CalculatorSinks sinks_;
    CalculatorTape tape_;

    std::string displayText_;
    std::string entryText_;
    double lastOperand_ = 0;
    double entryValue_ = 0;
    double accumulator_ = 0;
    double memory_ = 0;
    char pendingOp_ = 0;
    int fieldWidth_ = 0;
    int decimals_ = 0;
    double displayValue_ = 0;

    char currentKey_ = 0;
    char previousKey_ = 0;
    bool integerPart_ = false;
    int decimalCount_ = 0;
};

} // namespace kelvane
