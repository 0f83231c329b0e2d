#pragma once

#include "calculator/CalculatorTape.h"
#include "common/Separators.h"

#include <functional>
#include <string>

namespace kelvane {

// Key codes of the calculator that are not the printable characters "0" to "9", ".",
// "+", "-", "*", "/", "=" and "%". They are what Ctrl+letter produces on the keyboard
// and what the memory and C buttons carry.
struct CalcKey {
    static constexpr char CloseCtrlA = 1;
    static constexpr char MemoryClear = 2;    // Ctrl+B, MC
    static constexpr char MemoryRecall = 3;   // Ctrl+C, MR
    static constexpr char MemoryAdd = 4;      // Ctrl+D, M +
    static constexpr char MemorySubtract = 5; // Ctrl+E, M -
    static constexpr char Backspace = 8;
    static constexpr char Clear = 12; // Ctrl+L, C
    static constexpr char Enter = 13; // handled as "="
    static constexpr char Escape = 27;
    static constexpr char Blank = ' '; // no key yet, no pending operator
};

// Where the calculator's effects go outside its own state. Any of them may be empty.
struct CalculatorSinks {
    TapeLineSink tapeLine;                                  // finished, padded tape lines
    std::function<void(bool visible)> memoryButtonsVisible; // MR and MC shown or hidden
    std::function<void()> closeRequest;                     // the window is asked to close
};

// The desk calculator: a left-to-right adding machine with percent, one memory and a
// running tape, driven by single key codes. It knows nothing of windows; the page feeds
// it keys and shows DisplayText after each one.
class CalculatorEngine {
public:
    CalculatorEngine(Separators separators, CalculatorSinks sinks);

    // The start-up sequence: 2 decimals and 14 columns, a fresh tape rule, all clear,
    // memory clear, the tape's opening lines under `windowCaption`, both keys blank.
    void SetUp(const std::string& windowCaption);

    // Handles one key code (Enter counts as "="). Codes outside the calculator's keys
    // change nothing but the key history. Throws kelvane::Error on an arithmetic fault
    // the calculator does not guard against (a division by zero or invalid operation in
    // a percent step, a result beyond the range of a double): the step's tape line is
    // then already written and the arithmetic's results are left as they were.
    void PressKey(char key);

    // Puts a value on the display and shows the memory buttons while the memory is not 0.
    void ShowValue(double value);
    // Clears everything but the memory; the display reads "0.00 ".
    void ClearAll();
    // Sets the memory to 0 and hides the memory buttons.
    void ClearMemory();

    const std::string& DisplayText() const { return displayText_; }
    const std::string& EntryText() const { return entryText_; }
    double LastOperand() const { return lastOperand_; }
    double EntryValue() const { return entryValue_; }
    double Accumulator() const { return accumulator_; }
    double Memory() const { return memory_; }
    char PendingOp() const { return pendingOp_; }
    int FieldWidth() const { return fieldWidth_; }
    int Decimals() const { return decimals_; }
    double DisplayValue() const { return displayValue_; }
    char CurrentKey() const { return currentKey_; }
    char PreviousKey() const { return previousKey_; }
    bool IntegerPart() const { return integerPart_; }
    int DecimalCount() const { return decimalCount_; }
    const std::string& TapeRule() const { return tape_.TapeRule(); }

private:
    void EnterDigit(char digit);
    void EnterDecimalSeparator();
    void DeleteLastCharacter();
    void ClearEntryOrAll();
    void ApplyOperator(char key);
    void ApplyPercent();
    void ChangeMemory(bool subtract);
    void RecallMemory();
    void ClearMemoryKey();

    double ReadEntry() const;
    bool EntryEndsWithSeparator() const;
    // Removes the entry's last character: one digit, or the whole decimal separator.
    void RemoveLastEntryCharacter();
    // Characters in the entry, a separator counting as one.
    std::size_t EntryLength() const;
    void ResetEntryBookkeeping();
    void ShowMemoryButtons();
    void AddTapeLine(const std::string& text, bool withRule);

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
