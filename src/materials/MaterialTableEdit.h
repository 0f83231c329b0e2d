#pragma once

#include "common/Separators.h"
#include "common/TextMark.h"
#include "materials/DensityTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvane {

// The density table as the user edits it: rows of a name and a density text, each
// checked as it is typed against what the density file can hold and what makes a
// sensible density. Names are shown and typed as UTF-8 and kept as the file's
// single-byte bytes; a row read from the file keeps its name's bytes exactly while
// its text is unchanged.
class MaterialTableEdit {
public:
    // Every line of a density file's content as a row, also the lines that the
    // reading at start-up stops at (marked with what is wrong with them), so that a
    // table that failed to load can be repaired.
    static MaterialTableEdit fromFileContent(std::string_view content,
                                             const Separators& separators);
    static MaterialTableEdit fromTable(const std::vector<MaterialEntry>& table,
                                       const Separators& separators);

    std::size_t size() const { return rows_.size(); }
    const std::string& name(std::size_t row) const { return rows_.at(row).name; }
    const std::string& densityText(std::size_t row) const { return rows_.at(row).densityText; }

    void setName(std::size_t row, std::string text);
    // The density with "." or the regional separator as its point.
    void setDensityText(std::size_t row, std::string text);
    // A new row with no name and no density at `row` (0 to size()).
    void insertRow(std::size_t row);
    void removeRow(std::size_t row);
    // Moves the row at `from` to `to`, the rows between shifting by one.
    void moveRow(std::size_t from, std::size_t to);

    // Why the cell cannot be saved as it stands; empty when it can.
    std::string nameProblem(std::size_t row) const;
    std::string densityProblem(std::size_t row) const;
    bool hasProblem(std::size_t row) const;
    // A name that another row shares: the file allows it, but at start-up the
    // favourite selects the last of them, so it is worth a warning.
    bool sharesName(std::size_t row) const;
    static constexpr const char* kSharedNameWarning =
        KELVANE_TEXT("Kelvane", "Another material has the same name; at start-up the favourite "
                                "selects the last of them.");
    static constexpr const char* kEmptyTableProblem =
        KELVANE_TEXT("Kelvane", "The table needs at least one material.");

    // True when the table can be saved: at least one row and no problem in any.
    bool canSave() const { return !rows_.empty() && problemRows_ == 0; }
    // The first row with a problem, if any.
    std::optional<std::size_t> firstProblemRow() const;

    // The table to save and use; only meaningful while canSave().
    std::vector<MaterialEntry> table() const;

    // The row that holds the material in use once the edit is saved: the row that
    // came from its table entry (`index`) while it still carries its name, else the
    // last row of that name, else the first row.
    std::size_t rowInUse(std::size_t index, const std::string& nameBytes) const;

private:
    enum class NameCheck { Fine, Empty, Comma, LineBreak, Unstorable, ReadsBackOtherwise };
    enum class DensityCheck { Fine, NotANumber, NotAboveZero, TooDense };
    static constexpr std::size_t kAdded = static_cast<std::size_t>(-1);

    struct Row {
        std::string name;        // as shown, UTF-8
        std::string fileBytes;   // the name as the file held it
        std::string typedBytes;  // the name as typed, in the file's code page
        bool typed = false;      // the name was typed and differs from the file's
        std::string densityText; // as shown and typed
        std::optional<double> density;
        std::size_t origin = kAdded; // the file line or table entry it came from
        NameCheck nameCheck = NameCheck::Fine;
        DensityCheck densityCheck = DensityCheck::Fine;
        bool problem() const {
            return nameCheck != NameCheck::Fine || densityCheck != DensityCheck::Fine;
        }
        const std::string& bytes() const { return typed ? typedBytes : fileBytes; }
    };

    explicit MaterialTableEdit(const Separators& separators)
        : separators_(separators) {}
    void addLoaded(std::string_view bytes, std::optional<double> density, std::string densityText);
    void reserve(std::size_t rows);
    // Checks the row and puts it at `at`, counted among the names and problems.
    void add(Row row, std::size_t at);
    void checkName(Row& row);
    void checkDensity(Row& row);
    // Runs `change` on a row and keeps the count of rows with a problem and of names.
    template <typename Change> void update(std::size_t row, Change&& change);
    void countName(const Row& row, int delta);
    // Counts the names of all rows, once they have been read.
    void countNames();

    Separators separators_;
    std::vector<Row> rows_;
    std::size_t problemRows_ = 0;
    // Rows per shown name, counted by the name's hash and kept sorted by it: a table
    // of many thousand names is counted at once, without a copy of each.
    std::vector<std::pair<std::size_t, int>> nameCounts_;
};

} // namespace kelvane
