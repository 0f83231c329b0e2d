#pragma once

#include "weights/QuoteItem.h"

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// Writes the items as the comma-separated table that kelvane-calc's batch reads: a
// `shape` column, the input columns under the command-line names, `material` by exact
// name, the density used, whether rounding was on and the description, then the
// results under the weight pages' captions. Numbers use "." and read back exactly.
void writeQuoteCsv(std::ostream& out, const std::vector<QuoteItem>& items);

// A material as a quote file's row uses it: its name and the density used.
struct QuoteMaterial {
    std::string name;
    double density = 0;
};
// The material of that exact name (the material in use for an empty name), with
// commercial rounding applied where `rounded`; nothing for a name the table lacks.
using QuoteMaterialLookup =
    std::function<std::optional<QuoteMaterial>(std::string_view name, bool rounded)>;

// A row that could not be read: where its bad cell stands and what is wrong with it.
struct QuoteCsvError {
    long long line = 0;     // where the row begins, from 1
    std::size_t column = 0; // from 1
    std::string columnName; // the header's name of that column, if it has one
    std::string message;
    // "line 4, column 2 (diameter): '5x' is not a number", as the batch reports it.
    std::string text() const;
};

struct QuoteCsvContent {
    std::vector<QuoteItem> items; // the good rows, weighed afresh
    std::vector<QuoteCsvError> errors;
};

// Reads a table in the batch's format, whether Kelvane wrote it or a person did. A row
// with a density column uses that density; otherwise its material is looked up. The
// result columns are not read: every item is weighed afresh. Blank lines are skipped.
QuoteCsvContent readQuoteCsv(std::istream& in, const QuoteMaterialLookup& materials);

} // namespace kelvane
