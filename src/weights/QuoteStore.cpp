#include "weights/QuoteStore.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "materials/Favourite.h"
#include "materials/TextFile.h"
#include "weights/QuoteCsv.h"

#include <cerrno>
#include <sstream>
#include <system_error>

namespace kelvane {

namespace {

#ifdef _WIN32
constexpr const char* kUserFolder = "/Kelvane";
#else
constexpr const char* kUserFolder = "/kelvane";
#endif

[[noreturn]] void throwCannotCreate(const std::string& path, int error) {
    throw Error("Cannot create file \"" + path + "\". " +
                std::error_code(error, std::generic_category()).message());
}

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

std::string quoteListPath(const std::string& programDir, const std::string& userDataDir) {
    const std::string folder =
        utf8FromPath(pathFromUtf8(favouritePath(programDir, userDataDir)).parent_path());
    if (userDataDir.empty() || folderWritable(folder))
        return folder + "/" + kQuoteFileName;
    return userDataDir + kUserFolder + "/" + kQuoteFileName;
}

KeptQuote loadKeptQuote(const std::string& path) {
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
        "The quote list \"" + path + "\" could not be read (" + problem + "). " +
        (renameError ? std::string("It was left as it is") : "It was kept as \"" + aside + "\"") +
        ", and the list starts empty.";
    return kept;
}

void keepQuote(const std::string& path, const std::vector<QuoteItem>& items) {
    std::ostringstream content;
    writeQuoteCsv(content, items);
    const std::string bytes = content.str();
    std::error_code ignored;
    std::filesystem::create_directories(pathFromUtf8(path).parent_path(), ignored);
    const std::string temporary = path + ".new";
    errno = 0;
    std::FILE* file = openFile(temporary, "wb");
    if (!file)
        throwCannotCreate(path, errno != 0 ? errno : EACCES);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = !written ? writeError : errno;
        removeFile(temporary);
        throwCannotCreate(path, error != 0 ? error : EIO);
    }
    std::error_code renameError;
    std::filesystem::rename(pathFromUtf8(temporary), pathFromUtf8(path), renameError);
    if (renameError) {
        removeFile(temporary);
        throwCannotCreate(path, renameError.value());
    }
}

} // namespace kelvane
