#pragma once

#include "weights/QuoteItem.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// The file the quote list is kept in between runs.
inline constexpr const char* kQuoteFileName = "Quote.csv";

// Where the list is kept: in the favourite's folder, or in the user's data folder
// ("kelvane/Quote.csv", "Kelvane\Quote.csv" on Windows) where that folder cannot be
// written, as for an installed copy.
std::string quoteListPath(const std::string& programDir, const std::string& userDataDir);

// The list as the last run left it.
struct KeptQuote {
    std::vector<QuoteItem> items;
    // Set once when the kept file could not be read: what happened to it.
    std::optional<std::string> message;
};

// Reads the kept list. No file is an empty list. A file that cannot be read whole is
// renamed aside ("Quote.damaged.csv", numbered when that name is taken), never deleted,
// and the list starts empty with a message that says where the file went.
KeptQuote loadKeptQuote(const std::string& path);

// Keeps the list: the new content goes to a temporary file beside the old one, which it
// then replaces in one step, so the file holds the old list or the new one, never a part.
// Throws kelvane::Error "Cannot create file "<path>". <reason>" on failure.
void keepQuote(const std::string& path, const std::vector<QuoteItem>& items);

} // namespace kelvane
