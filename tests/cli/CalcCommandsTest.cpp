// kelvane-calc's commands, options, exit statuses and messages, and its two
// questions, length-for and cut, against figures worked out by hand.

#include "CalcFixture.h"

namespace kelvane::testing {
namespace {

using Args = std::vector<std::string>;

struct Case {
    const char* what;
    Args arguments;
    int status;
    std::string out; // exact
    std::string err; // the start of standard error
};

void expectRuns(CalcTest& test, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CalcRun result = test.run(c.arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err.substr(0, c.err.size()), c.err) << result.err;
        if (c.err.empty()) {
            EXPECT_EQ(result.err, "");
        }
    }
}

// The table's Acetal 1.38 is used at 1.75, Mild Steel 7.85 at 8 and Nylon 6 1.14 at 1.5.
TEST_F(CalcTest, CommandsOptionsAndExitStatuses) {
    const std::string round50 =
        "Weight per Metre: 3.44 kg\nWeight per Bar: 10.31 kg\nTotal Weight: 41.23 kg\n";
    const std::vector<Case> cases = {
        {"first material, rounded", {"round", "50", "3000", "4"}, 0, round50, ""},
        {"options anywhere", {"round", "50", "--material", "Acetal", "3000", "4"}, 0, round50, ""},
        {"option=value and --",
         {"--material=Acetal", "--", "round", "50", "3000", "4"},
         0,
         round50,
         ""},
        {"missing quantity is 1",
         {"--material", "Mild Steel", "round", "50", "1000"},
         0,
         "Weight per Metre: 15.71 kg\nWeight per Bar: 15.71 kg\nTotal Weight: 15.71 kg\n",
         ""},
        {"exact density",
         {"--exact", "--material", "Mild Steel", "round", "50", "1000"},
         0,
         "Weight per Metre: 15.41 kg\nWeight per Bar: 15.41 kg\nTotal Weight: 15.41 kg\n",
         ""},
        {"density given, not rounded",
         {"flat", "50", "10", "2000", "5", "--density", "1.25"},
         0,
         "Weight per Metre: 0.63 kg\nWeight per Bar: 1.25 kg\nTotal Weight: 6.25 kg\n"
         "Machining Diameter: 50.99 mm\n",
         ""},
        {"json",
         {"--json", "polygon", "hexagon", "20", "1000", "3"},
         0,
         R"({"material":"Acetal","density":1.75,"results":{"Weight per Metre":"0.61 kg",)"
         R"("Weight per Bar":"0.61 kg","Total Weight":"1.82 kg","Machining Diameter":"23.09 mm"}})"
         "\n",
         ""},
        {"json with --density",
         {"--json", "--density", "8", "tube", "60", "5", "6000", "2"},
         0,
         R"({"material":null,"density":8,"results":{"Weight per Metre":"6.91 kg",)"
         R"("Weight per Bar":"41.47 kg","Total Weight":"82.94 kg"}})"
         "\n",
         ""},
        {"decimal separator",
         {"plate", "2000", "1000", "10", "3", "--decimal-separator", ","},
         0,
         "Weight per Sq. Metre: 17,50 kg\nWeight per Sheet/Plate: 35,00 kg\n"
         "Total Weight: 105,00 kg\n",
         ""},
        {"carbon equivalent",
         {"ce", "0.20", "1.00"},
         0,
         "Carbon Equivalent Value (CE): 0.37\nWeldability rating: Very good\n",
         ""},
        {"turning",
         {"turning", "50", "3000", "10", "800", "150", "45", "--turning-lump-sum", "--density",
          "1.25"},
         0,
         "Feedstock Weight per Metre: 2.45 kg/m\nFeedstock Weight per Bar: 7.36 kg\n"
         "Feedstock Total Weight: 73.63 kg\nProduced Weight per Metre: 1.99 kg/m\n"
         "Total Cost: 208.90\nProduction loss: 19.00%\n"
         "Produced Material Cost (per Tonne): 3502.70\n",
         ""},
        {"tube wall past the centre: the solid bar, a note, success",
         {"tube", "60.3", "40", "1000", "--density", "8"},
         0,
         "Weight per Metre: 22.85 kg\nWeight per Bar: 22.85 kg\nTotal Weight: 22.85 kg\n",
         "The wall reaches the centre: weighed as a solid bar\n"},
        {"hollow wall past the centre: the solid rectangle",
         {"hollow", "10", "10", "20", "1000", "--density", "8"},
         0,
         "Weight per Metre: 0.80 kg\nWeight per Bar: 0.80 kg\nTotal Weight: 0.80 kg\n",
         "The wall reaches the centre: weighed as a solid rectangle\n"},
        {"no number is an error, never 0",
         {"round", "5O", "1000"},
         1,
         "",
         "diameter: '5O' is not a number\n"},
        {"too few operands", {"round", "50"}, 2, "", "Usage: kelvane-calc round DIAMETER LENGTH"},
        {"unknown option", {"round", "50", "100", "--colour"}, 2, "", "Unknown option --colour"},
        {"unknown command", {"sphere", "50"}, 2, "", "Unknown command 'sphere'"},
        {"no command", {}, 2, "", "No command given"},
        {"option of another command", {"round", "50", "100", "--kerf", "3"}, 2, "", "--kerf"},
        {"unknown material",
         {"--material", "Brass", "round", "50", "100"},
         2,
         "",
         "There is no material \"Brass\""},
        {"missing table",
         {"--table", "/nonexistent/table.csv", "round", "50", "100"},
         2,
         "",
         "Cannot open file \"/nonexistent/table.csv\". "},
        {"conversion needs no table",
         {"--table", "/nonexistent/table.csv", "convert", "25.4"},
         0,
         "Feet: 0'1\"\nInches: 1\"\nFractions:\nDecimal inches: 1\"\nNearest inch: 1\"\n"
         "Millimetres: 25.4\nCentimetres: 2.54\nMetres: 0.025\nKilometres: 0\n"
         "Nearest 25mm: 25\n",
         ""},
    };
    expectRuns(*this, cases);
}

TEST_F(CalcTest, TableErrorsAndFavouriteAsAtStartUp) {
    writeFile("bin/Material.txt", "Nylon 6\r\n");
    CalcRun result = run({"--json", "round", "50", "1000"});
    EXPECT_EQ(result.out.rfind(R"({"material":"Nylon 6","density":1.5,)", 0), 0u) << result.out;

    writeFile("Data/Density_Plastics.csv", "Acetal,1.38\r\nHeader,density\r\n");
    result = run({"round", "50", "1000"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "'density' is not a valid floating point value.\n");
    EXPECT_EQ(result.out, "");

    // "." and the regional separator are both decimal points, in the table as in entries.
    writeFile("Data/Density_Plastics.csv", "Acetal,1,38\r\n");
    result = run({"round", "50,0", "1000.0"}, {}, ",");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, 25), "Weight per Metre: 3.44 kg");
}

