#include "weights/QuoteCsv.h"

#include "common/CsvStream.h"
#include "common/NumberEntry.h"
#include "common/ResultFormat.h"
#include "weights/CalcShapes.h"

#include <algorithm>
#include <variant>

namespace kelvane {

namespace {

// Every input column of every section, each once, in the order a person reads them.
constexpr std::array<std::string_view, 8> kInputColumns = {
    "diameter", "across_flats", "width", "height", "thickness", "wall", "length", "quantity"};
constexpr std::string_view kDensityColumn = "density";
constexpr std::string_view kRoundingColumn = "rounding";
constexpr std::string_view kDescriptionColumn = "description";

// A row's problem: the column (from 0) and what is wrong.
struct BadCell {
    std::size_t column;
    std::string message;
};

class QuoteRowReader {
public:
    QuoteRowReader(std::vector<std::string> header, const QuoteMaterialLookup& materials)
        : header_(std::move(header))
        , materials_(materials) {
        shapeColumn_ = csvColumnOf(header_, "shape");
        materialColumn_ = csvColumnOf(header_, "material");
        densityColumn_ = csvColumnOf(header_, kDensityColumn);
        roundingColumn_ = csvColumnOf(header_, kRoundingColumn);
    }

    bool hasShapeColumn() const { return shapeColumn_ != kNoColumn; }
    const std::vector<std::string>& header() const { return header_; }

