#include "materials/MaterialTableEdit.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/TextMark.h"
#include "materials/NameEncoding.h"

#include <algorithm>
#include <functional>

namespace kelvane {

namespace {

// No known material is denser: a density from here up is a slip of the keys.
constexpr double kDensest = 25;

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

MaterialTableEdit MaterialTableEdit::fromFileContent(std::string_view content,
                                                     const Separators& separators) {
    MaterialTableEdit edit(separators);
    std::size_t lines = 0;
    forEachLine(content, [&](std::string_view) { return ++lines, true; });
    edit.reserve(lines);
    forEachLine(content, [&](std::string_view line) {
        // Split as the reading at start-up splits: the name ends at the first comma,
        // and a line without one has no name.
        const auto comma = line.find(',');
        const std::string_view name = comma == std::string_view::npos ? "" : line.substr(0, comma);
        const std::string_view text =
            comma == std::string_view::npos ? line : line.substr(comma + 1);
        const auto density = readDecimalNumber(text, {".", separators.decimal});
        edit.addLoaded(name, density,
                       density ? kelvane::densityText(*density, separators.decimal)
                               : displayText(text));
        return true;
    });
    edit.countNames();
    return edit;
}

MaterialTableEdit MaterialTableEdit::fromTable(const std::vector<MaterialEntry>& table,
                                               const Separators& separators) {
    MaterialTableEdit edit(separators);
    edit.reserve(table.size());
    for (const MaterialEntry& material : table)
        edit.addLoaded(material.name, material.density,
                       kelvane::densityText(material.density, separators.decimal));
    edit.countNames();
    return edit;
}

void MaterialTableEdit::reserve(std::size_t rows) {
    rows_.reserve(rows);
}

void MaterialTableEdit::addLoaded(std::string_view bytes, std::optional<double> density,
                                  std::string text) {
    Row row;
    row.name = displayText(bytes);
    row.fileBytes = bytes;
    row.densityText = std::move(text);
    row.density = density;
    row.origin = rows_.size();
    checkName(row);
    checkDensity(row);
    problemRows_ += row.problem() ? 1 : 0;
    rows_.push_back(std::move(row));
}

void MaterialTableEdit::countNames() {
    std::vector<std::size_t> hashes;
    hashes.reserve(rows_.size());
    for (const Row& row : rows_)
        hashes.push_back(std::hash<std::string>{}(row.name));
    std::sort(hashes.begin(), hashes.end());
    nameCounts_.clear();
    for (const std::size_t hash : hashes) {
        if (nameCounts_.empty() || nameCounts_.back().first != hash)
            nameCounts_.emplace_back(hash, 0);
        ++nameCounts_.back().second;
    }
}

void MaterialTableEdit::add(Row row, std::size_t at) {
    checkName(row);
    checkDensity(row);
    countName(row, +1);
    problemRows_ += row.problem() ? 1 : 0;
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(std::min(at, rows_.size())),
                 std::move(row));
}

void MaterialTableEdit::countName(const Row& row, int delta) {
    const std::size_t hash = std::hash<std::string>{}(row.name);
    auto found = std::lower_bound(nameCounts_.begin(), nameCounts_.end(), std::pair(hash, 0));
    if (found == nameCounts_.end() || found->first != hash)
        found = nameCounts_.insert(found, {hash, 0});
    found->second += delta;
    if (found->second == 0)
        nameCounts_.erase(found);
}

template <typename Change> void MaterialTableEdit::update(std::size_t index, Change&& change) {
    Row& row = rows_.at(index);
    const bool hadProblem = row.problem();
    countName(row, -1);
    change(row);
    checkName(row);
    checkDensity(row);
    countName(row, +1);
    problemRows_ = problemRows_ - (hadProblem ? 1 : 0) + (row.problem() ? 1 : 0);
}

void MaterialTableEdit::checkName(Row& row) {
    row.nameCheck = NameCheck::Fine;
    if (blank(row.name)) {
        row.nameCheck = NameCheck::Empty;
    } else if (!row.typed) {
        return; // as read from the file: its bytes are kept as they are
    } else if (row.name.find(',') != std::string::npos) {
        row.nameCheck = NameCheck::Comma;
    } else if (row.name.find_first_of("\r\n") != std::string::npos) {
        row.nameCheck = NameCheck::LineBreak;
    } else {
        SingleByteText encoded = singleByteText(row.name);
        row.typedBytes = std::move(encoded.bytes);
        if (!encoded.unstorable.empty())
            row.nameCheck = NameCheck::Unstorable;
        else if (displayText(row.typedBytes) != row.name)
            row.nameCheck = NameCheck::ReadsBackOtherwise; // bytes that look like UTF-8
    }
}

void MaterialTableEdit::checkDensity(Row& row) {
    row.density = readDecimalNumber(row.densityText, {".", separators_.decimal});
    if (!row.density)
        row.densityCheck = DensityCheck::NotANumber;
    else if (!(*row.density > 0))
        row.densityCheck = DensityCheck::NotAboveZero;
    else if (*row.density >= kDensest)
        row.densityCheck = DensityCheck::TooDense;
    else
        row.densityCheck = DensityCheck::Fine;
}

void MaterialTableEdit::setName(std::size_t row, std::string text) {
    update(row, [&](Row& edited) {
        // A name typed back to the file's own keeps the file's bytes.
        edited.typed = edited.origin == kAdded || text != displayText(edited.fileBytes);
        edited.name = std::move(text);
    });
}

void MaterialTableEdit::setDensityText(std::size_t row, std::string text) {
    update(row, [&](Row& edited) { edited.densityText = std::move(text); });
}

void MaterialTableEdit::insertRow(std::size_t row) {
    add(Row{}, row);
}

void MaterialTableEdit::removeRow(std::size_t row) {
    const Row& removed = rows_.at(row);
    countName(removed, -1);
    problemRows_ -= removed.problem() ? 1 : 0;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

void MaterialTableEdit::moveRow(std::size_t from, std::size_t to) {
    Row moved = std::move(rows_.at(from));
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(from));
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(std::min(to, rows_.size())),
                 std::move(moved));
}

