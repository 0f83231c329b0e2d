// The window program the benchmark times: its report must describe a window that
// really started, painted and answered, or every start-up figure is meaningless.

#include "BenchCommon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kelvane::bench {
namespace {

namespace fs = std::filesystem;
using Fields = std::map<std::string, std::int64_t>;

std::string ShippedTable() {
    std::ifstream in(KELVANE_SHIPPED_TABLE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class BenchWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        root_ = fs::temp_directory_path() /
                ("kelvane-bench-window-" +
                 std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "bin");
        fs::create_directories(root_ / "Data");
    }
    void TearDown() override { fs::remove_all(root_); }

    // The program folder whose ../Data/ holds `table`.
    std::string programFolder(const std::string& table) {
        std::ofstream(root_ / "Data" / "Density_Plastics.csv", std::ios::binary) << table;
        return (root_ / "bin").string() + "/";
    }

    // Runs the window program and returns its report.
    static Fields run(const std::string& arguments) {
        const std::string command =
            std::string(KELVANE_BENCH_WINDOW) + " " + arguments + " 2>/dev/null";
        std::FILE* pipe = popen(command.c_str(), "r");
        std::string output;
        char buffer[512];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        EXPECT_TRUE(pipe && pclose(pipe) == 0) << command;
        while (!output.empty() && output.back() == '\n')
            output.pop_back();
        const auto fields = ParseReport(output);
        EXPECT_TRUE(fields) << output;
        return fields.value_or(Fields{});
    }

    // The report's moments, in the order they must have happened.
    static void ExpectInOrder(const Fields& fields, std::initializer_list<const char*> moments) {
        std::int64_t previous = 0;
        for (const char* moment : moments) {
            ASSERT_TRUE(fields.count(moment)) << moment;
            EXPECT_LE(previous, fields.at(moment)) << moment;
            previous = fields.at(moment);
        }
    }

    fs::path root_;
};

TEST_F(BenchWindowTest, BaselinesPaintAtTheGivenSize) {
    for (const char* mode : {"bare", "label"}) {
        const Fields fields = run(std::string(mode) + " 300 200");
        ExpectInOrder(fields, {"app", "window", "paint"});
        EXPECT_EQ(fields.at("width"), 300) << mode;
        EXPECT_EQ(fields.at("height"), 200) << mode;
    }
}

TEST_F(BenchWindowTest, MainWindowReportsItsTableAndAnswersAKey) {
    struct Case {
        const char* name;
        std::string table;
        std::int64_t materials;
        std::int64_t errors;
    };
    const std::string shipped = ShippedTable();
    const Case cases[] = {
        {"shipped", shipped,
         static_cast<std::int64_t>(std::count(shipped.begin(), shipped.end(), '\n')), 0},
        {"a bad second line", "Acetal,1.41\r\nName,Density\r\nPTFE,2.17\r\n", 1, 1},
    };
    for (const Case& c : cases) {
        const Fields fields = run("main " + programFolder(c.table));
        ExpectInOrder(fields, {"app", "window", "created", "paint", "usable"});
        EXPECT_EQ(fields.at("materials"), c.materials) << c.name;
        EXPECT_EQ(fields.at("errors"), c.errors) << c.name;
        EXPECT_EQ(fields.at("answered"), 1) << c.name;
    }
}

TEST_F(BenchWindowTest, OpeningTheMaterialMenuShowsAnEntryPerLine) {
    const Fields fields = run("main " + programFolder(GeneratedDensityTable(300)) + " menu");
    ExpectInOrder(fields, {"paint", "usable", "menu"});
    EXPECT_EQ(fields.at("menuentries"), 300);
}

} // namespace
} // namespace kelvane::bench
