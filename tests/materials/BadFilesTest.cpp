// density and favourite files as they may be found on a user's disk: whatever they
// hold, reading them ends in a table (perhaps empty) and at most one error text.

#include "common/KelvaneError.h"
#include "materials/DensityTable.h"
#include "materials/Favourite.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace kelvane {
namespace {

namespace fs = std::filesystem;
const Separators kPoint{".", ","};

TEST(BadDensityFileTest, OddContentsGiveATableOrOneError) {
    struct Case {
        const char* what;
        std::string content;
        std::size_t materials;
        bool error;
    };
    std::string binary;
    std::mt19937 random(20261208);
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>(random() & 0xFF);
    const Case cases[] = {
        {"empty", "", 0, false},
        {"line ends mixed", "A,1\r\nB,2\nC,3\rD,4", 4, false},
        {"no final line end", "A,1\r\nB,2", 2, false},
        {"NUL in a name", std::string("A\0B,1\r\n", 7), 1, false},
        {"NUL in a density", std::string("A,1\0\r\n", 6), 0, true},
        {"invalid UTF-8 name", "Polyamid \xDF\xFF,1.14\r\n", 1, false},
        {"binary", binary, 0, true},
    };
    for (const Case& c : cases) {
        const auto read = parseDensityTable(c.content, kPoint);
        EXPECT_EQ(read.materials.size(), c.materials) << c.what;
        EXPECT_EQ(read.error.has_value(), c.error) << c.what;
    }
    EXPECT_EQ(parseDensityTable(std::string("A\0B,1\r\n", 7), kPoint).materials[0].name,
              std::string("A\0B", 3));
}

TEST(BadDensityFileTest, HugeFilesAreReadWhole) {
    const std::string longName(10 * 1024 * 1024, 'N');
    const auto longLine = parseDensityTable(longName + ",1.5", kPoint);
    ASSERT_EQ(longLine.materials.size(), 1u);
    EXPECT_EQ(longLine.materials[0].name.size(), longName.size());

    std::string manyLines;
    for (int i = 0; i < 1000000; ++i)
        manyLines += "Material " + std::to_string(i) + ",1.25\r\n";
    const auto many = parseDensityTable(manyLines, kPoint);
    EXPECT_FALSE(many.error);
    ASSERT_EQ(many.materials.size(), 1000000u);
    EXPECT_EQ(many.materials.back().name, "Material 999999");
}

TEST(BadDensityFileTest, AHugeBadDensityIsQuotedShortened) {
    const auto read = parseDensityTable("A," + std::string(10 * 1024 * 1024, '9') + "x", kPoint);
    ASSERT_TRUE(read.error);
    EXPECT_LT(read.error->size(), 200u);
    EXPECT_EQ(read.error->substr(0, 4), "'999");
    EXPECT_EQ(read.error->substr(read.error->size() - 40),
              "...' is not a valid floating point value");
}

class FavouriteDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("kelvane-disk-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
        programDir_ = (root_ / "bin").string() + "/";
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path root_;
    std::string programDir_;
};

#ifndef _WIN32
// Runs a save on a disk that takes no more than eight bytes per file, so that the
// new content cannot be written whole, as on a full disk. Returns the error text, or
// "" when the save did not fail.
std::string saveOnATinyDisk(const std::function<void()>& save) {
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = previous;
    tiny.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &tiny);
    std::string error;
    try {
        save();
    } catch (const Error& failure) {
        error = failure.what();
    }
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    return error;
}
#endif

TEST_F(FavouriteDiskTest, AFullDiskLeavesTheOldFavouriteIntact) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no per-process file size limit to stand in for a full disk";
#else
    // Through a new file beside the old one, and rewritten in place where a folder
    // stands in the new file's way.
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "in place" : "new file");
        saveFavMatFile(programDir_, "Acetal");
        if (inPlace)
            fs::create_directories(root_ / "bin" / "Material.txt.new" / "x");
        EXPECT_EQ(
            saveOnATinyDisk([&] { saveFavMatFile(programDir_, "Glass Filled Nylon 66 (30%)"); }),
            "Cannot create file \"" + programDir_ + "Material.txt\". File too large");
        EXPECT_EQ(read(root_ / "bin" / "Material.txt"), "Acetal\r\n");
        EXPECT_EQ(fs::is_directory(root_ / "bin" / "Material.txt.new"), inPlace);
    }
#endif
}

TEST_F(FavouriteDiskTest, AFullDiskLeavesTheOldTableWhole) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no per-process file size limit to stand in for a full disk";
#else
    const std::vector<MaterialEntry> edited = {{"Acetal", 1.41}, {"Cast Nylon", 1.15}};
    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "in place" : "new file");
        saveDensityTable(programDir_, "", {{"PEEK", 1.32}});
        if (inPlace)
            fs::create_directories(root_ / "bin" / "Density_Plastics.csv.new" / "x");
        EXPECT_EQ(saveOnATinyDisk([&] { saveDensityTable(programDir_, "", edited); }),
                  "Cannot create file \"" + programDir_ + "Density_Plastics.csv\". File too large");
        EXPECT_EQ(read(root_ / "bin" / "Density_Plastics.csv"), "PEEK,1.32\r\n");
    }
#endif
}

} // namespace
} // namespace kelvane
