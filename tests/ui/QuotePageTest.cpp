// The quote list in the window: items added from every weight page, edited, reordered,
// cleared, copied, saved and opened, and kept between runs.

#include "DriveFixture.h"

#include "cli/CalcProgram.h"
#include "common/CsvStream.h"

#include <QDate>
#include <QProcess>

#include <algorithm>
#include <iterator>
#include <sstream>

namespace kelvane::testing {
namespace {

using QuotePageTest = DriveTest;

std::vector<std::vector<std::string>> tableRows(const QJsonObject& state) {
    std::vector<std::vector<std::string>> rows;
    for (const QJsonValue row : state["rows"].toArray()) {
        rows.emplace_back();
        for (const QJsonValue cell : row.toArray())
            rows.back().push_back(cell.toString().toStdString());
    }
    return rows;
}

// The text of a PDF file as pdftotext reads it, or nothing where pdftotext cannot run.
std::optional<std::string> pdfText(const std::string& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QString::fromStdString(path), QStringLiteral("-")});
    if (!reader.waitForFinished(30000) || reader.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return reader.readAllStandardOutput().toStdString();
}

std::vector<std::string> sortedWords(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
    std::sort(words.begin(), words.end());
    return words;
}

TEST_F(QuotePageTest, EveryWeightPageAddsItsItem) {
    start();
    const struct {
        const char* page;
        const char* firstBox;
        const char* typed;
        const char* button;
    } pages[] = {
        {"Round", "RDiaEdit", "50\r3000\r4", "RAddBtn"},
        {"Polygon", "PAFEdit", "20\r1000\r3", "PAddBtn"},
        {"Flat/Square", "BWidthEdit", "50\r10\r2000\r5", "BAddBtn"},
        {"Plate/Sheet", "SLengthEdit", "1000\r500\r10\r2", "SAddBtn"},
        {"Tube", "TODEdit", "50\r5\r1000\r1", "TAddBtn"},
        {"Hollow Section", "HHeightEdit", "100\r50\r5\r1000\r1", "HAddBtn"},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.page);
        send(R"(["page",)" + quoted(page.page) + "]");
        send(R"(["focus",)" + quoted(page.firstBox) + "]");
        send(R"(["type",)" + quoted(page.typed) + "]");
        send(R"(["click",)" + quoted(page.button) + "]");
        EXPECT_EQ(value(R"(["tooltip"])").toObject()["text"].toString(), "Added to the quote");
    }
    const std::vector<std::vector<std::string>> expected = {
        {"Round 50 \xC3\x97 3000 mm, Acetal", "4", "10.31 kg", "41.23 kg"},
        {"Hexagon 20 \xC3\x97 1000 mm, Acetal", "3", "0.61 kg", "1.82 kg"},
        {"Flat 50 \xC3\x97 10 \xC3\x97 2000 mm, Acetal", "5", "1.75 kg", "8.75 kg"},
        {"Plate 1000 \xC3\x97 500 \xC3\x97 10 mm, Acetal", "2", "8.75 kg", "17.50 kg"},
        {"Tube 50 \xC3\x97 5 \xC3\x97 1000 mm, Acetal", "1", "1.24 kg", "1.24 kg"},
        {"Hollow Section 100 \xC3\x97 50 \xC3\x97 5 \xC3\x97 1000 mm, Acetal", "1", "2.44 kg",
         "2.44 kg"},
    };
    EXPECT_EQ(tableRows(value(R"(["get","QuoteTable"])").toObject()), expected);
    EXPECT_EQ(text("QuoteTotalLabel"), "Total: 72.98 kg");
    EXPECT_EQ(text("QuoteCountLabel"), "6 items");
}

TEST_F(QuotePageTest, ZeroTotalIsRefusedAtTheButton) {
    start();
    send(R"(["type","50\r3000\r0"])");
    send(R"(["click","RAddBtn"])");
    EXPECT_EQ(value(R"(["tooltip"])").toObject()["text"].toString(),
              "Nothing to add: the total weight is 0");
    EXPECT_TRUE(lastEvents().isEmpty()); // no message box
    EXPECT_EQ(text("QuoteCountLabel"), "0 items");
}

