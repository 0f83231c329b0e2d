#include "calculator/CalculatorEngine.h"

#include "calculator/CalcNumberFormat.h"
#include "common/KelvaneError.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <utility>

namespace kelvane {

namespace {

constexpr const char* kDivisionByZero = "Floating point division by zero";
constexpr const char* kInvalidOperation = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";
constexpr const char* kErrorDisplay = "Error";

bool IsOperatorKey(char key) {
    return key == '+' || key == '-' || key == '*' || key == '/' || key == '=';
}

bool IsPendingOperator(char op) {
    return op == '+' || op == '-' || op == '*' || op == '/';
}

// The operator column of a tape line; nothing pending leaves it blank.
char OperatorColumn(char pendingOp) {
    return IsPendingOperator(pendingOp) ? pendingOp : CalcKey::Blank;
}

// A step's result as it is stored, or the fault it raises. The step's arithmetic may be
// done in extended precision; the stored value must fit a double, or the step fails
// before anything is stored. Every stored value is finite, so an infinite or too large
// result of finite operands is an overflow.
double StoredResult(long double result) {
    if (std::isnan(result))
        throw Error(kInvalidOperation);
    // Magnitudes from here on round to infinity: DBL_MAX plus half its last place.
    const long double overflowStart =
        static_cast<long double>(DBL_MAX) + std::ldexp(1.0L, DBL_MAX_EXP - DBL_MANT_DIG - 1);
    if (std::fabs(result) >= overflowStart)
        throw Error(kOverflow);
    return static_cast<double>(result);
}

} // namespace

CalculatorEngine::CalculatorEngine(Separators separators, CalculatorSinks sinks)
    : separators_(std::move(separators))
    , sinks_(std::move(sinks))
    , tape_(sinks_.tapeLine) {}

void CalculatorEngine::SetUp(const std::string& windowCaption) {
    decimals_ = 2;
    fieldWidth_ = 14;
    tape_.ResetRule();
    ClearAll();
    ClearMemory();
    tape_.WriteOpeningLines(windowCaption, fieldWidth_);
    currentKey_ = CalcKey::Blank;
    previousKey_ = CalcKey::Blank;
}

void CalculatorEngine::PressKey(char key) {
    previousKey_ = currentKey_;
    currentKey_ = key == CalcKey::Enter ? '=' : key;
    switch (currentKey_) {
    case CalcKey::CloseCtrlA:
    case CalcKey::Escape:
        if (sinks_.closeRequest)
            sinks_.closeRequest();
        break;
    case CalcKey::MemoryClear:
        ClearMemoryKey();
        break;
    case CalcKey::MemoryRecall:
        RecallMemory();
        break;
    case CalcKey::MemoryAdd:
        ChangeMemory(false);
        break;
    case CalcKey::MemorySubtract:
        ChangeMemory(true);
        break;
    case CalcKey::Backspace:
        DeleteLastCharacter();
        break;
    case CalcKey::Clear:
        ClearEntryOrAll();
        break;
    case '%':
        ApplyPercent();
        break;
    case '*':
    case '+':
    case '-':
    case '/':
    case '=':
        ApplyOperator(currentKey_);
        break;
    case '.': // only the period key starts the decimals, whatever the regional separator
        EnterDecimalSeparator();
        break;
    default:
        if (currentKey_ >= '0' && currentKey_ <= '9')
            EnterDigit(currentKey_);
        break;
    }
}

void CalculatorEngine::ShowValue(double value) {
    displayValue_ = value;
    displayText_ = FormatCalcNumber(value, separators_, fieldWidth_, decimals_) + " ";
    ShowMemoryButtons();
}

void CalculatorEngine::ClearAll() {
    ResetEntryBookkeeping();
    pendingOp_ = CalcKey::Blank;
    displayValue_ = 0;
    accumulator_ = 0;
    entryValue_ = 0;
    lastOperand_ = 0;
    ShowValue(entryValue_);
    entryText_.clear();
}

void CalculatorEngine::ClearMemory() {
    memory_ = 0;
    if (sinks_.memoryButtonsVisible)
        sinks_.memoryButtonsVisible(false);
}

void CalculatorEngine::EnterDigit(char digit) {
    if (!integerPart_ && decimalCount_ == decimals_)
        return; // no more decimals than the display shows
    // An entry of up to FieldWidth characters takes one more digit, so at most one
    // digit more than the display can show in fixed form.
    if (EntryLength() <= static_cast<std::size_t>(fieldWidth_)) {
        entryText_ += digit;
        if (!integerPart_)
            ++decimalCount_;
    }
    entryValue_ = ReadEntry();
    ShowValue(entryValue_);
}

void CalculatorEngine::EnterDecimalSeparator() {
    if (!integerPart_)
        return;
    integerPart_ = false;
    decimalCount_ = 0;
    entryText_ += separators_.decimal;
    entryValue_ = ReadEntry();
    ShowValue(entryValue_);
}

void CalculatorEngine::DeleteLastCharacter() {
    if (EntryEndsWithSeparator()) {
        // The separator goes together with the character before it.
        RemoveLastEntryCharacter();
        RemoveLastEntryCharacter();
        integerPart_ = true;
    } else if (!entryText_.empty()) {
        RemoveLastEntryCharacter();
        if (decimalCount_ > 0)
            --decimalCount_;
    }
    entryValue_ = entryText_.empty() ? 0 : ReadEntry();
    ShowValue(entryValue_);
}

void CalculatorEngine::ClearEntryOrAll() {
    ResetEntryBookkeeping();
    if (previousKey_ == CalcKey::Clear) {
        ClearAll();
        AddTapeLine("C", true);
        return;
    }
    entryValue_ = 0;
    entryText_.clear();
    ShowValue(entryValue_);
}

void CalculatorEngine::ApplyOperator(char key) {
    ResetEntryBookkeeping();
    // A second operator key in a row takes the last operand again (repeat add, squaring).
    if (IsOperatorKey(previousKey_)) {
        entryValue_ = lastOperand_;
        ShowValue(entryValue_);
    }
    AddTapeLine(displayText_ + ' ' + OperatorColumn(pendingOp_), false);

    bool divisionByZero = false;
    double result = entryValue_;
    switch (pendingOp_) {
    case '+':
        result = StoredResult(accumulator_ + entryValue_);
        break;
    case '-':
        result = StoredResult(accumulator_ - entryValue_);
        break;
    case '*':
        result = StoredResult(accumulator_ * entryValue_);
        break;
    case '/':
        divisionByZero = entryValue_ == 0;
        result = divisionByZero ? 0 : StoredResult(accumulator_ / entryValue_);
        break;
    default:
        break;
    }

    accumulator_ = result;
    lastOperand_ = entryValue_;
    entryValue_ = 0;
    entryText_.clear();
    pendingOp_ = key == '=' ? CalcKey::Blank : key;
    ShowValue(accumulator_);
    if (divisionByZero)
        displayText_ = kErrorDisplay; // the chain goes on from 0
    if (key == '=')
        AddTapeLine(displayText_ + " =", true);
}

void CalculatorEngine::ApplyPercent() {
    ResetEntryBookkeeping();
    AddTapeLine(displayText_ + '%' + OperatorColumn(pendingOp_), false);

    // The three operations of a percent step run in extended precision; only the
    // result has to fit a double.
    const long double accumulator = accumulator_;
    const long double percentage = entryValue_;
    double result = entryValue_;
    switch (pendingOp_) {
    case '+':
        result = StoredResult(accumulator * percentage / 100 + accumulator);
        break;
    case '-':
        result = StoredResult(accumulator - accumulator * percentage / 100);
        break;
    case '*':
        result = StoredResult(accumulator * percentage / 100);
        break;
    case '/': // divides by the percentage and then by 100, without a zero test
        if (percentage == 0)
            throw Error(accumulator == 0 ? kInvalidOperation : kDivisionByZero);
        result = StoredResult(accumulator / percentage / 100);
        break;
    default:
        break;
    }

    accumulator_ = result;
    pendingOp_ = CalcKey::Blank;
    entryText_.clear();
    ShowValue(accumulator_);
    // The result waits as the entry, so the next operator starts a new chain from it.
    lastOperand_ = entryValue_;
    entryValue_ = accumulator_;
    accumulator_ = 0;
    AddTapeLine(displayText_ + "%=", true);
}

void CalculatorEngine::ChangeMemory(bool subtract) {
    memory_ = StoredResult(subtract ? memory_ - displayValue_ : memory_ + displayValue_);
    AddTapeLine(displayText_ + (subtract ? "M-" : "M+"), false);
    pendingOp_ = CalcKey::Blank; // a waiting operation is dropped
    entryText_.clear();
    ResetEntryBookkeeping();
    ShowMemoryButtons();
}

void CalculatorEngine::RecallMemory() {
    // Only the display changes: the next operator still works on the entry.
    ShowValue(memory_);
    AddTapeLine(displayText_ + "MR", false);
}

void CalculatorEngine::ClearMemoryKey() {
    AddTapeLine("MC", false);
    ClearMemory();
}

double CalculatorEngine::ReadEntry() const {
    std::string digits;
    std::string decimals;
    const auto separatorAt = entryText_.find(separators_.decimal);
    if (separatorAt == std::string::npos) {
        digits = entryText_;
    } else {
        digits = entryText_.substr(0, separatorAt);
        decimals = entryText_.substr(separatorAt + separators_.decimal.size());
    }
    // Written in the "C" form so that no locale takes part; a lone separator reads as 0.
    const std::string text =
        (digits.empty() ? "0" : digits) + '.' + (decimals.empty() ? "0" : decimals);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

bool CalculatorEngine::EntryEndsWithSeparator() const {
    return !separators_.decimal.empty() && entryText_.ends_with(separators_.decimal);
}

void CalculatorEngine::RemoveLastEntryCharacter() {
    if (EntryEndsWithSeparator())
        entryText_.resize(entryText_.size() - separators_.decimal.size());
    else if (!entryText_.empty())
        entryText_.pop_back(); // a digit
}

std::size_t CalculatorEngine::EntryLength() const {
    // The entry holds digits and separators only; a separator is typed with one key and
    // counts as one character, however many bytes it takes.
    const std::string& separator = separators_.decimal;
    std::size_t length = 0;
    for (std::size_t i = 0; i < entryText_.size(); ++length)
        i += !separator.empty() && entryText_.compare(i, separator.size(), separator) == 0
                 ? separator.size()
                 : 1;
    return length;
}

void CalculatorEngine::ResetEntryBookkeeping() {
    integerPart_ = true;
    decimalCount_ = 0;
}

void CalculatorEngine::ShowMemoryButtons() {
    if (sinks_.memoryButtonsVisible)
        sinks_.memoryButtonsVisible(memory_ != 0);
}

void CalculatorEngine::AddTapeLine(const std::string& text, bool withRule) {
    tape_.AddTapeLine(text, withRule, fieldWidth_);
}

} // namespace kelvane