    // Reads one row into an item; the bad cell when it cannot.
    std::variant<QuoteItem, BadCell> read(const std::vector<std::string>& fields) const {
        const std::string& shapeName = csvCell(fields, shapeColumn_);
        const CalcShape* shape = findShape(shapeName);
        if (!shape)
            return BadCell{shapeColumn_, "'" + shapeName + "' is no shape"};
        QuoteItem item;
        item.shape = shape->page;
        if (shape->page == WeightShape::Polygon)
            item.polygonShape = std::string(polygonShapeDefinition(shape->polygonShape).name);
        for (std::size_t i = 0; i < shape->inputs.size(); ++i) {
            const bool quantity = i == shape->quantityInput;
            const std::size_t column = csvColumnOf(header_, shape->inputs[i]);
            double value = 1.0;
            if (column == kNoColumn) {
                if (!quantity)
                    return BadCell{shapeColumn_, std::string(shape->name) +
                                                     " needs a column named " +
                                                     std::string(shape->inputs[i])};
            } else if (!(quantity && csvCell(fields, column).empty())) {
                const std::string& text = csvCell(fields, column);
                const auto read = readEntryValue(text, Separators{});
                if (!read)
                    return BadCell{column, "'" + text + "' is not a number"};
                value = *read;
            }
            if (quantity)
                item.quantity = value;
            else
                item.dimensions.push_back(value);
        }

        const std::string& rounding = csvCell(fields, roundingColumn_);
        if (rounding == "off")
            item.rounded = false;
        else if (!rounding.empty() && rounding != "on")
            return BadCell{roundingColumn_, "'" + rounding + "' is neither on nor off"};

        const std::string& name = csvCell(fields, materialColumn_);
        const std::string& densityText = csvCell(fields, densityColumn_);
        if (!densityText.empty()) {
            const auto density = readEntryValue(densityText, Separators{});
            if (!density)
                return BadCell{densityColumn_, "'" + densityText + "' is not a number"};
            item.material = name;
            item.density = *density;
        } else {
            const auto material = materials_ ? materials_(name, item.rounded) : std::nullopt;
            if (!material)
                return BadCell{materialColumn_, "there is no material '" + name + "'"};
            item.material = material->name;
            item.density = material->density;
        }
        weighQuoteItem(item);
        if (fields.size() > header_.size())
            return BadCell{header_.size(), "a field beyond the header's columns"};
        return item;
    }

private:
    std::vector<std::string> header_;
    const QuoteMaterialLookup& materials_;
    std::size_t shapeColumn_ = kNoColumn;
    std::size_t materialColumn_ = kNoColumn;
    std::size_t densityColumn_ = kNoColumn;
    std::size_t roundingColumn_ = kNoColumn;
};

} // namespace

std::string QuoteCsvError::text() const {
    std::string result = "line " + std::to_string(line) + ", column " + std::to_string(column);
    if (!columnName.empty())
        result += " (" + columnName + ")";
    return result + ": " + message;
}

void writeQuoteCsv(std::ostream& out, const std::vector<QuoteItem>& items) {
    const std::vector<std::string_view>& captions = weightResultCaptions();
    CsvWriter writer(out);
    writer.field("shape");
    for (const std::string_view column : kInputColumns)
        writer.field(column);
    writer.field("material");
    writer.field(kDensityColumn);
    writer.field(kRoundingColumn);
    writer.field(kDescriptionColumn);
    for (const std::string_view caption : captions)
        writer.field(caption);
    writer.endRecord();

    const Separators point;
    std::array<std::string, kInputColumns.size()> inputs;
    std::vector<std::string> results(captions.size());
    for (const QuoteItem& item : items) {
        const CalcShape* shape = quoteItemShape(item.shape, item.polygonShape);
        if (!shape)
            continue;
        for (std::string& text : inputs)
            text.clear();
        for (std::string& text : results)
            text.clear();
        std::size_t dimension = 0;
        for (std::size_t i = 0; i < shape->inputs.size(); ++i) {
            const auto column = static_cast<std::size_t>(
                std::find(kInputColumns.begin(), kInputColumns.end(), shape->inputs[i]) -
                kInputColumns.begin());
            const double value =
                i == shape->quantityInput ? item.quantity : item.dimensions.at(dimension++);
            inputs.at(column) = quoteNumberText(value);
        }
        // The results under the captions of the item's page, as the batch adds them.
        const WeightPageDefinition& page = weightPageDefinition(item.shape);
        const auto put = [&](std::string_view caption, std::string text) {
            const auto at = std::find(captions.begin(), captions.end(), caption);
            if (at != captions.end())
                results[static_cast<std::size_t>(at - captions.begin())] = std::move(text);
        };
        for (std::size_t i = 0; i < page.results.size(); ++i)
            put(page.results[i].caption, formatResult(item.results.weights[i], " kg", point));
        if (!page.machiningLabelName.empty())
            put(kMachiningCaption,
                formatResult(item.results.machiningDiameter.value_or(0.0), " mm", point));

        writer.field(shape->name);
        for (const std::string& text : inputs)
            writer.field(text);
        writer.field(item.material);
        writer.field(quoteNumberText(item.density));
        writer.field(item.rounded ? "on" : "off");
        writer.field(describeQuoteItem(item, point));
        for (const std::string& text : results)
            writer.field(text);
        writer.endRecord();
    }
    writer.flush();
}

QuoteCsvContent readQuoteCsv(std::istream& in, const QuoteMaterialLookup& materials) {
    QuoteCsvContent content;
    CsvReader reader(in);
    std::vector<std::string> fields;
    if (!reader.next(fields)) {
        content.errors.push_back({1, 1, {}, "the file has no header row"});
        return content;
    }
    const QuoteRowReader rows(fields, materials);
    if (!rows.hasShapeColumn()) {
        content.errors.push_back({1, 1, {}, "the header row has no shape column"});
        return content;
    }
    while (reader.next(fields)) {
        if (fields.size() == 1 && fields[0].empty())
            continue; // a blank line holds no row
        std::variant<QuoteItem, BadCell> row =
            reader.unclosedQuote()
                ? BadCell{fields.size() - 1, "a quotation mark that is never closed"}
                : rows.read(fields);
        if (auto* item = std::get_if<QuoteItem>(&row)) {
            content.items.push_back(std::move(*item));
            continue;
        }
        const BadCell& bad = std::get<BadCell>(row);
        const auto& header = rows.header();
        content.errors.push_back({reader.recordLine(), bad.column + 1,
                                  bad.column < header.size() ? header[bad.column] : std::string(),
                                  bad.message});
    }
    return content;
}

} // namespace kelvane
