#include "weights/QuotePrintout.h"

namespace kelvane {

std::string quoteCountText(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " item" : " items");
}

std::vector<QuotePrintPage> quotePrintPages(const QuoteList& list, const Separators& separators,
                                            const std::string& date, Units units) {
    const auto& items = list.items();
    const std::size_t pageCount =
        items.empty() ? 1 : (items.size() + kQuoteItemsPerPage - 1) / kQuoteItemsPerPage;
    std::vector<QuotePrintPage> pages(pageCount);
    for (std::size_t page = 0; page < pageCount; ++page) {
        pages[page].heading = "Quote, " + date;
        pages[page].pageNumber =
            "Page " + std::to_string(page + 1) + " of " + std::to_string(pageCount);
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        pages[i / kQuoteItemsPerPage].rows.push_back(quoteRowTexts(items[i], separators, units));
    pages.back().total = std::string(kQuoteTotalCaption) + ": " + list.totalText(separators, units);
    pages.back().count = quoteCountText(items.size());
    return pages;
}

} // namespace kelvane
