#pragma once

#include "common/Separators.h"
#include "weights/QuoteList.h"

#include <array>
#include <string>
#include <vector>

namespace kelvane {

// The items an exported or printed page holds: as many as fit an A4 page in a
// readable size, with room for the heading and the total.
inline constexpr std::size_t kQuoteItemsPerPage = 40;

// One page of the quote as exported or printed, every text as it is printed.
struct QuotePrintPage {
    std::string heading;                 // "Quote, 2026-12-09"
    std::string pageNumber;              // "Page 1 of 3"
    std::array<std::string, 4> captions; // the columns' captions
    std::vector<std::array<std::string, 4>> rows;
    // The last page only: "Total: 123.45 kg" and the item count, "6 items".
    std::string total;
    std::string count;
};

// The list cut into pages of kQuoteItemsPerPage items, an empty list being one page
// with its total, in the units shown and the language of `words`. `date` is printed in
// the heading as given.
std::vector<QuotePrintPage> quotePrintPages(const QuoteList& list, const Separators& separators,
                                            const std::string& date, Units units = Units::Metric,
                                            const QuoteWords& words = {});

// "1 item", "6 items", in the language of `words`.
std::string quoteCountText(std::size_t count, const QuoteWords& words = {});

// The caption of the total ("Total") and the total: "Total: 123.45 kg".
std::string quoteTotalText(const QuoteList& list, const Separators& separators, Units units,
                           const QuoteWords& words = {});

} // namespace kelvane
