#include "weights/QuotePrintout.h"

#include "common/TextMark.h"

namespace kelvane {

std::string quoteCountText(std::size_t count, const QuoteWords& words) {
    return quoteText(words,
                     count == 1 ? KELVANE_TEXT("Kelvane", "%1 item")
                                : KELVANE_TEXT("Kelvane", "%1 items"),
                     {std::to_string(count)});
}

std::string quoteTotalText(const QuoteList& list, const Separators& separators, Units units,
                           const QuoteWords& words) {
    return quoteWord(words, kQuoteTotalCaption) + ": " + list.totalText(separators, units);
}

std::vector<QuotePrintPage> quotePrintPages(const QuoteList& list, const Separators& separators,
                                            const std::string& date, Units units,
                                            const QuoteWords& words) {
    const auto& items = list.items();
    const std::size_t pageCount =
        items.empty() ? 1 : (items.size() + kQuoteItemsPerPage - 1) / kQuoteItemsPerPage;
    std::vector<QuotePrintPage> pages(pageCount);
    for (std::size_t page = 0; page < pageCount; ++page) {
        pages[page].heading = quoteText(words, KELVANE_TEXT("Kelvane", "Quote, %1"), {date});
        pages[page].pageNumber = quoteText(words, KELVANE_TEXT("Kelvane", "Page %1 of %2"),
                                           {std::to_string(page + 1), std::to_string(pageCount)});
        for (std::size_t column = 0; column < kQuoteColumns.size(); ++column)
            pages[page].captions[column] = quoteWord(words, kQuoteColumns[column]);
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        pages[i / kQuoteItemsPerPage].rows.push_back(
            quoteRowTexts(items[i], separators, units, words));
    pages.back().total = quoteTotalText(list, separators, units, words);
    pages.back().count = quoteCountText(items.size(), words);
    return pages;
}

} // namespace kelvane
