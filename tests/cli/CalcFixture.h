#pragma once

#include "cli/CalcProgram.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace kelvane::testing {

// What one run of kelvane-calc gave.
struct CalcRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A program folder of the test's own (bin/ with Data/ beside it) holding a density
// table, and runs of kelvane-calc's entry point from that folder.
class CalcTest : public ::testing::Test {
public:
    static constexpr const char* kTable = "Acetal,1.38\r\nMild Steel,7.85\r\nNylon 6,1.14\r\n";

    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("kelvane-calc-test-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "bin");
        std::filesystem::create_directories(folder_ / "Data");
        writeFile("Data/Density_Plastics.csv", kTable);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    void writeFile(const std::string& relativePath, const std::string& bytes) {
        std::ofstream(folder_ / relativePath, std::ios::binary) << bytes;
    }
    std::string path(const std::string& relativePath) const {
        return (folder_ / relativePath).string();
    }

    CalcRun run(const std::vector<std::string>& arguments, const std::string& input = {},
                const std::string& regionalDecimal = ".") {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const CalcEnvironment environment{path("bin/"), {}, Separators{regionalDecimal, ""}};
        CalcRun result;
        result.status = runCalc(arguments, environment, in, out, err);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    // Runs a command line through the system's shell and reads its standard output as
    // bytes, untranslated.
    static CalcRun shell(const std::string& command) {
        CalcRun result;
#ifdef _WIN32
        // cmd.exe runs the line with its outer quotes taken off.
        FILE* pipe = _popen(("\"" + command + "\"").c_str(), "rb");
#else
        FILE* pipe = popen(command.c_str(), "r");
#endif
        char buffer[4096];
        for (std::size_t read; pipe && (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            result.out.append(buffer, read);
#ifdef _WIN32
        result.status = pipe ? _pclose(pipe) : -1;
#else
        const int status = pipe ? pclose(pipe) : -1;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        return result;
    }
    // A path or program as one word of a shell command line.
    static std::string quoted(const std::string& text) {
#ifdef _WIN32
        return "\"" + text + "\"";
#else
        return "'" + text + "'";
#endif
    }

    std::filesystem::path folder_;
};

} // namespace kelvane::testing
