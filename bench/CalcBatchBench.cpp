// kelvane-calc-bench: the speed and memory of kelvane-calc's batch command.
//
// Writes generated weight tables of 100,000 and of --rows rows (default 1,000,000)
// into a temporary folder, then runs the real kelvane-calc on each, --runs times
// (default 5), with its output going to /dev/null. Each run is timed on the monotonic
// clock from just before the spawn to the end of the child, and the child's CPU time
// and peak memory (ru_maxrss) are taken from wait4. One extra run writes its output to
// a file, which must hold the header and every row.

#include "BenchCommon.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

using kelvane::bench::Median;
using kelvane::bench::MonotonicNanoseconds;

struct Run {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    long peakKilobytes = 0;
    int status = -1;
};

// Rows of every weight shape in turn with random dimensions, one or two decimals.
void writeTable(const std::string& path, std::size_t rows) {
    std::ofstream out(path, std::ios::binary);
    out << "shape,diameter,across_flats,width,height,thickness,wall,length,quantity,material\n";
    const char* shapes[] = {"round", "hexagon", "flat",   "plate",
                            "tube",  "hollow",  "square", "triangle"};
    std::mt19937 random(1);
    std::uniform_int_distribution<int> size(50, 3000);
    std::uniform_int_distribution<int> thin(10, 400);
    std::uniform_int_distribution<int> wall(10, 100);
    std::uniform_int_distribution<int> length(100, 6000);
    std::uniform_int_distribution<int> quantity(1, 20);
    const auto tenths = [](int value) {
        return std::to_string(value / 10) + "." + std::to_string(value % 10);
    };
    for (std::size_t i = 0; i < rows; ++i) {
        out << shapes[i % std::size(shapes)] << ',' << tenths(size(random)) << ','
            << tenths(size(random)) << ',' << tenths(size(random)) << ',' << tenths(size(random))
            << ',' << tenths(thin(random)) << ',' << tenths(wall(random)) << ',' << length(random)
            << ',' << quantity(random) << ",\n";
    }
}

Run runBatch(const std::string& calc, const std::string& table, const std::string& output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> arguments = {calc, "batch", table};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    Run run;
    const std::int64_t start = MonotonicNanoseconds();
    pid_t child = 0;
    if (posix_spawn(&child, calc.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return run;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.wallSeconds = static_cast<double>(MonotonicNanoseconds() - start) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakKilobytes = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

std::size_t countLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::size_t lines = 0;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            lines += buffer[i] == '\n';
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    std::size_t rows = 1000000;
    int runs = 5;
    bool keep = false;
    std::string calc =
        (std::filesystem::canonical("/proc/self/exe").parent_path() / "kelvane-calc").string();
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--rows" && i + 1 < argc)
            rows = std::stoul(argv[++i]);
        else if (argument == "--runs" && i + 1 < argc)
            runs = std::stoi(argv[++i]);
        else if (argument == "--calc" && i + 1 < argc)
            calc = argv[++i];
        else if (argument == "--keep")
            keep = true;
        else {
            std::cerr << "Usage: kelvane-calc-bench [--rows N] [--runs N] [--calc PATH] [--keep]\n";
            return 2;
        }
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kelvane-calc-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::size_t smallRows = std::min<std::size_t>(100000, rows);
    const std::string small = (folder / "small.csv").string();
    const std::string large = (folder / "large.csv").string();
    writeTable(small, smallRows);
    writeTable(large, rows);

    int failures = 0;
    const std::string written = (folder / "out.csv").string();
    const Run check = runBatch(calc, large, written);
    if (check.status != 0 || countLines(written) != rows + 1) {
        std::cerr << "kelvane-calc did not write every row (exit status " << check.status << ")\n";
        ++failures;
    }

    std::cout << "kelvane-calc batch, " << rows << " rows, " << runs << " runs, "
              << sysconf(_SC_NPROCESSORS_ONLN) << " processors\n"
              << "load average before: " << loadAverage() << '\n';
    std::vector<double> rates, cpuRates, smallPeaks, largePeaks;
    for (int i = 0; i < runs; ++i) {
        const Run smallRun = runBatch(calc, small, "/dev/null");
        const Run largeRun = runBatch(calc, large, "/dev/null");
        failures += smallRun.status != 0 || largeRun.status != 0;
        rates.push_back(static_cast<double>(rows) / largeRun.wallSeconds);
        cpuRates.push_back(static_cast<double>(rows) / largeRun.cpuSeconds);
        smallPeaks.push_back(static_cast<double>(smallRun.peakKilobytes));
        largePeaks.push_back(static_cast<double>(largeRun.peakKilobytes));
        std::printf("run %d: %.3f s wall, %.3f s CPU, %.0f rows/s; peak memory %ld KiB "
                    "(%zu rows: %ld KiB)\n",
                    i + 1, largeRun.wallSeconds, largeRun.cpuSeconds, rates.back(),
                    largeRun.peakKilobytes, smallRows, smallRun.peakKilobytes);
    }
    const auto [slowest, fastest] = std::minmax_element(rates.begin(), rates.end());
    std::printf("rows/s by wall clock: median %.0f, slowest %.0f, fastest %.0f\n", Median(rates),
                *slowest, *fastest);
    std::printf("rows/s by CPU time:   median %.0f\n", Median(cpuRates));
    std::printf("peak memory: %zu rows %.0f KiB, %zu rows %.0f KiB (medians)\n", smallRows,
                Median(smallPeaks), rows, Median(largePeaks));
    std::cout << "load average after: " << loadAverage() << '\n';
    if (!keep)
        std::filesystem::remove_all(folder);
    return failures == 0 ? 0 : 1;
}