TEST_F(CalcTest, AnInstalledCopyReadsTheTableTheUserEdited) {
    // The program's folder cannot be written and holds no table; the window saved the
    // user's edited table in the user's data folder.
#ifdef _WIN32
    const char* userFolder = "home/Kelvane";
#else
    const char* userFolder = "home/kelvane";
#endif
    std::filesystem::create_directories(folder_ / userFolder);
    writeFile(std::string(userFolder) + "/Density_Plastics.csv", "PEEK,1.32\r\n");
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const CalcEnvironment environment{path("missing/bin/"), path("home"), Separators{".", ""}};
    EXPECT_EQ(runCalc({"--json", "round", "50", "1000"}, environment, in, out, err), 0)
        << err.str();
    EXPECT_EQ(out.str().rfind(R"({"material":"PEEK","density":1.5,)", 0), 0u) << out.str();
}

// length-for and cut, with the figures worked out here:
// flat 40 × 25 at 8: 40 × 25 × 8 / 1000 = 8 kg/m, so 1 kg is 125 mm;
// round 100 at 8: π × 50² × 8 / 1000 = 62.831853 kg/m, so 10 kg is 159.15494 mm;
// plate 1000 wide, 10 thick at 1.75: 17.5 kg/m², 17.5 kg per metre, so 35 kg is 2000 mm;
// flat 50 × 10 at 1.38 (exact): 0.69 kg/m, so 0.875 kg is 1268.11594 mm.
TEST_F(CalcTest, LengthForAndCutAgainstWorkedFigures) {
    const std::vector<Case> cases = {
        {"flat",
         {"length-for", "1", "flat", "40", "25", "--density", "8"},
         0,
         "Length: 125 mm\n",
         ""},
        {"round, three decimals",
         {"length-for", "10", "round", "100", "--density", "8"},
         0,
         "Length: 159.155 mm\n",
         ""},
        {"plate",
         {"length-for", "35", "plate", "1000", "10", "--density", "1.75"},
         0,
         "Length: 2000 mm\n",
         ""},
        {"table material, exact",
         {"--exact", "length-for", "0.875", "flat", "50", "10"},
         0,
         "Length: 1268.116 mm\n",
         ""},
        {"table material, rounded to 1.75: 0.875 kg/m",
         {"--json", "length-for", "0.875", "flat", "50", "10"},
         0,
         "{\"length\":1000}\n",
         ""},
        {"tube wall past the centre: the round bar of its diameter, noted",
         {"length-for", "10", "tube", "100", "60", "--density", "8"},
         0,
         "Length: 159.155 mm\n",
         "The wall reaches the centre: weighed as a solid bar\n"},
        {"no weight", {"length-for", "0", "round", "50"}, 1, "", "weight: '0' is not more than 0"},
        {"no section weighs it",
         {"length-for", "1", "tube", "50", "0", "--density", "2"},
         1,
         "",
         "No length of this section weighs 1 kg"},
        {"dimensions missing", {"length-for", "1", "flat", "40"}, 2, "", "flat needs width"},
        // 13 × 450 + 12 × 3 = 5886 fits 6000, 14 pieces do not; 6000 − 13 × 453 = 111 left.
        {"kerf after every piece",
         {"cut", "6000", "450", "--kerf", "3", "--pieces", "40"},
         0,
         "Pieces per Bar: 13\nOffcut Length: 111 mm\nBars Needed: 4\n",
         ""},
        // 4 × 250 + 3 × 5 = 1015: the last piece ends at the bar's end and needs no cut.
        {"piece ends at the bar's end",
         {"cut", "1015", "250", "--kerf", "5"},
         0,
         "Pieces per Bar: 4\nOffcut Length: 0 mm\n",
         ""},
        // 3 × 333.3 + 2 × 0.1 = 1000.1 exactly, although no length is exact in binary.
        {"decimal lengths that fill the bar",
         {"--json", "cut", "1000.1", "333.3", "--kerf", "0.1"},
         0,
         "{\"pieces_per_bar\":3,\"offcut_length\":0}\n",
         ""},
        // 2 × 498 + 3 = 999: the last cut runs off the end and leaves nothing.
        {"kerf runs off the end",
         {"cut", "1000", "498", "--kerf", "3"},
         0,
         "Pieces per Bar: 2\nOffcut Length: 0 mm\n",
         ""},
        // flat 50 × 10 at 2: 1 kg/m; 4 pieces of 1400 leave 400 mm, 0.4 kg; 9 pieces need
        // 3 bars and weigh 12.6 kg.
        {"weights of a section",
         {"--json", "cut", "6000", "1400", "--pieces", "9", "flat", "50", "10", "--density", "2"},
         0,
         R"({"pieces_per_bar":4,"offcut_length":400,"bars_needed":3,"piece_weight":"1.40 kg",)"
         R"("offcut_weight":"0.40 kg","order_weight":"12.60 kg"})"
         "\n",
         ""},
        {"piece longer than the bar",
         {"cut", "1000", "1001"},
         1,
         "",
         "A piece of 1001 mm is longer than the bar of 1000 mm"},
        {"pieces are whole",
         {"cut", "1000", "100", "--pieces", "2.5"},
         1,
         "",
         "pieces: '2.5' is not a whole number"},
    };
    expectRuns(*this, cases);
}

// The program itself: built, found beside its table, ending with its exit status.
TEST_F(CalcTest, TheProgramRuns) {
    writeFile("table.csv", "Mild Steel,7.85\n");
    const std::string program = quoted(KELVANE_CALC_PROGRAM);
    CalcRun result =
        shell(program + " round 60 1000 --table " + quoted(path("table.csv")) + " 2>&1");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "Weight per Metre: 22.62 kg\nWeight per Bar: 22.62 kg\nTotal Weight: 22.62 kg\n");
    result = shell(program + " --version");
    EXPECT_EQ(result.out.substr(0, 13), "kelvane-calc ");
    EXPECT_EQ(shell(program + " round x 1 --density 1 2>&1").status, 1);
    EXPECT_EQ(shell(program + " round 2>&1").status, 2);
}

} // namespace
} // namespace kelvane::testing
