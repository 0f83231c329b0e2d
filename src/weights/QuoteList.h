#pragma once

#include "common/Separators.h"
#include "common/TextMark.h"
#include "weights/QuoteItem.h"

#include <string>
#include <vector>

namespace kelvane {

// The items of a quote in the user's order, and their total. The total is the sum of
// the items' stored totals, formatted once, so that it never carries the rounding of
// each item's shown total.
class QuoteList {
public:
    const std::vector<QuoteItem>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }

    void add(QuoteItem item) { items_.push_back(std::move(item)); }
    void remove(std::size_t index);
    // Moves the item at `from` so that it stands at `to`; the others keep their order.
    void move(std::size_t from, std::size_t to);
    // A new quantity: the item is weighed again, so its total (and the list's) follows.
    void setQuantity(std::size_t index, double quantity);
    void clear() { items_.clear(); }
    void replace(std::vector<QuoteItem> items) { items_ = std::move(items); }

    double total() const;
    // "123.45 kg", or in pounds "272.16 lb": the kilograms summed, then converted once.
    std::string totalText(const Separators& separators, Units units = Units::Metric) const;

    // The list as a table for the clipboard: tab-separated columns, a header row, one
    // row per item and a total row, each ended by a line feed.
    std::string clipboardText(const Separators& separators, Units units = Units::Metric) const;

private:
    std::vector<QuoteItem> items_;
};

// The column captions of the list's table, in order.
inline constexpr std::array<std::string_view, 4> kQuoteColumns = {
    KELVANE_TEXT("Kelvane", "Item"), KELVANE_TEXT("Kelvane", "Quantity"),
    KELVANE_TEXT("Kelvane", "Weight per Piece"), KELVANE_TEXT("Kelvane", "Total Weight")};
// The caption of the total's row and label ("Total: 123.45 kg").
inline constexpr std::string_view kQuoteTotalCaption = KELVANE_TEXT("Kelvane", "Total");

// The texts of one item's row in the list's table, in column order.
std::array<std::string, 4> quoteRowTexts(const QuoteItem& item, const Separators& separators,
                                         Units units = Units::Metric, const QuoteWords& words = {});

} // namespace kelvane
