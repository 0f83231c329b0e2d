#include "common/KelvaneError.h"
#include "common/TextFile.h"
#include "materials/DensityTable.h"
#include "materials/Favourite.h"
#include "materials/MaterialState.h"
#include "materials/NameEncoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace kelvane {
namespace {

namespace fs = std::filesystem;
const Separators kPoint{".", ","};
const Separators kComma{",", "."};

TEST(DensityTableTest, LinesNamesAndDensities) {
    const auto read =
        parseDensityTable("Acetal,1.41\r\nPolypropylene,0.9\nNylon 6 ,1.14\rPTFE,2.17", kPoint);
    ASSERT_FALSE(read.error);
    ASSERT_EQ(read.materials.size(), 4u);
    EXPECT_EQ(read.materials[0].name, "Acetal");
    EXPECT_EQ(read.materials[0].density, 1.41);
    EXPECT_EQ(read.materials[1].density, 0.9);
    EXPECT_EQ(read.materials[2].name, "Nylon 6 "); // a trailing blank stays in the name
    EXPECT_EQ(read.materials[3].name, "PTFE");
}

TEST(DensityTableTest, BadLinesStopTheReadingWithTheirText) {
    struct Case {
        const char* content;
        Separators separators;
        std::size_t materialsRead;
        const char* error;
    };
    const Case cases[] = {
        {"", kPoint, 0, nullptr},
        {"A,1\r\n\r\nB,2\r\n", kPoint, 1, "'' is not a valid floating point value"},
        {"Name,Density\r\nA,1\r\n", kPoint, 0, "'Density' is not a valid floating point value"},
        {"A,1,2\r\n", kPoint, 0, "'1,2' is not a valid floating point value"},
        {"A,1.41\r\nB,1,14\r\n", kComma, 2, nullptr}, // either decimal point in a comma locale
        {"1.5\r\n", kPoint, 1, nullptr}, // no comma: empty name, the line is the density
        {"A, 2.5 \r\nB,+1e0\r\n", kPoint, 2, nullptr},
        {"A,1e999\r\n", kPoint, 0, "'1e999' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        const auto read = parseDensityTable(c.content, c.separators);
        EXPECT_EQ(read.materials.size(), c.materialsRead) << c.content;
        EXPECT_EQ(read.error.value_or("<none>"), c.error ? c.error : "<none>") << c.content;
    }
    EXPECT_EQ(parseDensityTable("A,1,2\r\n", kComma).materials.at(0).density, 1.2);
}

TEST(DensityTableTest, MissingFileNamesThePathAndTheReason) {
    const auto read = readDensityFile("/nonexistent/Density_Plastics.csv", kPoint);
    EXPECT_TRUE(read.materials.empty());
    EXPECT_EQ(read.error.value_or(""),
              "Cannot open file \"/nonexistent/Density_Plastics.csv\". No such file or directory");
}

TEST(TextFileTest, SplitLinesAcceptsEveryLineEnd) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("a"), Lines{"a"});
    EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(splitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

class FolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("kelvane-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "Data");
        programDir_ = (root_ / "bin").string() + "/";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(root_ / "bin", fs::perms::owner_all, ignored);
        fs::remove_all(root_, ignored);
    }
    void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path root_;
    std::string programDir_;
};

TEST_F(FolderTest, AppFilePrefersTheDataFolderBesideTheProgram) {
    EXPECT_EQ(appFile(programDir_, "Material.txt"), programDir_ + "Material.txt");
    write(root_ / "Data" / "Material.txt", "x\r\n");
    EXPECT_EQ(appFile(programDir_, "Material.txt"), programDir_ + "../Data/Material.txt");
    // A folder of the file's name is passed over like a missing file.
    fs::create_directories(root_ / "Data" / "Density_Plastics.csv");
    EXPECT_EQ(appFile(programDir_, "Density_Plastics.csv"), programDir_ + "Density_Plastics.csv");
}

TEST_F(FolderTest, FavouriteRoundTripKeepsBytesAndEndsInCrLf) {
    EXPECT_FALSE(readFavourite(programDir_));
    EXPECT_FALSE(compareFavMat(programDir_, "Acetal"));
    const std::string latin1Name = "Polyamid \xDF";
    saveFavMatFile(programDir_, latin1Name);
    EXPECT_EQ(read(root_ / "bin" / "Material.txt"), latin1Name + "\r\n");
    EXPECT_TRUE(compareFavMat(programDir_, latin1Name));
    EXPECT_FALSE(compareFavMat(programDir_, "polyamid \xDF"));
    EXPECT_FALSE(fs::exists(root_ / "bin" / "Material.txt.new"));
}

TEST_F(FolderTest, FavouriteIsTheLastLine) {
    write(root_ / "Data" / "Material.txt", "Acetal\r\nNylon 6\r\n");
    EXPECT_EQ(readFavourite(programDir_).value_or("?"), "Nylon 6");
    write(root_ / "Data" / "Material.txt", "");
    EXPECT_EQ(readFavourite(programDir_).value_or("?"), "");
}

TEST_F(FolderTest, SavingKeepsTheFileWhatItWas) {
    struct Case {
        const char* what;
        bool throughLink; // bin/<file> links to shared/<file>
        fs::perms permissions;
        bool noNewFileBeside; // a folder stands where the new file would be made
    };
    const Case cases[] = {
        {"shared with every user", false, fs::perms(0666), false},
        {"through a link", true, fs::perms(0640), false},
        {"no new file beside it: rewritten in place", false, fs::perms(0604), true},
        {"through a link, rewritten in place", true, fs::perms(0666), true},
    };
    // The favourite and the edited density table are saved the same way.
    struct Saved {
        std::string fileName;
        void (*save)(const std::string& programDir);
        std::string bytes;
    };
    const Saved savedFiles[] = {
        {"Material.txt",
         [](const std::string& programDir) { saveFavMatFile(programDir, "Glass Filled Nylon"); },
         "Glass Filled Nylon\r\n"},
        {"Density_Plastics.csv",
         [](const std::string& programDir) {
             saveDensityTable(programDir, "", {{"PEEK", 1.32}});
         },
         "PEEK,1.32\r\n"},
    };
    for (const Saved& saved : savedFiles) {
        for (const Case& c : cases) {
            SCOPED_TRACE(saved.fileName + ", " + c.what);
#ifdef _WIN32
            // Making a symbolic link takes administrator rights on Windows, and its files
            // carry no permission bits to keep: there only the content is checked.
            if (c.throughLink)
                continue;
#endif
            fs::remove_all(root_ / "bin");
            fs::remove_all(root_ / "shared");
            fs::create_directories(root_ / "bin");
            fs::create_directories(root_ / "shared");
            const fs::path file = root_ / (c.throughLink ? "shared" : "bin") / saved.fileName;
            write(file, "Acetal\r\n");
#ifndef _WIN32
            fs::permissions(file, c.permissions);
#endif
            if (c.throughLink)
                fs::create_symlink("../shared/" + saved.fileName, root_ / "bin" / saved.fileName);
            if (c.noNewFileBeside)
                fs::create_directories(file.string() + ".new/x");
            saved.save(programDir_);
            EXPECT_EQ(read(root_ / "bin" / saved.fileName), saved.bytes);
            EXPECT_EQ(fs::is_symlink(root_ / "bin" / saved.fileName), c.throughLink);
#ifndef _WIN32
            EXPECT_EQ(fs::status(file).permissions(), c.permissions);
#endif
        }
    }
}

TEST_F(FolderTest, AFavouriteThatIsAFolderCannotBeWritten) {
    fs::create_directories(root_ / "bin" / "Material.txt");
    EXPECT_THROW(saveFavMatFile(programDir_, "Acetal"), Error);
    EXPECT_THROW(readFavourite(programDir_), Error);
}

TEST_F(FolderTest, AnInstalledCopyKeepsTheFavouriteWithTheUser) {
    // A program folder that cannot be written, whoever runs the program.
    const std::string installed = (root_ / "missing" / "bin").string() + "/";
    const std::string user = (root_ / "home").string();
    EXPECT_FALSE(folderWritable(installed));
#ifdef _WIN32
    EXPECT_EQ(favouritePath(installed, user), user + "/Kelvane/Material.txt");
#else
    EXPECT_EQ(favouritePath(installed, user), user + "/kelvane/Material.txt");
#endif
    saveFavMatFile(installed, "Nylon 6", user);
    EXPECT_EQ(read(root_ / "home" / "kelvane" / "Material.txt"), "Nylon 6\r\n");
    EXPECT_EQ(readFavourite(installed, user).value_or("?"), "Nylon 6");
    EXPECT_TRUE(compareFavMat(installed, "Nylon 6", user));
    // A writable program folder keeps the usual place even when a user folder is known.
    EXPECT_EQ(favouritePath(programDir_, user), programDir_ + "Material.txt");
}

TEST_F(FolderTest, AnInstalledCopyKeepsTheEditedTableWithTheUserAndReadsItFirst) {
    // A program folder that cannot be written, whoever runs the program, and that
    // holds no table: the user's copy is the only one.
    const std::string installed = (root_ / "missing" / "bin").string() + "/";
    const std::string user = (root_ / "home").string();
#ifdef _WIN32
    const std::string userTable = user + "/Kelvane/Density_Plastics.csv";
#else
    const std::string userTable = user + "/kelvane/Density_Plastics.csv";
#endif
    EXPECT_EQ(densityTablePath(installed, user), userTable);
    EXPECT_EQ(saveDensityTable(installed, user, {{"PEEK", 1.32}}), userTable);
    EXPECT_EQ(read(userTable), "PEEK,1.32\r\n");
    EXPECT_EQ(readDensityFile(densityTablePath(installed, user), kPoint).materials.size(), 1u);
    // A copy whose folder can be written keeps its table beside it, user folder or not.
    EXPECT_EQ(densityTablePath(programDir_, user), programDir_ + "Density_Plastics.csv");

#ifndef _WIN32 // a read-only attribute on a Windows folder does not stop files being made in it
    if (geteuid() == 0)
        return; // file permissions do not bind the superuser
    // A shipped table in a folder the user cannot write: read until a save, then the
    // user's copy is read before it.
    write(root_ / "Data" / "Density_Plastics.csv", "Acetal,1.38\r\n");
    fs::permissions(root_ / "Data", fs::perms(0555));
    const std::string shipped = programDir_ + "../Data/Density_Plastics.csv";
    fs::permissions(shipped, fs::perms(0444));
    EXPECT_EQ(densityTablePath(programDir_, user), shipped);
    saveDensityTable(programDir_, user, {{"PEEK", 1.32}});
    EXPECT_EQ(read(shipped), "Acetal,1.38\r\n");
    EXPECT_EQ(densityTablePath(programDir_, user), user + "/kelvane/Density_Plastics.csv");
    fs::permissions(root_ / "Data", fs::perms::owner_all);
#endif
}

TEST(MaterialStateTest, StartingMaterialAndRounding) {
    MaterialState state;
    state.setTable({{"Acetal", 1.38}, {"Steel", 7.85}, {"Steel", 2.7}, {"Nylon", 1.14}});
    struct Case {
        std::optional<std::string> favourite;
        std::size_t index;
        const char* name;
        double density;
    };
    const Case cases[] = {
        {std::nullopt, 0, "Acetal", 1.75}, {"Nylon", 3, "Nylon", 1.5},
        {"Steel", 2, "Steel", 3},     // the last of equal names wins
        {"steel", 0, "Acetal", 1.75}, // names compare with case
        {"", 0, "Acetal", 1.75},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(state.chooseStarting(c.favourite), c.index);
        state.setCommercialRounding(true);
        EXPECT_EQ(state.currentMaterial(), c.name);
        EXPECT_EQ(state.currentDensity(), c.density);
        EXPECT_EQ(state.roundingPanelText(), "Commercial Rounding: On");
    }
    state.choose(1);
    EXPECT_EQ(state.densityPanelText(kPoint), "Density: 8 g/cm³");
    state.setCommercialRounding(false);
    EXPECT_EQ(state.densityPanelText(kPoint), "Density: 7.85 g/cm³");
    EXPECT_EQ(state.roundingPanelText(), "Commercial Rounding: Off");
    state.setCommercialRounding(true);
    state.setCommercialRounding(false);
    EXPECT_EQ(state.currentDensity(), 7.85); // on and off again restores the exact density
    state.choose(1);
    EXPECT_TRUE(state.roundingOn()); // a choice always ends with rounding on
    EXPECT_EQ(state.currentDensity(), 8);
}

TEST(MaterialStateTest, EmptyTableHasNoMaterial) {
    MaterialState state;
    state.chooseStarting(std::nullopt);
    state.setCommercialRounding(true);
    EXPECT_EQ(state.materialPanelText(), "Material: ");
    EXPECT_EQ(state.densityPanelText(kPoint), "Density: 0 g/cm³");
}

TEST(NameEncodingTest, Utf8KeptOtherwiseWindowsLatin1) {
    EXPECT_EQ(displayText("Polyamid \xC3\x9F"), "Polyamid \xC3\x9F");
    EXPECT_EQ(displayText("Polyamid \xDF"), "Polyamid \xC3\x9F");
    EXPECT_EQ(displayText("\x80"), "\xE2\x82\xAC");
    EXPECT_FALSE(isValidUtf8("\xC0\xAF")); // overlong
    EXPECT_FALSE(isValidUtf8("\xE2\x82")); // cut short
}

} // namespace
} // namespace kelvane
