#include "weights/QuoteList.h"

#include "common/KelvaneError.h"
#include "common/ResultFormat.h"

#include <algorithm>

namespace kelvane {

namespace {

// A cell of the clipboard's table: a tab or line break inside a name would split the
// row, so each becomes a blank.
std::string clipboardCell(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

} // namespace

void QuoteList::remove(std::size_t index) {
    if (index < items_.size())
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

void QuoteList::move(std::size_t from, std::size_t to) {
    if (from >= items_.size() || to >= items_.size() || from == to)
        return;
    const auto first = items_.begin();
    if (from < to)
        std::rotate(first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1,
                    first + static_cast<std::ptrdiff_t>(to) + 1);
    else
        std::rotate(first + static_cast<std::ptrdiff_t>(to),
                    first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from) + 1);
}

void QuoteList::setQuantity(std::size_t index, double quantity) {
    QuoteItem& item = items_.at(index);
    item.quantity = quantity;
    weighQuoteItem(item);
}

double QuoteList::total() const {
    double sum = 0;
    for (const QuoteItem& item : items_)
        sum += item.total();
    return sum;
}

std::string QuoteList::totalText(const Separators& separators, Units units) const {
    return quoteWeightText(total(), separators, units);
}

std::array<std::string, 4> quoteRowTexts(const QuoteItem& item, const Separators& separators,
                                         Units units, const QuoteWords& words) {
    return {describeQuoteItem(item, separators, units, words),
            formatGeneral(item.quantity, separators),
            quoteWeightText(item.perPiece(), separators, units),
            quoteWeightText(item.total(), separators, units)};
}

std::string QuoteList::clipboardText(const Separators& separators, Units units) const {
    std::string text;
    const auto row = [&text](const auto& cells) {
        const char* separator = "";
        for (const auto& cell : cells) {
            text += separator;
            text += clipboardCell(std::string(cell));
            separator = "\t";
        }
        text += '\n';
    };
    row(kQuoteColumns);
    for (const QuoteItem& item : items_)
        row(quoteRowTexts(item, separators, units));
    row(std::array<std::string, 4>{std::string(kQuoteTotalCaption), "", "",
                                   totalText(separators, units)});
    return text;
}

} // namespace kelvane
