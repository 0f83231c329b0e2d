// A saved quote is a batch table: kelvane-calc batch weighs it to the very texts saved.

#include "CalcFixture.h"

#include "common/CsvStream.h"
#include "weights/QuoteCsv.h"

namespace kelvane::testing {
namespace {

std::vector<std::vector<std::string>> readRecords(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    while (reader.next(fields))
        records.push_back(fields);
    return records;
}

TEST_F(CalcTest, SavedQuoteGivesTheSameFiguresInBatch) {
    // With rounding on, as in the batch, Acetal's 1.38 is used as 1.75 and Mild Steel's 7.85 as 8.
    const struct {
        WeightShape shape;
        const char* polygon;
        std::vector<double> dimensions;
        double quantity;
        const char* material;
        double density;
    } rows[] = {
        {WeightShape::Round, "", {50, 3000}, 4, "Acetal", 1.75},
        {WeightShape::Polygon, "Hexagon", {20, 1000}, 3, "Nylon 6", 1.5},
        {WeightShape::Polygon, "Triangle", {33.3, 1234.5}, 1, "Mild Steel", 8},
        {WeightShape::FlatSquare, "", {50, 10, 2000}, 5, "Acetal", 1.75},
        {WeightShape::PlateSheet, "", {2000, 1000, 0.5}, 7, "Mild Steel", 8},
        {WeightShape::Tube, "", {60.3, 3.2, 6000}, 2.5, "Mild Steel", 8},
        {WeightShape::HollowSection, "", {100, 50, 5, 6000}, 1, "Mild Steel", 8},
    };
    std::vector<QuoteItem> items;
    for (const auto& row : rows) {
        QuoteItem item;
        item.shape = row.shape;
        item.polygonShape = row.polygon;
        item.dimensions = row.dimensions;
        item.quantity = row.quantity;
        item.material = row.material;
        item.density = row.density;
        weighQuoteItem(item);
        items.push_back(item);
    }
    std::ostringstream saved;
    writeQuoteCsv(saved, items);

    const CalcRun result = run({"batch"}, saved.str());
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto file = readRecords(saved.str());
    const auto batch = readRecords(result.out);
    ASSERT_EQ(batch.size(), file.size());
    // The batch adds its six result columns after the file's own, under the same names.
    const std::size_t added = 6;
    ASSERT_EQ(batch[0].size(), file[0].size() + added);
    for (std::size_t row = 0; row < file.size(); ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const std::vector<std::string> own(file[row].end() - added, file[row].end());
        const std::vector<std::string> weighed(batch[row].end() - added, batch[row].end());
        EXPECT_EQ(weighed, own);
    }
}

} // namespace
} // namespace kelvane::testing
