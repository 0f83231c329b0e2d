#pragma once

#include "weights/QuoteItem.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// The file the quote list is kept in between runs.
inline constexpr const char* kQuoteFileName = "Quote.csv";

// Where the list is read at start and where it is kept: beside the favourite, by the
// same folder rules (in "kelvane/" in the user's data folder for an installed copy).
struct QuoteFiles {
    std::string readPath;
    std::string savePath;
};
QuoteFiles quoteFiles(const std::string& programDir, const std::string& userDataDir);

// The list as the last run left it.
struct KeptQuote {
    std::vector<QuoteItem> items;
    // Set once when the kept file could not be read: what happened to it.
    std::optional<std::string> message;
};

// Reads the kept list. No file is an empty list. A file that cannot be read whole is
// renamed aside ("Quote.damaged.csv", numbered when that name is taken), never deleted,
// and the list starts empty with a message, in the language of `words`, that says where
// the file went.
KeptQuote loadKeptQuote(const std::string& path, const QuoteWords& words = {});

// Keeps the list with the favourite's safe save: the file holds the old list or the new
// one, never a part. Throws kelvane::Error as saveFileSafely does.
void keepQuote(const std::string& path, const std::vector<QuoteItem>& items);

} // namespace kelvane
