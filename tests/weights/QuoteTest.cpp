// The quote list: descriptions, list edits and the total, the clipboard's table, and its
// CSV file written and read back, with bad rows reported where they stand.

#include "weights/QuoteCsv.h"
#include "weights/QuoteList.h"
#include "weights/QuotePrintout.h"

#include <gtest/gtest.h>

#include "common/ResultFormat.h"

#include <map>
#include <sstream>

namespace kelvane {
namespace {

QuoteItem makeItem(WeightShape shape, std::string polygon, std::vector<double> dimensions,
                   double quantity, std::string material, double density) {
    QuoteItem item;
    item.shape = shape;
    item.polygonShape = std::move(polygon);
    item.dimensions = std::move(dimensions);
    item.quantity = quantity;
    item.material = std::move(material);
    item.density = density;
    weighQuoteItem(item);
    return item;
}

QuoteItem roundBar(double diameter, double length, double quantity, double density = 1.75) {
    return makeItem(WeightShape::Round, {}, {diameter, length}, quantity, "Acetal (POM-C)",
                    density);
}

void expectSameItem(const QuoteItem& a, const QuoteItem& b) {
    EXPECT_EQ(a.shape, b.shape);
    EXPECT_EQ(a.polygonShape, b.polygonShape);
    EXPECT_EQ(a.dimensions, b.dimensions);
    EXPECT_EQ(a.quantity, b.quantity);
    EXPECT_EQ(a.material, b.material);
    EXPECT_EQ(a.density, b.density);
    EXPECT_EQ(a.rounded, b.rounded);
    EXPECT_EQ(a.results.weights, b.results.weights);
    EXPECT_EQ(a.results.machiningDiameter, b.results.machiningDiameter);
}

TEST(Quote, DescribesEachShapeInTabOrder) {
    const Separators comma{",", "."};
    const struct {
        const char* name;
        QuoteItem item;
        Separators separators;
        std::string expected;
    } cases[] = {
        {"round", roundBar(50, 3000, 4), {}, "Round 50 \xC3\x97 3000 mm, Acetal (POM-C)"},
        {"hexagon, comma decimal",
         makeItem(WeightShape::Polygon, "Hexagon", {20.5, 1000}, 1, "PA6", 1.5), comma,
         "Hexagon 20,5 \xC3\x97 1000 mm, PA6"},
        {"flat",
         makeItem(WeightShape::FlatSquare, {}, {50, 10, 2000}, 1, "Steel", 7.85),
         {},
         "Flat 50 \xC3\x97 10 \xC3\x97 2000 mm, Steel"},
        {"plate, Latin-1 name decoded",
         makeItem(WeightShape::PlateSheet, {}, {1000, 500, 10}, 1, "Caf\xE9", 1.2),
         {},
         "Plate 1000 \xC3\x97 500 \xC3\x97 10 mm, Caf\xC3\xA9"},
        {"hollow, no material",
         makeItem(WeightShape::HollowSection, {}, {100, 50, 5, 6000}, 1, "", 7.85),
         {},
         "Hollow Section 100 \xC3\x97 50 \xC3\x97 5 \xC3\x97 6000 mm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(describeQuoteItem(c.item, c.separators), c.expected);
    }
}

// The printed page in English, and in a language given: every caption, pattern and
// shape word is asked for, while figures, units and material names stay as they are.
TEST(Quote, PrintedPageInTheLanguageGiven) {
    const std::map<std::string_view, std::string> german = {
        {"Round", "Rundstab"},        {"Hexagon", "Sechskant"},
        {"Item", "Position"},         {"Quantity", "Anzahl"},
        {"Weight per Piece", "Stk"},  {"Total Weight", "Gesamt"},
        {"Total", "Summe"},           {"%1 items", "%1 Positionen"},
        {"Quote, %1", "Angebot, %1"}, {"Page %1 of %2", "Seite %1 von %2"}};
    const QuoteWords words = [&german](std::string_view english) {
        const auto found = german.find(english);
        return found == german.end() ? "?" + std::string(english) : found->second;
    };
    QuoteList list;
    list.add(roundBar(50, 3000, 4));
    list.add(makeItem(WeightShape::Polygon, "Hexagon", {20, 1000}, 1, "PA6", 1.5));
    const struct {
        const char* name;
        QuoteWords words;
        std::vector<std::string> expected;
    } cases[] = {
        {"English",
         {},
         {"Quote, 2026-12-09", "Page 1 of 1", "Item", "Total Weight",
          "Round 50 \xC3\x97 3000 mm, Acetal (POM-C)", "Hexagon 20 \xC3\x97 1000 mm, PA6",
          "Total: 41.75 kg", "2 items"}},
        {"German",
         words,
         {"Angebot, 2026-12-09", "Seite 1 von 1", "Position", "Gesamt",
          "Rundstab 50 \xC3\x97 3000 mm, Acetal (POM-C)", "Sechskant 20 \xC3\x97 1000 mm, PA6",
          "Summe: 41.75 kg", "2 Positionen"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pages = quotePrintPages(list, {}, "2026-12-09", Units::Metric, c.words);
        ASSERT_EQ(pages.size(), 1U);
        const QuotePrintPage& page = pages[0];
        EXPECT_EQ((std::vector<std::string>{page.heading, page.pageNumber, page.captions[0],
                                            page.captions[3], page.rows[0][0], page.rows[1][0],
                                            page.total, page.count}),
                  c.expected);
    }
    EXPECT_EQ(quoteCountText(1), "1 item");
}

TEST(Quote, EditsKeepOrderAndTheTotalFollows) {
    QuoteList list;
    list.add(roundBar(50, 3000, 4));  // 41.23 kg
    list.add(roundBar(50, 1000, 1));  // 3.44 kg
    list.add(roundBar(20, 1000, 10)); // 5.50 kg
    EXPECT_EQ(list.totalText({}), "50.17 kg");
    // The shown totals would add to 19.25 kg below; the stored ones give 19.24 kg.

    list.move(2, 0);
    list.move(1, 2);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.items()[0].dimensions[0], 20);
    EXPECT_EQ(list.items()[1].dimensions[1], 1000);
    EXPECT_EQ(list.items()[2].dimensions[1], 3000);
    list.move(0, 7); // out of range: nothing moves
    list.remove(9);
    EXPECT_EQ(list.items()[0].dimensions[0], 20);

    list.setQuantity(2, 1); // 41.23 kg becomes 10.31 kg
    EXPECT_EQ(formatResult(list.items()[2].total(), " kg", {}), "10.31 kg");
    EXPECT_EQ(list.totalText({}), "19.24 kg");
    list.remove(0);
    EXPECT_EQ(list.totalText({}), "13.74 kg");
    list.clear();
    EXPECT_EQ(list.totalText({}), "0.00 kg");
}

TEST(Quote, TotalIsTheSumOfStoredTotalsFormattedOnce) {
    // Each piece weighs 0.0044 kg and shows as 0.00 kg; three of them total 0.01 kg.
    QuoteList list;
    for (int i = 0; i < 3; ++i)
        list.add(makeItem(WeightShape::Round, {}, {1, 1000}, 1, "x", 4.4 / 0.785398163));
    EXPECT_EQ(formatResult(list.items()[0].total(), " kg", {}), "0.00 kg");
    EXPECT_EQ(list.totalText({}), "0.01 kg");
}

TEST(Quote, ClipboardIsATabSeparatedTable) {
    QuoteList list;
    list.add(roundBar(50, 3000, 4));
    list.add(makeItem(WeightShape::PlateSheet, {}, {1000, 500, 10}, 2, "PTFE\tsheet", 2.2));
    EXPECT_EQ(list.clipboardText({}),
              "Item\tQuantity\tWeight per Piece\tTotal Weight\n"
              "Round 50 \xC3\x97 3000 mm, Acetal (POM-C)\t4\t10.31 kg\t41.23 kg\n"
              "Plate 1000 \xC3\x97 500 \xC3\x97 10 mm, PTFE sheet\t2\t11.00 kg\t22.00 kg\n"
              "Total\t\t\t63.23 kg\n");
}

TEST(Quote, SavedFileReadsBackToTheSameItems) {
    std::vector<QuoteItem> items = {
        roundBar(50.1, 3000, 4),
        makeItem(WeightShape::Polygon, "Triangle", {0.1, 1e-7}, 3, "a \"b\", c", 1.14),
        makeItem(WeightShape::Tube, {}, {50, 5, 3000}, 2.5, "Caf\xE9", 8.9),
        makeItem(WeightShape::HollowSection, {}, {100, 50, 5, 6000}, 1, "Steel", 7.85),
    };
    items[2].rounded = false;
    std::stringstream file;
    writeQuoteCsv(file, items);
    // No table at all: each row's density column is enough.
    const QuoteCsvContent read = readQuoteCsv(file, {});
    EXPECT_TRUE(read.errors.empty());
    ASSERT_EQ(read.items.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameItem(read.items[i], items[i]);
    }
}

TEST(Quote, HandWrittenFileKeepsGoodRowsAndReportsBadOnes) {
    const QuoteMaterialLookup table = [](std::string_view name,
                                         bool rounded) -> std::optional<QuoteMaterial> {
        if (name.empty() || name == "Acetal")
            return QuoteMaterial{"Acetal", rounded ? 1.75 : 1.38};
        return std::nullopt;
    };
    std::istringstream file("\xEF\xBB\xBFshape,diameter,length,quantity,material,rounding\r\n"
                            "round,50,3000,4,,\r\n"
                            "round,5x,1000,,,\r\n"
                            "\r\n"
                            "round,50,1000,,Nylon,\r\n"
                            "cube,1,1,1,,\r\n"
                            "flat,1,1,1,,\r\n"
                            "round,50,1000,,Acetal,maybe\r\n"
                            "round,50,1000,2,Acetal,off,extra\r\n"
                            "ROUND,50,1000,,Acetal,off\r\n"
                            "round,\"50,1000\n");
    const QuoteCsvContent read = readQuoteCsv(file, table);
    std::vector<std::string> errors;
    for (const QuoteCsvError& error : read.errors)
        errors.push_back(error.text());
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "line 3, column 2 (diameter): '5x' is not a number",
                          "line 5, column 5 (material): there is no material 'Nylon'",
                          "line 6, column 1 (\xEF\xBB\xBFshape): 'cube' is no shape",
                          "line 7, column 1 (\xEF\xBB\xBFshape): flat needs a column named width",
                          "line 8, column 6 (rounding): 'maybe' is neither on nor off",
                          "line 9, column 7: a field beyond the header's columns",
                          "line 11, column 2 (diameter): a quotation mark that is never closed",
                      }));
    ASSERT_EQ(read.items.size(), 2u);
    EXPECT_EQ(read.items[0].material, "Acetal");
    EXPECT_EQ(formatResult(read.items[0].total(), " kg", {}), "41.23 kg");
    EXPECT_FALSE(read.items[1].rounded);
    EXPECT_EQ(read.items[1].density, 1.38);
}

TEST(Quote, FileWithoutHeaderOrShapeColumnIsOneError) {
    const struct {
        const char* name;
        const char* text;
        const char* error;
    } cases[] = {
        {"empty", "", "line 1, column 1: the file has no header row"},
        {"no shape", "diameter,length\n50,100\n",
         "line 1, column 1: the header row has no shape column"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream file(c.text);
        const QuoteCsvContent read = readQuoteCsv(file, {});
        ASSERT_EQ(read.errors.size(), 1u);
        EXPECT_EQ(read.errors[0].text(), c.error);
        EXPECT_TRUE(read.items.empty());
    }
}

} // namespace
} // namespace kelvane
