// The density table as the user edits it: every rule a cell is checked against,
// the exact bytes an edited table is saved as, and which row keeps the material in use.

#include "materials/MaterialTableEdit.h"
#include "common/AccessKeys.h"
#include "materials/NameEncoding.h"

#include <gtest/gtest.h>

#include <random>

namespace kelvane {
namespace {

const Separators kPoint{".", ","};
const Separators kComma{",", "."};

TEST(MaterialTableEditTest, EveryRuleOfACell) {
    struct Case {
        const char* what;
        const char* name; // UTF-8, as typed
        const char* density;
        Separators separators;
        const char* nameProblem;
        const char* densityProblem;
    };
    const Case cases[] = {
        {"a plain material", "Nylon 6", "1.14", kPoint, "", ""},
        {"a comma as the regional point", "Nylon 6", "1,14", kComma, "", ""},
        {"the point in a comma locale", "Nylon 6", "1.14", kComma, "", ""},
        {"blanks around the number, an exponent", "Nylon 6", " 1.14e0 ", kPoint, "", ""},
        {"a Latin-1 letter and the euro sign", "Polyamid \xC3\x9F \xE2\x82\xAC", "1.1", kPoint, "",
         ""},
        {"an ampersand", "R&D blend", "1.2", kPoint, "", ""},
        {"no name", "", "1.14", kPoint, "A material needs a name.", ""},
        {"only blanks", "   ", "1.14", kPoint, "A material needs a name.", ""},
        {"a comma would split the line", "Nylon, cast", "1.15", kPoint,
         "A name cannot hold a comma: the table ends each name at its first comma.", ""},
        {"a line break", "Nylon\n6", "1.14", kPoint, "A name cannot hold a line break.", ""},
        {"a carriage return", "Nylon\r6", "1.14", kPoint, "A name cannot hold a line break.", ""},
        {"a Greek letter", "\xCE\xA9-Steel", "7.85", kPoint,
         "The table's text cannot hold the character \"\xCE\xA9\".", ""},
        {"Latin-1 letters that spell UTF-8", "\xC3\x83\xC2\xA9", "1", kPoint,
         "The table would read this name back as \"\xC3\xA9\".", ""},
        {"no density", "PEEK", "", kPoint, "", "The density must be a number, such as 1.41."},
        {"the example in the regional form", "PEEK", "abc", kComma, "",
         "The density must be a number, such as 1,41."},
        {"the comma where the point is the separator", "PEEK", "1,3", kPoint, "",
         "The density must be a number, such as 1.41."},
        {"two points", "PEEK", "1.3.2", kPoint, "", "The density must be a number, such as 1.41."},
        {"zero", "PEEK", "0", kPoint, "", "The density must be above 0."},
        {"below zero", "PEEK", "-1.3", kPoint, "", "The density must be above 0."},
        {"just below the densest", "Osmium", "24.99", kPoint, "", ""},
        {"the densest", "Osmium", "25", kPoint, "",
         "The density must be below 25 g/cm\xC2\xB3: no known material is denser."},
        {"kilograms per cubic metre", "Mild Steel", "7850", kPoint, "",
         "The density must be below 25 g/cm\xC2\xB3: no known material is denser."},
        {"beyond a double", "PEEK", "1e999", kPoint, "",
         "The density must be a number, such as 1.41."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MaterialTableEdit edit = MaterialTableEdit::fromTable({}, c.separators);
        edit.insertRow(0);
        EXPECT_FALSE(edit.canSave()); // a new row is empty
        edit.setName(0, c.name);
        edit.setDensityText(0, c.density);
        EXPECT_EQ(edit.nameProblem(0), c.nameProblem);
        EXPECT_EQ(edit.densityProblem(0), c.densityProblem);
        const bool fine =
            std::string(c.nameProblem).empty() && std::string(c.densityProblem).empty();
        EXPECT_EQ(edit.canSave(), fine);
        EXPECT_EQ(edit.hasProblem(0), !fine);
        EXPECT_EQ(edit.firstProblemRow(), fine ? std::nullopt : std::optional<std::size_t>(0));
    }
}

TEST(MaterialTableEditTest, AnEditedTableIsSavedByteForByte) {
    // A name in the single-byte code page, as a file written on Windows holds it.
    const std::string file = "Acetal,1.41\r\nPolyamid \xDF,1.14\r\nMild Steel,7.85\r\nPTFE,2.2\r\n";
    MaterialTableEdit edit = MaterialTableEdit::fromFileContent(file, kPoint);
    ASSERT_EQ(edit.size(), 4u);
    EXPECT_EQ(edit.name(1), "Polyamid \xC3\x9F");
    EXPECT_EQ(densityFileBytes(edit.table()), file) << "unchanged, it saves as it was read";

    edit.insertRow(4);                      // add
    edit.setName(4, "Cast Nylon \xC3\xA9"); // typed with an accent
    edit.setDensityText(4, "1.15");
    edit.setName(0, "Acetal (POM-C)"); // rename
    edit.setDensityText(2, "7.87");    // change a density
    edit.removeRow(3);                 // remove PTFE
    edit.moveRow(3, 1);                // reorder: the new one up to second place
    ASSERT_TRUE(edit.canSave());
    EXPECT_EQ(densityFileBytes(edit.table()), "Acetal (POM-C),1.41\r\n"
                                              "Cast Nylon \xE9,1.15\r\n"
                                              "Polyamid \xDF,1.14\r\n"
                                              "Mild Steel,7.87\r\n");
}

TEST(MaterialTableEditTest, DensitiesAreWrittenWithThePointAndReadBackEqual) {
    MaterialTableEdit edit = MaterialTableEdit::fromTable({}, kComma);
    const std::pair<const char*, const char*> typed[] = {
        {"1,41", "1.41"}, {" 2 ", "2"}, {"0,90", "0.9"}, {"7.850", "7.85"}, {"1e-7", "1e-07"}};
    for (std::size_t i = 0; i < std::size(typed); ++i) {
        edit.insertRow(i);
        edit.setName(i, "M" + std::to_string(i));
        edit.setDensityText(i, typed[i].first);
    }
    std::string expected;
    for (std::size_t i = 0; i < std::size(typed); ++i)
        expected += "M" + std::to_string(i) + "," + typed[i].second + "\r\n";
    EXPECT_EQ(densityFileBytes(edit.table()), expected);

    // Any density reads back as the very same number, in either locale.
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> densities(1e-6, 25);
    std::vector<MaterialEntry> table;
    for (int i = 0; i < 2000; ++i)
        table.push_back({"M", densities(random)});
    for (const Separators& separators : {kPoint, kComma}) {
        const DensityTableRead read = parseDensityTable(densityFileBytes(table), separators);
        ASSERT_FALSE(read.error);
        for (std::size_t i = 0; i < table.size(); ++i)
            ASSERT_EQ(read.materials[i].density, table[i].density) << i;
    }
}

TEST(MaterialTableEditTest, AFileThatFailedToLoadOpensWholeForRepair) {
    const std::string file = "Material,Density\r\nAcetal,1,41\r\n\r\nPEEK\r\nSteel,7.85\r\n";
    const MaterialTableEdit point = MaterialTableEdit::fromFileContent(file, kPoint);
    ASSERT_EQ(point.size(), 5u);
    EXPECT_EQ(point.densityText(0), "Density");
    EXPECT_EQ(point.densityText(1), "1,41");
    EXPECT_FALSE(point.densityProblem(1).empty());
    EXPECT_EQ(point.nameProblem(2), "A material needs a name.");
    EXPECT_EQ(point.densityText(3), "PEEK") << "a line without a comma is all density";
    EXPECT_FALSE(point.hasProblem(4));
    EXPECT_EQ(point.firstProblemRow(), 0u);

    // In a comma locale the same line is a density, shown with the comma.
    const MaterialTableEdit comma = MaterialTableEdit::fromFileContent(file, kComma);
    EXPECT_EQ(comma.densityText(1), "1,41");
    EXPECT_TRUE(comma.densityProblem(1).empty());
}

TEST(MaterialTableEditTest, SharedNamesAreMarkedWhileTheyAreShared) {
    MaterialTableEdit edit =
        MaterialTableEdit::fromFileContent("Steel,7.85\r\nSteel,7.9\r\nBrass,8.5\r\n", kPoint);
    EXPECT_TRUE(edit.sharesName(0));
    EXPECT_TRUE(edit.sharesName(1));
    EXPECT_FALSE(edit.sharesName(2));
    EXPECT_TRUE(edit.canSave()) << "shared names are allowed";
    edit.setName(1, "Brass");
    EXPECT_FALSE(edit.sharesName(0));
    EXPECT_TRUE(edit.sharesName(2));
    edit.removeRow(2);
    EXPECT_FALSE(edit.sharesName(1));
    edit.insertRow(0);
    edit.insertRow(0);
    EXPECT_TRUE(edit.sharesName(0)) << "two new rows are both without a name";
    edit.removeRow(0);
    edit.removeRow(0);
    edit.removeRow(0);
    edit.removeRow(0);
    EXPECT_FALSE(edit.canSave()) << MaterialTableEdit::kEmptyTableProblem;
}

TEST(MaterialTableEditTest, TheMaterialInUseFollowsItsRow) {
    struct Case {
        const char* what;
        std::size_t index; // the table entry in use when the edit began
        std::string name;
        void (*change)(MaterialTableEdit&);
        std::size_t row;
    };
    const Case cases[] = {
        {"unchanged", 1, "Steel", [](MaterialTableEdit&) {}, 1},
        {"moved down", 0, "Steel", [](MaterialTableEdit& e) { e.moveRow(0, 3); }, 3},
        {"a row added before it", 1, "Steel", [](MaterialTableEdit& e) { e.insertRow(0); }, 2},
        {"its twin kept, not the last of the name", 0, "Steel", [](MaterialTableEdit&) {}, 0},
        {"renamed: the last row of its old name", 0, "Steel",
         [](MaterialTableEdit& e) { e.setName(0, "Mild Steel"); }, 1},
        {"removed: the last row of its name", 1, "Steel",
         [](MaterialTableEdit& e) { e.removeRow(1); }, 0},
        {"gone: the first row", 2, "Brass", [](MaterialTableEdit& e) { e.removeRow(2); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MaterialTableEdit edit = MaterialTableEdit::fromFileContent(
            "Steel,7.85\r\nSteel,7.9\r\nBrass,8.5\r\nPEEK,1.3\r\n", kPoint);
        c.change(edit);
        EXPECT_EQ(edit.rowInUse(c.index, c.name), c.row);
    }
}

TEST(MaterialTableEditTest, TypedNamesInTheSingleByteCodePage) {
    struct Case {
        const char* typed;
        const char* bytes;
        const char* unstorable;
    };
    const Case cases[] = {
        {"PEEK", "PEEK", ""},
        {"Polyamid \xC3\x9F", "Polyamid \xDF", ""},
        {"\xE2\x82\xAC \xC5\x92 \xE2\x80\x94", "\x80 \x8C \x97", ""}, // euro, OE, dash
        {"A \xCE\xA9 B \xE2\x88\x9E", "A ", "\xCE\xA9"},              // omega stops it
        {"\xF0\x9F\x99\x82", "", "\xF0\x9F\x99\x82"},                 // beyond the BMP
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const SingleByteText text = singleByteText(c.typed);
        EXPECT_EQ(text.bytes, c.bytes);
        EXPECT_EQ(text.unstorable, c.unstorable);
        if (text.unstorable.empty()) {
            EXPECT_EQ(displayText(text.bytes), c.typed) << "reads back as typed";
        }
    }
}

TEST(AccessKeysTest, ReservedKeysAreLeftToTheMenusOwnEntries) {
    AccessKeys keys("E");
    EXPECT_EQ(keys.caption("Epoxy"), "E&poxy");
    EXPECT_EQ(keys.caption("eel"), "ee&l");
    EXPECT_EQ(keys.caption("Acetal"), "&Acetal");
}

} // namespace
} // namespace kelvane
