// The settings file: read leniently, written whole through the favourite's safe save,
// beside the favourite and without touching it. A missing, unreadable or garbled file
// or a folder in its place is tried through the window (UnitsTest).

#include "materials/Settings.h"
#include "materials/Favourite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

TEST(SettingsTest, ParsesKeyValueLinesLeniently) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* what;
        std::string text;
        Units units;
        Lines otherLines;
    };
    const Case cases[] = {
        {"empty", "", Units::Metric, {}},
        {"imperial", "units=imperial\r\n", Units::Imperial, {}},
        {"blanks and case", "  units = Imperial \n", Units::Imperial, {}},
        {"no line end", "units=imperial", Units::Imperial, {}},
        {"a later line wins", "units=imperial\r\nunits=metric\r\n", Units::Metric, {}},
        {"unknown value", "units=furlongs\r\n", Units::Metric, {}},
        {"byte-order mark", "\xEF\xBB\xBFunits=imperial\r\n", Units::Imperial, {}},
        {"another version's key and a remark kept", "# mine\r\nlanguage=de\r\nunits=imperial\r\n",
         Units::Imperial, Lines{"# mine", "language=de"}},
        {"garbage dropped", "\x01\x02\xFF\r\nunits\r\n=x\r\nno key=1\r\n", Units::Metric, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Settings settings = parseSettings(c.text);
        EXPECT_EQ(settings.units, c.units);
        EXPECT_EQ(settings.otherLines, c.otherLines);
        EXPECT_EQ(parseSettings(settingsText(settings)), settings); // what is written reads back
    }
    EXPECT_EQ(settingsText({Units::Imperial, {"language=de"}}),
              "units=imperial\r\nlanguage=de\r\n");
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("kelvane-settings-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "Data");
        programDir_ = (root_ / "bin").string() + "/";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    std::string read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path root_;
    std::string programDir_;
};

TEST_F(SettingsFileTest, SavedBesideTheFavouriteAndReadBack) {
    std::ofstream(root_ / "Data" / "Material.txt", std::ios::binary) << "Acetal\r\n";
    std::ofstream(root_ / "Data" / "Settings.txt", std::ios::binary) << "language=de\r\n";
    Settings settings = readSettings(programDir_);
    settings.units = Units::Imperial;
    saveSettings(programDir_, settings);
    EXPECT_EQ(read(root_ / "Data" / "Settings.txt"), "units=imperial\r\nlanguage=de\r\n");
    EXPECT_EQ(readSettings(programDir_).units, Units::Imperial);
    EXPECT_EQ(read(root_ / "Data" / "Material.txt"), "Acetal\r\n");
    EXPECT_FALSE(fs::exists(root_ / "bin" / "Settings.txt"));
    EXPECT_FALSE(fs::exists(root_ / "Data" / "Settings.txt.new"));
}

} // namespace
} // namespace kelvane