TEST_F(QuotePageTest, EditReorderRemoveClearCopyAndRestart) {
    start();
    send(R"(["type","50\r3000\r4"])");
    send(R"(["click","RAddBtn"])");
    send(R"(["paste","RDiaEdit","20"])");
    send(R"(["paste","RLengthEdit","1000"])");
    send(R"(["paste","RQtyEdit","10"])");
    send(R"(["click","RAddBtn"])");
    send(R"(["page","Quote"])");
    send(R"(["edit","QuoteTable",0,1,"1"])"); // 41.23 kg becomes 10.31 kg
    EXPECT_EQ(text("QuoteTotalLabel"), "Total: 15.81 kg");
    send(R"(["edit","QuoteTable",0,1,"x"])"); // no number: the quantity stays
    EXPECT_EQ(tableRows(value(R"(["get","QuoteTable"])").toObject())[0][1], "1");

    send(R"(["click","QuoteDownBtn"])");
    auto rows = tableRows(value(R"(["get","QuoteTable"])").toObject());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "Round 20 \xC3\x97 1000 mm, Acetal");

    send(R"(["click","QuoteCopyBtn"])");
    EXPECT_EQ(value(R"(["clipboard"])").toString().toStdString(),
              "Item\tQuantity\tWeight per Piece\tTotal Weight\n"
              "Round 20 \xC3\x97 1000 mm, Acetal\t10\t0.55 kg\t5.50 kg\n"
              "Round 50 \xC3\x97 3000 mm, Acetal\t1\t10.31 kg\t10.31 kg\n"
              "Total\t\t\t15.81 kg\n");

    // Kept between runs, in the order left.
    session_.reset();
    start();
    send(R"(["page","Quote"])");
    EXPECT_EQ(tableRows(value(R"(["get","QuoteTable"])").toObject()), rows);

    send(R"(["click","QuoteRemoveBtn"])"); // the first row is the current one
    EXPECT_EQ(text("QuoteCountLabel"), "1 item");
    send(R"(["answer","no"])");
    send(R"(["click","QuoteClearBtn"])");
    EXPECT_EQ(lastEvents(), (QJsonArray{QJsonObject{{"type", "confirm"},
                                                    {"title", "Clear All"},
                                                    {"text", "Remove every item from the quote?"},
                                                    {"answer", "no"}}}));
    EXPECT_EQ(text("QuoteCountLabel"), "1 item");
    send(R"(["answer","yes"])");
    send(R"(["click","QuoteClearBtn"])");
    EXPECT_EQ(text("QuoteTotalLabel"), "Total: 0.00 kg");
}

TEST_F(QuotePageTest, SaveThenOpenAndABadRowReported) {
    start();
    send(R"(["type","50\r3000\r4"])");
    send(R"(["click","RAddBtn"])");
    send(R"(["page","Quote"])");
    send(R"(["file",)" + quoted(path("saved.csv")) + "]");
    send(R"(["click","QuoteSaveBtn"])");
    EXPECT_NE(readFile("saved.csv").find("round,50,,,,,,3000,4,Acetal,1.75,on,"),
              std::string::npos);

    writeFile("hand.csv", "shape,diameter,length,quantity,material\n"
                          "round,50,3000,4,Mild Steel\n"
                          "round,5x,1000,,\n"
                          "hexagon,20,1000,3,\n");
    send(R"(["file",)" + quoted(path("hand.csv")) + "]");
    send(R"(["click","QuoteOpenBtn"])");
    const QJsonArray events = lastEvents();
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[1].toObject()["text"].toString().toStdString(),
              "Some rows of \"" + path("hand.csv") +
                  "\" could not be read:\nline 3, column 2 (diameter): '5x' is not a number\n"
                  "line 4, column 1 (shape): hexagon needs a column named across_flats.");
    const auto rows = tableRows(value(R"(["get","QuoteTable"])").toObject());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][3], "188.50 kg"); // Mild Steel costed at 8 g/cm³
}

TEST_F(QuotePageTest, SavedListGivesTheSameFiguresInBatch) {
    start();
    const struct {
        const char* page;
        const char* material;
        const char* firstBox;
        const char* typed;
        const char* button;
    } items[] = {
        {"Round", "Acetal", "RDiaEdit", "50\r3000\r4", "RAddBtn"},
        {"Polygon", "Mild Steel", "PAFEdit", "33.3\r1234.5\r3", "PAddBtn"},
        {"Plate/Sheet", "Nylon 6", "SLengthEdit", "2000\r1000\r0.5\r7", "SAddBtn"},
        {"Tube", "Mild Steel", "TODEdit", "60.3\r3.2\r6000\r2.5", "TAddBtn"},
    };
    for (const auto& item : items) {
        send(R"(["menu","Material",)" + quoted(item.material) + "]");
        send(R"(["page",)" + quoted(item.page) + "]");
        send(R"(["focus",)" + quoted(item.firstBox) + "]");
        send(R"(["type",)" + quoted(item.typed) + "]");
        send(R"(["click",)" + quoted(item.button) + "]");
    }
    send(R"(["page","Quote"])");
    send(R"(["file",)" + quoted(path("saved.csv")) + "]");
    send(R"(["click","QuoteSaveBtn"])");
    const auto shown = tableRows(value(R"(["get","QuoteTable"])").toObject());

    std::istringstream in(readFile("saved.csv"));
    std::ostringstream out;
    std::ostringstream err;
    const CalcEnvironment environment{path("bin/"), {}, Separators{".", ","}};
    ASSERT_EQ(runCalc({"batch", path("saved.csv")}, environment, in, out, err), 0) << err.str();
    std::istringstream batch(out.str());
    CsvReader reader(batch);
    std::vector<std::string> header;
    ASSERT_TRUE(reader.next(header));
    // The batch's own result column: the last of that name, after the file's copy of it.
    const auto total = std::find(header.rbegin(), header.rend(), "Total Weight");
    ASSERT_NE(total, header.rend());
    const std::size_t column = header.size() - 1 - (total - header.rbegin());
    std::vector<std::string> record;
    for (std::size_t row = 0; row < shown.size(); ++row) {
        SCOPED_TRACE(items[row].page);
        ASSERT_TRUE(reader.next(record));
        EXPECT_EQ(record.at(column), shown[row][3]);
    }
    EXPECT_FALSE(reader.next(record));
}

