// kelvane-calc batch: rows weighed as the pages weigh them, bad cells reported by line
// and column with their rows written without results, names carried byte for byte.

#include "CalcFixture.h"
#include "common/CsvStream.h"

namespace kelvane::testing {
namespace {

constexpr const char* kAdded = "Weight per Metre,Weight per Bar,Total Weight,Machining Diameter,"
                               "Weight per Sq. Metre,Weight per Sheet/Plate";

TEST_F(CalcTest, BatchWritesEveryRowAndReportsBadCells) {
    // A Latin-1 name, not valid UTF-8, must come back as the same bytes.
    writeFile("Data/Density_Plastics.csv", std::string(kTable) + "Caf\xE9 POM,1.38\r\n");
    const std::string input = "shape,diameter,width,thickness,length,quantity,material,note\r\n"
                              "round,50,,,3000,4,,\"a, note\"\r\n"
                              "round,abc,,,3000,4,,x\r\n"
                              "flat,,50,10,2000,5,Acetal,\r\n"
                              "round,50,,,1000,,Nylon 6,\r\n"
                              "round,50,,,1000,,Nylon 7,\r\n"
                              "\"round\",50,,,1000,2,\"Mild Steel\",\"two\r\nlines\"\r\n"
                              "hexagon,,,,1000,,,\r\n"
                              "cube,1,1,1,1,1,,\r\n"
                              "round,50,,,1000,,Caf\xE9 POM,\"say \"\"hi\"\"\"\r\n";
    const CalcRun result = run({"batch"}, input);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              std::string("shape,diameter,width,thickness,length,quantity,material,note,") +
                  kAdded +
                  "\n"
                  "round,50,,,3000,4,,\"a, note\",3.44 kg,10.31 kg,41.23 kg,,,\n"
                  "round,abc,,,3000,4,,x,,,,,,\n"
                  "flat,,50,10,2000,5,Acetal,,0.88 kg,1.75 kg,8.75 kg,50.99 mm,,\n"
                  "round,50,,,1000,,Nylon 6,,2.95 kg,2.95 kg,2.95 kg,,,\n"
                  "round,50,,,1000,,Nylon 7,,,,,,,\n"
                  "round,50,,,1000,2,Mild Steel,\"two\r\nlines\",15.71 kg,15.71 kg,31.42 kg,,,\n"
                  "hexagon,,,,1000,,,,,,,,,\n"
                  "cube,1,1,1,1,1,,,,,,,,\n"
                  "round,50,,,1000,,Caf\xE9 POM,\"say \"\"hi\"\"\",3.44 kg,3.44 kg,3.44 kg,,,\n");
    EXPECT_EQ(result.err, "line 3, column 2 (diameter): 'abc' is not a number\n"
                          "line 6, column 7 (material): there is no material 'Nylon 7'\n"
                          "line 9, column 1 (shape): hexagon needs a column named across_flats\n"
                          "line 10, column 1 (shape): 'cube' is no shape\n");
}

TEST_F(CalcTest, BatchNotesAWallPastTheCentreAndWeighsTheRow) {
    const std::string input = "shape,diameter,height,width,wall,length\r\n"
                              "tube,60.3,,,40,1000\r\n"
                              "hollow,,10,10,20,1000\r\n"
                              "tube,60.3,,,5,1000\r\n";
    const CalcRun result = run({"batch", "--density", "8"}, input);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "shape,diameter,height,width,wall,length," + std::string(kAdded) +
                              "\n"
                              "tube,60.3,,,40,1000,22.85 kg,22.85 kg,22.85 kg,,,\n"
                              "hollow,,10,10,20,1000,0.80 kg,0.80 kg,0.80 kg,,,\n"
                              "tube,60.3,,,5,1000,6.95 kg,6.95 kg,6.95 kg,,,\n");
    EXPECT_EQ(
        result.err,
        "line 2, column 5 (wall): The wall reaches the centre: weighed as a solid bar\n"
        "line 3, column 5 (wall): The wall reaches the centre: weighed as a solid rectangle\n");
}

