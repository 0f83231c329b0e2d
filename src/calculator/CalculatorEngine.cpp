#include "calculator/CalculatorEngine.h"

#include "calculator/CalculatorNumberFormat.h"
#include "common/KelvaneError.h"
#include "common/NumberEntry.h"
#include "common/TextMark.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <utility>

namespace kelvane {

namespace {

constexpr const char* kDivisionByZero = KELVANE_TEXT("Kelvane", "Floating point division by zero");
constexpr const char* kInvalidOperation =
    KELVANE_TEXT("Kelvane", "Invalid floating point operation");
constexpr const char* kOverflow = KELVANE_TEXT("Kelvane", "Floating point overflow");
constexpr const char* kErrorDisplay = "Error";

bool isOperatorKey(char key) {
    return key == '+' || key == '-' || key == '*' || key == '/' || key == '=';
}

bool isPendingOperator(char op) {
    return op == '+' || op == '-' || op == '*' || op == '/';
}

// The operator column of a tape line; nothing pending leaves it blank.
char operatorColumn(char pendingOp) {
    return isPendingOperator(pendingOp) ? pendingOp : CalculatorKey::Blank;
}

// A step's result as it is stored, or the fault it raises. The step's arithmetic may be
// done in extended precision; the stored value must fit a double, or the step fails
// before anything is stored. Every stored value is finite, so an infinite or too large
// result of finite operands is an overflow.
double storedResult(long double result) {
    if (std::isnan(result))
        throw Error(kInvalidOperation);
    // Magnitudes from here on round to infinity: DBL_MAX plus half its last place.
    const long double overflowStart =
        static_cast<long double>(DBL_MAX) + std::ldexp(1.0L, DBL_MAX_EXP - DBL_MANT_DIG - 1);
    if (std::fabs(result) >= overflowStart)
        throw Error(kOverflow);
    return static_cast<double>(result);
}

// A character the calculator's single-byte key codes cannot hold, like a character
// the keyboard's code page lacks: it matches no key.
constexpr char kNoKey = '?';

} // namespace

char calculatorKeyCode(char32_t typed, const Separators& separators) {
    if (typed != 0 && typed == decimalSeparatorKey(separators))
        return '.';
    return typed <= 0xFF ? static_cast<char>(static_cast<unsigned char>(typed)) : kNoKey;
}

CalculatorEngine::CalculatorEngine(Separators separators, CalculatorSinks sinks)
    : separators_(std::move(separators))
    , sinks_(std::move(sinks))
    , tape_(sinks_.tapeLine) {}

void CalculatorEngine::setUp(const std::string& windowCaption) {
    decimals_ = 2;
    fieldWidth_ = 14;
    tape_.resetRule();
    clearAll();
    clearMemory();
    tape_.writeOpeningLines(windowCaption, fieldWidth_);
    currentKey_ = CalculatorKey::Blank;
    previousKey_ = CalculatorKey::Blank;
}

void CalculatorEngine::pressKey(char key) {
    previousKey_ = currentKey_;
    currentKey_ = key == CalculatorKey::Enter ? '=' : key;
    switch (currentKey_) {
    case CalculatorKey::CloseCtrlA:
    case CalculatorKey::Escape:
        if (sinks_.closeRequest)
            sinks_.closeRequest();
        break;
    case CalculatorKey::MemoryClear:
        clearMemoryKey();
        break;
    case CalculatorKey::MemoryRecall:
        recallMemory();
        break;
    case CalculatorKey::MemoryAdd:
        changeMemory(false);
        break;
    case CalculatorKey::MemorySubtract:
        changeMemory(true);
        break;
    case CalculatorKey::Backspace:
        deleteLastCharacter();
        break;
    case CalculatorKey::Clear:
        clearEntryOrAll();
        break;
    case '%':
        applyPercent();
        break;
    case '*':
    case '+':
    case '-':
    case '/':
    case '=':
        applyOperator(currentKey_);
        break;
    case '.': // only the period key starts the decimals, whatever the regional separator
        enterDecimalSeparator();
        break;
    default:
        if (currentKey_ >= '0' && currentKey_ <= '9')
            enterDigit(currentKey_);
        break;
    }
}

void CalculatorEngine::showValue(double value) {
    displayValue_ = value;
    displayText_ = formatCalcNumber(value, separators_, fieldWidth_, decimals_) + " ";
    showMemoryButtons();
}

void CalculatorEngine::clearAll() {
    resetEntryBookkeeping();
    pendingOp_ = CalculatorKey::Blank;
    displayValue_ = 0;
    accumulator_ = 0;
    entryValue_ = 0;
    lastOperand_ = 0;
    showValue(entryValue_);
    entryText_.clear();
}

void CalculatorEngine::clearMemory() {
    memory_ = 0;
    if (sinks_.memoryButtonsVisible)
        sinks_.memoryButtonsVisible(false);
}

void CalculatorEngine::enterDigit(char digit) {
    if (!integerPart_ && decimalCount_ == decimals_)
        return; // no more decimals than the display shows
    // An entry of up to fieldWidth characters takes one more digit, so at most one
    // digit more than the display can show in fixed form.
    if (entryLength() <= static_cast<std::size_t>(fieldWidth_)) {
        entryText_ += digit;
        if (!integerPart_)
            ++decimalCount_;
    }
    entryValue_ = readEntry();
    showValue(entryValue_);
}

void CalculatorEngine::enterDecimalSeparator() {
    if (!integerPart_)
        return;
    integerPart_ = false;
    decimalCount_ = 0;
    entryText_ += separators_.decimal;
    entryValue_ = readEntry();
    showValue(entryValue_);
}

void CalculatorEngine::deleteLastCharacter() {
    if (entryEndsWithSeparator()) {
        // The separator goes together with the character before it.
        removeLastEntryCharacter();
        removeLastEntryCharacter();
        integerPart_ = true;
    } else if (!entryText_.empty()) {
        removeLastEntryCharacter();
        if (decimalCount_ > 0)
            --decimalCount_;
    }
    entryValue_ = entryText_.empty() ? 0 : readEntry();
    showValue(entryValue_);
}

void CalculatorEngine::clearEntryOrAll() {
    resetEntryBookkeeping();
    if (previousKey_ == CalculatorKey::Clear) {
        clearAll();
        addTapeLine("C", true);
        return;
    }
    entryValue_ = 0;
    entryText_.clear();
    showValue(entryValue_);
}

void CalculatorEngine::applyOperator(char key) {
    resetEntryBookkeeping();
    // A second operator key in a row takes the last operand again (repeat add, squaring).
    if (isOperatorKey(previousKey_)) {
        entryValue_ = lastOperand_;
        showValue(entryValue_);
    }
    addTapeLine(displayText_ + ' ' + operatorColumn(pendingOp_), false);

    bool divisionByZero = false;
    double result = entryValue_;
    switch (pendingOp_) {
    case '+':
        result = storedResult(accumulator_ + entryValue_);
        break;
    case '-':
        result = storedResult(accumulator_ - entryValue_);
        break;
    case '*':
        result = storedResult(accumulator_ * entryValue_);
        break;
    case '/':
        divisionByZero = entryValue_ == 0;
        result = divisionByZero ? 0 : storedResult(accumulator_ / entryValue_);
        break;
    default:
        break;
    }

    accumulator_ = result;
    lastOperand_ = entryValue_;
    entryValue_ = 0;
    entryText_.clear();
    pendingOp_ = key == '=' ? CalculatorKey::Blank : key;
    showValue(accumulator_);
    if (divisionByZero)
        displayText_ = kErrorDisplay; // the chain goes on from 0
    if (key == '=')
        addTapeLine(displayText_ + " =", true);
}

void CalculatorEngine::applyPercent() {
    resetEntryBookkeeping();
    addTapeLine(displayText_ + '%' + operatorColumn(pendingOp_), false);

    // The three operations of a percent step run in extended precision; only the
    // result has to fit a double.
    const long double accumulator = accumulator_;
    const long double percentage = entryValue_;
    double result = entryValue_;
    switch (pendingOp_) {
    case '+':
        result = storedResult(accumulator * percentage / 100 + accumulator);
        break;
    case '-':
        result = storedResult(accumulator - accumulator * percentage / 100);
        break;
    case '*':
        result = storedResult(accumulator * percentage / 100);
        break;
    case '/': // divides by the percentage and then by 100, without a zero test
        if (percentage == 0)
            throw Error(accumulator == 0 ? kInvalidOperation : kDivisionByZero);
        result = storedResult(accumulator / percentage / 100);
        break;
    default:
        break;
    }

    accumulator_ = result;
    pendingOp_ = CalculatorKey::Blank;
    entryText_.clear();
    showValue(accumulator_);
    // The result waits as the entry, so the next operator starts a new chain from it.
    lastOperand_ = entryValue_;
    entryValue_ = accumulator_;
    accumulator_ = 0;
    addTapeLine(displayText_ + "%=", true);
}

void CalculatorEngine::changeMemory(bool subtract) {
    memory_ = storedResult(subtract ? memory_ - displayValue_ : memory_ + displayValue_);
    addTapeLine(displayText_ + (subtract ? "M-" : "M+"), false);
    pendingOp_ = CalculatorKey::Blank; // a waiting operation is dropped
    entryText_.clear();
    resetEntryBookkeeping();
    showMemoryButtons();
}

void CalculatorEngine::recallMemory() {
    // Only the display changes: the next operator still works on the entry.
    showValue(memory_);
    addTapeLine(displayText_ + "MR", false);
}

void CalculatorEngine::clearMemoryKey() {
    addTapeLine("MC", false);
    clearMemory();
}

double CalculatorEngine::readEntry() const {
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

bool CalculatorEngine::entryEndsWithSeparator() const {
    return !separators_.decimal.empty() && entryText_.ends_with(separators_.decimal);
}

void CalculatorEngine::removeLastEntryCharacter() {
    if (entryEndsWithSeparator())
        entryText_.resize(entryText_.size() - separators_.decimal.size());
    else if (!entryText_.empty())
        entryText_.pop_back(); // a digit
}

std::size_t CalculatorEngine::entryLength() const {
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

void CalculatorEngine::resetEntryBookkeeping() {
    integerPart_ = true;
    decimalCount_ = 0;
}

void CalculatorEngine::showMemoryButtons() {
    if (sinks_.memoryButtonsVisible)
        sinks_.memoryButtonsVisible(memory_ != 0);
}

void CalculatorEngine::addTapeLine(const std::string& text, bool withRule) {
    tape_.addTapeLine(text, withRule, fieldWidth_);
}

} // namespace kelvane
