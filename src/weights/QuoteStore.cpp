#include "weights/QuoteStore.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "common/TextFile.h"
#include "common/TextMark.h"
#include "materials/DataFileLocation.h"
#include "materials/SafeSave.h"
#include "weights/QuoteCsv.h"

#include <filesystem>
#include <sstream>
#include <system_error>

namespace kelvane {

namespace {

// A name beside the file that nothing uses yet: "Quote.damaged.csv", then
// "Quote.damaged-2.csv" and so on.
std::string asideName(const std::string& path) {
    const std::filesystem::path original = pathFromUtf8(path);
    const std::string stem = utf8FromPath(original.parent_path() / original.stem());
    const std::string extension = utf8FromPath(original.extension());
    std::string candidate = stem + ".damaged" + extension;
    for (int number = 2; pathExists(candidate); ++number)
        candidate = stem + ".damaged-" + std::to_string(number) + extension;
    return candidate;
}

} // namespace

QuoteFiles quoteFiles(const std::string& programDir, const std::string& userDataDir) {
    return {dataFileReadPath(programDir, userDataDir, kQuoteFileName),
            dataFileSavePath(programDir, userDataDir, kQuoteFileName)};
}

KeptQuote loadKeptQuote(const std::string& path, const QuoteWords& words) {
    KeptQuote kept;
    if (!pathExists(path))
        return kept;
    std::string problem;
    try {
        std::istringstream in(readFileBytes(path));
        // A kept list carries each item's density, so it needs no table.
        QuoteCsvContent content = readQuoteCsv(in, {});
        if (content.errors.empty()) {
            kept.items = std::move(content.items);
            return kept;
        }
        problem = content.errors.front().text();
    } catch (const Error& error) {
        problem = error.what();
    }
    const std::string aside = asideName(path);
    std::error_code renameError;
    std::filesystem::rename(pathFromUtf8(path), pathFromUtf8(aside), renameError);
    kept.message =
        renameError
            ? quoteText(words,
                        KELVANE_TEXT("Kelvane", "The quote list \"%1\" could not be read (%2). It "
                                                "was left as it is, and the list starts empty."),
                        {path, problem})
            : quoteText(words,
                        KELVANE_TEXT("Kelvane", "The quote list \"%1\" could not be read (%2). It "
                                                "was kept as \"%3\", and the list starts empty."),
                        {path, problem, aside});
    return kept;
}

void keepQuote(const std::string& path, const std::vector<QuoteItem>& items) {
    std::ostringstream content;
    writeQuoteCsv(content, items);
    saveFileSafely(path, content.str());
}

} // namespace kelvane