TEST_F(CalcTest, BatchCountsLinesAcrossReadBlocks) {
    // Enough rows for several read blocks, with CR LF line ends that fall across block
    // boundaries and a quoted line break every hundred rows.
    std::string input = "shape,diameter,length,note\r\n";
    long long line = 2;
    long long badLine = 0;
    for (int row = 0; row < 20000; ++row) {
        if (row == 15000) {
            badLine = line;
            input += "round,5..0,1000,\r\n";
        } else if (row % 100 == 0) {
            input += "round,50,1000,\"a\r\nb\"\r\n";
            ++line;
        } else {
            input += "round,50,1000,\r\n";
        }
        ++line;
    }
    const CalcRun result = run({"batch", "-", "--density", "2"}, input);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "line " + std::to_string(badLine) +
                              ", column 2 (diameter): '5..0' is not a number\n");
    std::size_t rows = 0;
    for (std::size_t at = result.out.find(",3.93 kg,3.93 kg,3.93 kg,"); at != std::string::npos;
         at = result.out.find(",3.93 kg,3.93 kg,3.93 kg,", at + 1))
        ++rows;
    EXPECT_EQ(rows, 19999u);

    // A quoted CR LF whose CR ends the first read block (64 KiB) counts as one line break.
    const std::string head = "shape,diameter,length,note\r\nround,50,1000,\"";
    const std::string split =
        head + std::string(65535 - head.size(), 'x') + "\r\nb\"\r\nround,x,1000,\r\n";
    const CalcRun crossing = run({"batch", "--density", "2"}, split);
    EXPECT_EQ(crossing.err, "line 4, column 2 (diameter): 'x' is not a number\n");
}

TEST_F(CalcTest, BatchHeaderRow) {
    // A spreadsheet's byte-order mark stays in the output and does not hide the shape column.
    const CalcRun marked =
        run({"batch", "--density", "2"}, "\xEF\xBB\xBFshape,diameter,length\nround,50,1000\n");
    EXPECT_EQ(marked.status, 0) << marked.err;
    EXPECT_EQ(marked.out.substr(0, 9), "\xEF\xBB\xBFshape,");

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"", "The batch has no header row\n"},
        {"diameter,length\n50,1000\n", "The batch's header row has no shape column\n"},
    };
    for (const auto& [input, message] : refused) {
        SCOPED_TRACE(input);
        const CalcRun result = run({"batch"}, input);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err.substr(0, message.size()), message);
    }
}

// Fields of any length reach the output whole and quoted where they need it, whether
// they fit the writer's block or not.
TEST(CsvWriterTest, WritesEveryFieldWhole) {
    const std::string longText(200000, 'a');
    struct Case {
        const char* what;
        std::string field;
        std::string written;
    };
    const std::vector<Case> cases = {
        {"empty", "", ""},
        {"plain, longer than a block", longText, longText},
        {"quoted, longer than a block", longText + "\"," + longText,
         "\"" + longText + "\"\"," + longText + "\""},
        {"a line break", "a\nb", "\"a\nb\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ostringstream out;
        {
            CsvWriter writer(out);
            writer.field("x");
            writer.field(c.field);
            writer.field("y");
            writer.endRecord();
            writer.field("z");
            writer.endRecord();
        }
        EXPECT_EQ(out.str(), "x," + c.written + ",y\nz\n");
    }
}

// The program itself writes what it reads, on every system: line breaks inside quoted
// fields and every other byte unchanged, each row ending in LF alone, whether the
// table comes from a file or from standard input.
TEST_F(CalcTest, TheProgramsBatchWritesFieldsByteForByte) {
    writeFile("rows.csv", "shape,diameter,length,note\r\n"
                          "round,50,1000,\"two\nlines\"\r\n"
                          "round,50,1000,\"CR LF\r\nand CR\ralone\"\n"
                          "round,50,1000,\x1A after byte 26\r\n");
    const std::string rows = "round,50,1000,\"two\nlines\",3.93 kg,3.93 kg,3.93 kg,,,\n"
                             "round,50,1000,\"CR LF\r\nand CR\ralone\",3.93 kg,3.93 kg,3.93 kg,,,\n"
                             "round,50,1000,\x1A after byte 26,3.93 kg,3.93 kg,3.93 kg,,,\n";
    const std::string program = quoted(KELVANE_CALC_PROGRAM) + " --density 2 batch ";
    const std::vector<std::pair<std::string, std::string>> runs = {
        {"a file", program + quoted(path("rows.csv"))},
        {"standard input", program + "- < " + quoted(path("rows.csv"))},
    };
    for (const auto& [what, command] : runs) {
        SCOPED_TRACE(what);
        const CalcRun result = shell(command);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, std::string("shape,diameter,length,note,") + kAdded + "\n" + rows);
    }
}

} // namespace
} // namespace kelvane::testing
