#include "calculator/CalculatorTape.h"

#include <utility>

namespace kelvane {

namespace {

// Puts `fill` in front of `text` until it is `width` characters long.
std::string padFront(const std::string& text, char fill, int width) {
    const auto length = static_cast<int>(characterCount(text));
    if (length >= width)
        return text;
    return std::string(static_cast<std::size_t>(width - length), fill) + text;
}

} // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text)
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) // not a continuation byte
            ++count;
    return count;
}

CalculatorTape::CalculatorTape(TapeLineSink sink)
    : sink_(std::move(sink)) {}

void CalculatorTape::resetRule() {
    tapeRule_ = "-";
}

void CalculatorTape::addTapeLine(const std::string& text, bool withRule, int fieldWidth) {
    const std::string line = padFront(text, ' ', fieldWidth);
    if (sink_)
        sink_(line);
    tapeRule_ = padFront(tapeRule_, '-', fieldWidth);
    if (withRule && sink_)
        sink_(tapeRule_);
}

void CalculatorTape::writeOpeningLines(const std::string& windowCaption, int fieldWidth) {
    addTapeLine(windowCaption, false, fieldWidth);
    addTapeLine(std::string(), true, fieldWidth);
}

} // namespace kelvane
