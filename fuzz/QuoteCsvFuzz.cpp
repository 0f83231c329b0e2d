// Fuzzes the reader of quote files and batch tables with arbitrary bytes as the file.
// Every bad row must be reported on a line and in a column the input has, and the items
// read must be written and read back unchanged.

#include "FuzzChecks.h"

#include "common/CsvStream.h"
#include "weights/QuoteCsv.h"

#include <cmath>
#include <cstdint>
#include <sstream>

namespace {

// Lines of the text: one more than its line ends (CR LF counts once).
long long CountLines(std::string_view content) {
    long long lines = 1;
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' || content[i] == '\n') {
            ++lines;
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
        }
    }
    return lines;
}

// The most fields any record of the text has.
std::size_t WidestRecord(const std::string& content) {
    std::istringstream in(content);
    kelvane::CsvReader reader(in);
    std::vector<std::string> fields;
    std::size_t widest = 1;
    while (reader.next(fields))
        widest = std::max(widest, fields.size());
    return widest;
}

bool SameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameItem(const kelvane::QuoteItem& a, const kelvane::QuoteItem& b) {
    bool same = a.shape == b.shape && a.polygonShape == b.polygonShape &&
                a.dimensions.size() == b.dimensions.size() && SameNumber(a.quantity, b.quantity) &&
                a.material == b.material && SameNumber(a.density, b.density) &&
                a.rounded == b.rounded;
    for (std::size_t i = 0; same && i < a.dimensions.size(); ++i)
        same = SameNumber(a.dimensions[i], b.dimensions[i]);
    for (std::size_t i = 0; same && i < a.results.weights.size(); ++i)
        same = SameNumber(a.results.weights[i], b.results.weights[i]);
    return same;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvane;
    using namespace kelvane::fuzz;
    const std::string content(reinterpret_cast<const char*>(data), size);
    // A table of one material; an empty name is the material in use.
    const QuoteMaterialLookup table = [](std::string_view name,
                                         bool rounded) -> std::optional<QuoteMaterial> {
        if (name.empty() || name == "A")
            return QuoteMaterial{"A", rounded ? 1.75 : 1.38};
        return std::nullopt;
    };

    std::istringstream in(content);
    const QuoteCsvContent read = readQuoteCsv(in, table);

    const long long lines = CountLines(content);
    const std::size_t widest = WidestRecord(content);
    for (const QuoteCsvError& error : read.errors) {
        Check(error.line >= 1 && error.line <= lines, "an error's line is in the input",
              error.text());
        Check(error.column >= 1 && error.column <= widest, "an error's column is in the input",
              error.text());
        Check(!error.message.empty(), "an error says what is wrong", error.text());
    }

    std::ostringstream saved;
    writeQuoteCsv(saved, read.items);
    std::istringstream again(saved.str());
    const QuoteCsvContent reread = readQuoteCsv(again, {});
    Check(reread.errors.empty(), "a saved file reads without error",
          reread.errors.empty() ? std::string() : reread.errors[0].text());
    Check(reread.items.size() == read.items.size(), "a saved file gives every item back",
          saved.str());
    for (std::size_t i = 0; i < read.items.size(); ++i)
        Check(SameItem(read.items[i], reread.items[i]), "a saved item reads back the same",
              saved.str());
    return 0;
}
