#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kelvane {

// Receives one finished tape line per call, already padded; the rule under a total
// arrives as a line of its own.
using TapeLineSink = std::function<void(const std::string& line)>;

// Number of characters in a UTF-8 text (regional separators may take several bytes).
std::size_t characterCount(std::string_view text);

// The calculator's paper tape: lines right-aligned in a fixed number of columns, with
// a rule of dashes under every total. It only builds the lines; the page shows them.
class CalculatorTape {
public:
    explicit CalculatorTape(TapeLineSink sink);

    // Starts the rule afresh as a single dash; it grows to full width with the first line.
    void resetRule();

    // Writes `text` with blanks in front up to `fieldWidth` characters (a longer text is
    // written whole, never cut) and, when `withRule` is set, the rule as a further line.
    // The rule is brought to `fieldWidth` dashes before that, so it is always full width.
    void addTapeLine(const std::string& text, bool withRule, int fieldWidth);

    // The lines that open the tape: the window caption, then an empty line and the rule.
    void writeOpeningLines(const std::string& windowCaption, int fieldWidth);

    const std::string& tapeRule() const { return tapeRule_; }

private:
    TapeLineSink sink_;
    std::string tapeRule_;
};

} // namespace kelvane