std::string MaterialTableEdit::nameProblem(std::size_t index) const {
    const Row& row = rows_.at(index);
    switch (row.nameCheck) {
    case NameCheck::Fine:
        return {};
    case NameCheck::Empty:
        return KELVANE_TEXT("Kelvane", "A material needs a name.");
    case NameCheck::Comma:
        return KELVANE_TEXT(
            "Kelvane", "A name cannot hold a comma: the table ends each name at its first comma.");
    case NameCheck::LineBreak:
        return KELVANE_TEXT("Kelvane", "A name cannot hold a line break.");
    case NameCheck::Unstorable:
        return std::string(KELVANE_TEXT("Kelvane", "The table's text cannot hold the character")) +
               " \"" + singleByteText(row.name).unstorable + "\".";
    case NameCheck::ReadsBackOtherwise:
        return std::string(KELVANE_TEXT("Kelvane", "The table would read this name back as")) +
               " \"" + displayText(row.typedBytes) + "\".";
    }
    return {};
}

std::string MaterialTableEdit::densityProblem(std::size_t index) const {
    switch (rows_.at(index).densityCheck) {
    case DensityCheck::Fine:
        return {};
    case DensityCheck::NotANumber:
        return std::string(KELVANE_TEXT("Kelvane", "The density must be a number, such as")) +
               " 1" + separators_.decimal + "41.";
    case DensityCheck::NotAboveZero:
        return KELVANE_TEXT("Kelvane", "The density must be above 0.");
    case DensityCheck::TooDense:
        return KELVANE_TEXT(
            "Kelvane", "The density must be below 25 g/cm\xC2\xB3: no known material is denser.");
    }
    return {};
}

bool MaterialTableEdit::hasProblem(std::size_t row) const {
    return rows_.at(row).problem();
}

bool MaterialTableEdit::sharesName(std::size_t row) const {
    const std::size_t hash = std::hash<std::string>{}(rows_.at(row).name);
    const auto found = std::lower_bound(nameCounts_.begin(), nameCounts_.end(), std::pair(hash, 0));
    return found != nameCounts_.end() && found->first == hash && found->second > 1;
}

std::optional<std::size_t> MaterialTableEdit::firstProblemRow() const {
    if (problemRows_ == 0)
        return std::nullopt;
    const auto found =
        std::find_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.problem(); });
    return static_cast<std::size_t>(found - rows_.begin());
}

std::vector<MaterialEntry> MaterialTableEdit::table() const {
    std::vector<MaterialEntry> table;
    table.reserve(rows_.size());
    for (const Row& row : rows_)
        table.push_back({row.bytes(), row.density.value_or(0)});
    return table;
}

std::size_t MaterialTableEdit::rowInUse(std::size_t index, const std::string& nameBytes) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].origin == index && rows_[i].bytes() == nameBytes)
            return i;
    for (std::size_t i = rows_.size(); i-- > 0;)
        if (rows_[i].bytes() == nameBytes)
            return i;
    return 0;
}

} // namespace kelvane