TEST_F(QuotePageTest, ListFollowsTheUnitsInUseWhileItsFileStaysMetric) {
    start();
    send(R"(["type","50\r3000\r4"])");
    send(R"(["click","RAddBtn"])");
    send(R"(["menu","Options","Units","Inches and Pounds"])");
    send(R"(["page","Quote"])");
    const std::vector<std::vector<std::string>> imperial = {
        {"Round 1.969 \xC3\x97 118.110 in, Acetal", "4", "22.73 lb", "90.90 lb"}};
    EXPECT_EQ(tableRows(control("QuoteTable")), imperial);
    EXPECT_EQ(text("QuoteTotalLabel"), "Total: 90.90 lb");
    send(R"(["file",)" + quoted(path("saved.csv")) + "]");
    send(R"(["click","QuoteSaveBtn"])");
    EXPECT_NE(readFile("saved.csv").find("round,50,,,,,,3000,4,Acetal,1.75,on,"),
              std::string::npos);
    EXPECT_NE(readFile("saved.csv").find("41.23 kg"), std::string::npos);
    send(R"(["menu","Options","Units","Millimetres and Kilograms"])");
    EXPECT_EQ(text("QuoteTotalLabel"), "Total: 41.23 kg");
}

TEST_F(QuotePageTest, DamagedListIsKeptAsideAndReportedOnce) {
    const std::string damaged = "shape,diameter,length\nround,50,\"3000\n";
    writeFile("bin/Quote.csv", damaged);
    start();
    const QJsonArray events = lastEvents();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].toObject()["type"].toString(), "error");
    EXPECT_NE(events[0].toObject()["text"].toString().indexOf("Quote.damaged.csv"), -1);
    EXPECT_EQ(readFile("bin/Quote.damaged.csv"), damaged);
    EXPECT_EQ(text("QuoteCountLabel"), "0 items");

    session_.reset();
    start();
    EXPECT_TRUE(lastEvents().isEmpty());
}

TEST_F(QuotePageTest, ExportedAndPrintedPdfHoldEveryItemAndTheTotal) {
    // Forty-one items: two pages.
    std::string file = "shape,diameter,length,quantity,material\n";
    for (int i = 1; i <= 41; ++i)
        file += "round," + std::to_string(10 + i) + ",1000," + std::to_string(i) + ",Acetal\n";
    writeFile("list.csv", file);
    start();
    send(R"(["page","Quote"])");
    send(R"(["file",)" + quoted(path("list.csv")) + "]");
    send(R"(["click","QuoteOpenBtn"])");
    const auto rows = tableRows(control("QuoteTable"));
    ASSERT_EQ(rows.size(), 41u);

    send(R"(["file",)" + quoted(path("quote.pdf")) + "]");
    send(R"(["click","QuotePdfBtn"])");
    EXPECT_EQ(readFile("quote.pdf").substr(0, 5), "%PDF-");
    send(R"(["file",)" + quoted(path("printed.pdf")) + "]");
    send(R"(["key","Ctrl+P"])");
    EXPECT_EQ(lastEvents(),
              (QJsonArray{QJsonObject{{"type", "print"},
                                      {"path", QString::fromStdString(path("printed.pdf"))}}}));
    const auto exported = pdfText(path("quote.pdf"));
    if (!exported)
        GTEST_SKIP() << "pdftotext cannot run here";
    const std::string pdf = *exported;
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        for (const std::string& cell : row)
            EXPECT_NE(pdf.find(cell), std::string::npos) << cell;
    }
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    for (const std::string& expected :
         {"Quote, " + date, std::string("Page 1 of 2"), std::string("Page 2 of 2"),
          text("QuoteTotalLabel"), std::string("41 items")})
        EXPECT_NE(pdf.find(expected), std::string::npos) << expected;
    // The same words: a reader's order of the columns may differ with the resolution.
    EXPECT_EQ(sortedWords(pdfText(path("printed.pdf")).value_or("")), sortedWords(pdf));
}

} // namespace
} // namespace kelvane::testing
