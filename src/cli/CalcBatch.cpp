#include "cli/CalcBatch.h"

#include "cli/CalcCommands.h"
#include "cli/CalcError.h"
#include "common/CsvStream.h"
#include "common/NumberEntry.h"
#include "convert/ImperialUnits.h"
#include "weights/CalcShapes.h"

#include <algorithm>
#include <optional>

namespace kelvane {

namespace {

// Where each shape finds its inputs in the table and puts its results among the
// added columns.
struct ShapeColumns {
    std::vector<std::size_t> inputs;  // column of each input, kNoColumn where absent
    std::vector<std::size_t> results; // added column of each result text
};

// A cell the batch reports on: its column (from 0) and what is wrong with it, or
// what is noted about it.
struct BadCell {
    std::size_t column;
    std::string message;
};

class BatchRun {
public:
    BatchRun(std::vector<std::string> header, CalcMaterial& material, const Separators& regional,
             const Separators& output, Units units)
        : header_(std::move(header))
        , material_(material)
        , regional_(regional)
        , output_(output)
        , units_(units)
        , captions_(weightResultCaptions(units)) {
        shapeColumn_ = csvColumnOf(header_, "shape");
        if (shapeColumn_ == kNoColumn)
            throw usageError("The batch's header row has no shape column");
        materialColumn_ = csvColumnOf(header_, "material");
        for (const CalcShape& shape : calcShapes()) {
            weighers_.emplace_back(shape, units);
            ShapeColumns columns;
            for (const std::string_view input : shape.inputs)
                columns.inputs.push_back(csvColumnOf(header_, input));
            for (const CaptionedText& text : weighers_.back().texts(output))
                columns.results.push_back(static_cast<std::size_t>(
                    std::find(captions_.begin(), captions_.end(), text.caption) -
                    captions_.begin()));
            columns_.push_back(std::move(columns));
        }
        resultTexts_.resize(captions_.size());
    }

    void writeHeader(CsvWriter& writer) const {
        for (const std::string& name : header_)
            writer.field(name);
        for (const std::string_view caption : captions_)
            writer.field(caption);
        writer.endRecord();
    }

    // Weighs one row and writes it; returns the bad cell, if any.
    // A record whose quotation mark is never closed ran to the end of the table and is
    // not weighed.
    std::optional<BadCell> row(const std::vector<std::string>& fields, bool unclosedQuote,
                               CsvWriter& writer) {
        for (std::string& text : resultTexts_)
            text.clear();
        note_.reset();
        std::optional<BadCell> bad =
            unclosedQuote ? BadCell{fields.size() - 1, "a quotation mark that is never closed"}
                          : weigh(fields);
        for (std::size_t i = 0; i < header_.size(); ++i)
            writer.field(i < fields.size() ? std::string_view(fields[i]) : std::string_view());
        for (const std::string& text : resultTexts_)
            writer.field(text);
        writer.endRecord();
        if (!bad && fields.size() > header_.size())
            bad = BadCell{header_.size(), "a field beyond the header's columns"};
        return bad;
    }

    // The note of the row just weighed, on the cell it is about: the row is weighed
    // all the same.
    const std::optional<BadCell>& note() const { return note_; }

    const std::string& columnName(std::size_t column) const {
        static const std::string none;
        return column < header_.size() ? header_[column] : none;
    }

private:
    std::optional<BadCell> weigh(const std::vector<std::string>& fields) {
        const std::string& shapeName = csvCell(fields, shapeColumn_);
        const CalcShape* shape = findShape(shapeName);
        if (!shape)
            return BadCell{shapeColumn_, "'" + shapeName + "' is no shape"};
        const auto index = static_cast<std::size_t>(shape - calcShapes().data());
        const ShapeColumns& columns = columns_[index];

        values_.assign(shape->inputs.size(), 1.0);
        for (std::size_t i = 0; i < shape->inputs.size(); ++i) {
            const bool quantity = i == shape->quantityInput;
            const std::size_t column = columns.inputs[i];
            if (column == kNoColumn) {
                if (quantity)
                    continue; // a missing quantity is 1
                return BadCell{shapeColumn_, std::string(shape->name) + " needs a column named " +
                                                 std::string(shape->inputs[i])};
            }
            const std::string& text = csvCell(fields, column);
            if (quantity && text.empty())
                continue;
            if (units_ == Units::Imperial && !quantity) {
                const auto inches = readInches(text);
                if (!inches)
                    return BadCell{column, notInInchesMessage(text)};
                values_[i] = millimetresFromInches(*inches);
                continue;
            }
            const auto value = readEntryValue(text, regional_);
            if (!value)
                return BadCell{column, "'" + text + "' is not a number"};
            values_[i] = *value;
        }

        double density = material_.density();
        if (materialColumn_ != kNoColumn && !csvCell(fields, materialColumn_).empty()) {
            const std::string& name = csvCell(fields, materialColumn_);
            const auto found = material_.densityOf(name);
            if (!found)
                return BadCell{materialColumn_, "there is no material '" + name + "'"};
            density = *found;
        }

        ShapeWeigher& weigher = weighers_[index];
        weigher.weigh(values_, density);
        if (const auto& note = weigher.note())
            note_ = BadCell{columns.inputs[note->box], std::string(note->text)};
        for (std::size_t i = 0; i < columns.results.size(); ++i)
            resultTexts_[columns.results[i]] = weigher.text(i, output_);
        return std::nullopt;
    }

    std::vector<std::string> header_;
    CalcMaterial& material_;
    const Separators& regional_;
    const Separators& output_;
    Units units_;
    const std::vector<std::string_view>& captions_;
    std::size_t shapeColumn_ = kNoColumn;
    std::size_t materialColumn_ = kNoColumn;
    std::vector<ShapeWeigher> weighers_;
    std::vector<ShapeColumns> columns_;
    std::vector<double> values_;
    std::vector<std::string> resultTexts_;
    std::optional<BadCell> note_;
};

} // namespace

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, CalcMaterial& material,
             const Separators& regional, const Separators& output, Units units) {
    CsvReader reader(in);
    std::vector<std::string> fields;
    if (!reader.next(fields))
        throw usageError("The batch has no header row");
    BatchRun run(fields, material, regional, output, units);
    CsvWriter writer(out);
    run.writeHeader(writer);

    // One line on standard error about a cell, after the rows written so far.
    const auto report = [&](const BadCell& cell) {
        writer.flush();
        err << "line " << reader.recordLine() << ", column " << cell.column + 1;
        if (!run.columnName(cell.column).empty())
            err << " (" << run.columnName(cell.column) << ")";
        err << ": " << cell.message << '\n';
    };
    int status = kExitSuccess;
    while (reader.next(fields)) {
        if (fields.size() == 1 && fields[0].empty())
            continue; // a blank line holds no row
        const std::optional<BadCell> bad = run.row(fields, reader.unclosedQuote(), writer);
        if (run.note())
            report(*run.note());
        if (!bad)
            continue;
        report(*bad);
        status = kExitBadInput;
    }
    return status;
}

} // namespace kelvane
