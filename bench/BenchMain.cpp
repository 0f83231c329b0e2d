// kelvane-bench: start-up, memory and keystroke figures of the main window, measured
// side by side with a bare Qt window of the same size, in one run.
//
// Start-up is timed from just before the parent spawns a child (kelvane-bench-window)
// to the child's first completed paint, on the system-wide monotonic clock; the
// children run interleaved, in an order that rotates every round. Peak memory is
// each child's ru_maxrss as wait4 reports it. The keystroke and quote figures are
// taken in this process, on the main window with the shipped table.

#include "BenchCommon.h"
#include "ChildRun.h"
#include "KeystrokeBench.h"
#include "QuoteBench.h"

#include "drive/QuietOffscreen.h"

#include <QApplication>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kelvane::bench::ChildRun;
using kelvane::bench::KeystrokeFigures;
using kelvane::bench::MakeProgramFolder;
using kelvane::bench::MeasureKeystrokes;
using kelvane::bench::Median;
using kelvane::bench::MonotonicNanoseconds;
using kelvane::bench::PrintKeystrokes;
using kelvane::bench::ReadWholeFile;
using kelvane::bench::Report;
using kelvane::bench::RunChild;
using kelvane::bench::WriteWholeFile;

constexpr double kShippedRatioLimit = 1.3;
constexpr double kTenThousandRatioLimit = 2.0;
constexpr double kUsableLimitMs = 1000;
constexpr double kKeystrokeLimitUs = 1000;
constexpr double kEditorLimitMs = 300;
constexpr double kQuoteAddLimitMs = 5;
constexpr double kQuoteSaveLimitMs = 200;
constexpr std::size_t kGeneratedSizes[] = {1'000, 10'000, 100'000};

struct Options {
    int runs = 20;
    int menuRuns = 3;
    int keystrokes = 3000;
    int quoteRuns = 10;
    std::string platform = "offscreen";
    bool keep = false;
};

Options ParseOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--runs" && hasValue)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (option == "--menu-runs" && hasValue)
            options.menuRuns = std::max(0, std::atoi(argv[++i]));
        else if (option == "--keystrokes" && hasValue)
            options.keystrokes = std::max(1, std::atoi(argv[++i]));
        else if (option == "--quote-runs" && hasValue)
            options.quoteRuns = std::max(1, std::atoi(argv[++i]));
        else if (option == "--platform" && hasValue)
            options.platform = argv[++i];
        else if (option == "--keep")
            options.keep = true;
        else {
            std::fputs(
                "usage: kelvane-bench [--runs N] [--menu-runs N] [--keystrokes N]\n"
                "                     [--quote-runs N] [--platform offscreen|xcb] [--keep]\n"
                "  --runs N        start-ups of each window (default 20, at least 10 for the\n"
                "                  targets)\n"
                "  --menu-runs N   start-ups that also open the Material menu (default 3)\n"
                "  --keystrokes N  keys typed into the diameter box (default 3000)\n"
                "  --quote-runs N  10,000th quote items added and lists saved (default 10)\n"
                "  --platform P    Qt platform of every window (default offscreen; use xcb\n"
                "                  under 'xvfb-run -a')\n"
                "  --keep          keep the folder of generated tables\n",
                stderr);
            std::exit(option == "--help" ? EXIT_SUCCESS : EXIT_FAILURE);
        }
    }
    return options;
}

struct Case {
    std::string label;
    std::size_t lines = 0; // the density table's lines; 0 for the baselines
    std::vector<std::string> arguments;
    std::vector<ChildRun> runs;

    // Milliseconds from the spawn to the report's moment `field`, one per run.
    std::vector<double> millis(const std::string& field) const {
        std::vector<double> values;
        for (const ChildRun& run : runs)
            if (run.report.count(field))
                values.push_back(static_cast<double>(run.report.at(field) - run.spawned) / 1e6);
        return values;
    }
    double medianMs(const std::string& field) const { return Median(millis(field)); }
    double medianPeakMiB() const {
        std::vector<double> values;
        for (const ChildRun& run : runs)
            values.push_back(static_cast<double>(run.peakKiB) / 1024);
        return Median(values);
    }
};

// The value of the first "<prefix>...: value" line of a /proc file, blanks trimmed.
std::string FirstLineWith(const std::string& file, const std::string& prefix) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0 || line.find(':') == std::string::npos)
            continue;
        const auto first = line.find_first_not_of(" \t", line.find(':') + 1);
        return first == std::string::npos ? std::string() : line.substr(first);
    }
    return "unknown";
}

std::string Uptime() {
    std::string load = ReadWholeFile("/proc/loadavg");
    return load.substr(0, load.find(' ', load.find(' ', load.find(' ') + 1) + 1));
}

void PrintMachine(const Options& options) {
    std::printf("machine: %u cores, %s, memory %s\n", std::thread::hardware_concurrency(),
                FirstLineWith("/proc/cpuinfo", "model name").c_str(),
                FirstLineWith("/proc/meminfo", "MemTotal").c_str());
    std::printf("Qt %s, g++ %s, build %s, platform %s, load average %s\n", qVersion(), __VERSION__,
                KELVANE_BENCH_BUILD_TYPE, options.platform.c_str(), Uptime().c_str());
}

void CheckStarted(const Case& windowCase) {
    for (const ChildRun& run : windowCase.runs) {
        const Report& report = run.report;
        if (windowCase.lines == 0)
            continue;
        if (report.at("materials") != static_cast<std::int64_t>(windowCase.lines) ||
            report.at("errors") != 0 || report.at("answered") != 1)
            throw std::runtime_error(windowCase.label + ": the window did not start cleanly (" +
                                     kelvane::bench::FormatReport(report) + ")");
    }
}

// A figure with one decimal, or "-" where the window has no such moment.
std::string Figure(bool present, double value) {
    if (!present)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void PrintStartups(const std::vector<Case>& cases, int runs) {
    const double bare = cases.front().medianMs("paint"); // the bare window comes first
    std::printf("\nStart-up, process start to first completed paint, %d runs each, interleaved\n",
                runs);
    std::printf("%-30s %8s %8s %8s %8s %7s %10s %9s\n", "window", "lines", "median", "min", "max",
                "ratio", "usable", "peak RSS");
    std::printf("%-30s %8s %8s %8s %8s %7s %10s %9s\n", "", "", "ms", "ms", "ms", "", "ms", "MiB");
    for (const Case& windowCase : cases) {
        const std::vector<double> paint = windowCase.millis("paint");
        const std::string lines =
            windowCase.lines ? std::to_string(windowCase.lines) : std::string("-");
        const std::string usable = Figure(windowCase.lines != 0, windowCase.medianMs("usable"));
        std::printf("%-30s %8s %8.1f %8.1f %8.1f %6.2fx %10s %9.1f\n", windowCase.label.c_str(),
                    lines.c_str(), Median(paint), *std::min_element(paint.begin(), paint.end()),
                    *std::max_element(paint.begin(), paint.end()), Median(paint) / bare,
                    usable.c_str(), windowCase.medianPeakMiB());
    }
    std::printf("\nWhere the time goes, medians in ms from the spawn\n");
    std::printf("%-30s %10s %10s %10s %10s %10s\n", "window", "QApp made", "window", "start-up",
                "painted", "usable");
    for (const Case& windowCase : cases) {
        const bool main = windowCase.lines != 0;
        std::printf("%-30s %10.1f %10.1f %10s %10.1f %10s\n", windowCase.label.c_str(),
                    windowCase.medianMs("app"), windowCase.medianMs("window"),
                    Figure(main, windowCase.medianMs("created")).c_str(),
                    windowCase.medianMs("paint"),
                    Figure(main, windowCase.medianMs("usable")).c_str());
    }
}

void PrintMenus(const std::vector<Case>& menuCases) {
    if (menuCases.empty() || menuCases.front().runs.empty())
        return;
    std::printf("\nThe Material menu opened once the window answers keys, then the program "
                "ended (not targets)\n");
    std::printf("%-30s %8s %8s %12s %12s\n", "window", "lines", "entries", "open ms", "ending ms");
    for (const Case& menuCase : menuCases) {
        std::vector<double> open;
        std::vector<double> ending;
        for (const ChildRun& run : menuCase.runs) {
            open.push_back(static_cast<double>(run.report.at("menu") - run.report.at("usable")) /
                           1e6);
            ending.push_back(static_cast<double>(run.ended - run.report.at("menu")) / 1e6);
        }
        std::printf("%-30s %8zu %8lld %12.1f %12.1f\n", menuCase.label.c_str(), menuCase.lines,
                    static_cast<long long>(menuCase.runs.front().report.at("menuentries")),
                    Median(open), Median(ending));
    }
}

void PrintFinders(const std::vector<Case>& finderCases) {
    if (finderCases.empty() || finderCases.front().runs.empty())
        return;
    std::printf("\nThe material finder opened once the window answers keys: asked for to first "
                "paint (target: under 100 ms)\n");
    std::printf("%-30s %8s %12s %12s\n", "window", "lines", "median ms", "slowest ms");
    for (const Case& finderCase : finderCases) {
        std::vector<double> open;
        for (const ChildRun& run : finderCase.runs)
            open.push_back(
                static_cast<double>(run.report.at("finder") - run.report.at("finderasked")) / 1e6);
        std::printf("%-30s %8zu %12.1f %12.1f\n", finderCase.label.c_str(), finderCase.lines,
                    Median(open), *std::max_element(open.begin(), open.end()));
    }
}

void PrintEditors(const std::vector<Case>& editorCases) {
    if (editorCases.empty() || editorCases.front().runs.empty())
        return;
    std::printf("\nMaterial > Edit Materials…: the box asked for to first paint, and OK to the "
                "table saved and in use (target at 10,000 lines: under %.0f ms each)\n",
                kEditorLimitMs);
    std::printf("%-30s %8s %12s %12s %12s %12s\n", "window", "lines", "open ms", "slowest",
                "save ms", "slowest");
    for (const Case& editorCase : editorCases) {
        std::vector<double> open;
        std::vector<double> save;
        for (const ChildRun& run : editorCase.runs) {
            open.push_back(
                static_cast<double>(run.report.at("editor") - run.report.at("editorasked")) / 1e6);
            save.push_back(
                static_cast<double>(run.report.at("saved") - run.report.at("saveasked")) / 1e6);
        }
        std::printf("%-30s %8zu %12.1f %12.1f %12.1f %12.1f\n", editorCase.label.c_str(),
                    editorCase.lines, Median(open), *std::max_element(open.begin(), open.end()),
                    Median(save), *std::max_element(save.begin(), save.end()));
    }
}

// The measured windows in the order the targets need them.
struct Windows {
    const Case& bare;
    const Case& shipped;
    const Case& tenThousand;
    const Case& hundredThousand;
};

void PrintTargets(const Windows& windows, const KeystrokeFigures& keys,
                  const kelvane::bench::QuoteFigures& quote) {
    const double bare = windows.bare.medianMs("paint");
    const double shipped = windows.shipped.medianMs("paint") / bare;
    const double tenThousand = windows.tenThousand.medianMs("paint") / bare;
    const double usable = windows.hundredThousand.medianMs("usable");
    const double key = Median(keys.toText);
    std::printf("\nTargets\n%-42s %11s %11s  %s\n", "target", "limit", "measured", "result");
    const auto line = [](const char* name, double limit, double measured, const char* unit) {
        const bool met = measured <= limit;
        std::printf("%-42s %9.3f%-2s %9.3f%-2s  %s, %.1f %% %s the limit\n", name, limit, unit,
                    measured, unit, met ? "met" : "MISSED", std::abs(measured / limit - 1) * 100,
                    met ? "below" : "above");
    };
    line("start-up, shipped table / bare window", kShippedRatioLimit, shipped, "x");
    line("start-up, 10,000 lines / bare window", kTenThousandRatioLimit, tenThousand, "x");
    line("100,000 lines loaded and window usable", kUsableLimitMs, usable, "ms");
    line("keystroke to updated labels (median)", kKeystrokeLimitUs, key, "us");
    line("10,000th quote item added (median)", kQuoteAddLimitMs, Median(quote.addMs), "ms");
    line("10,000-item quote saved (median)", kQuoteSaveLimitMs, Median(quote.saveMs), "ms");
}

fs::path OwnFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = ParseOptions(argc, argv);
    setenv("QT_QPA_PLATFORM", options.platform.c_str(), 1);
    const fs::path ownFolder = OwnFolder();
    const std::string child = (ownFolder / "kelvane-bench-window").string();
    const fs::path shippedTable = ownFolder / ".." / "Data" / "Density_Plastics.csv";
    const std::string shipped = ReadWholeFile(shippedTable);
    if (shipped.empty()) {
        std::fprintf(stderr, "kelvane-bench: no shipped table at %s\n", shippedTable.c_str());
        return EXIT_FAILURE;
    }

    std::string rootText = (fs::temp_directory_path() / "kelvane-bench-XXXXXX").string();
    if (!mkdtemp(rootText.data())) {
        std::perror("kelvane-bench: mkdtemp");
        return EXIT_FAILURE;
    }
    const fs::path root = rootText;
    const fs::path log = root / "child-messages.txt";
    int status = EXIT_SUCCESS;
    try {
        PrintMachine(options);
        std::vector<Case> cases;
        const std::string shippedFolder = MakeProgramFolder(root, "shipped", shipped);
        const auto shippedLines =
            static_cast<std::size_t>(std::count(shipped.begin(), shipped.end(), '\n'));
        // The baselines take the main window's size, which its first start gives.
        const ChildRun probe = RunChild(child, {"main", shippedFolder}, log);
        const std::string width = std::to_string(probe.report.at("width"));
        const std::string height = std::to_string(probe.report.at("height"));
        cases.push_back({"bare QWidget " + width + "x" + height, 0, {"bare", width, height}, {}});
        cases.push_back({"  the same with one QLabel", 0, {"label", width, height}, {}});
        cases.push_back({"main window, shipped table", shippedLines, {"main", shippedFolder}, {}});
        for (const std::size_t lines : kGeneratedSizes) {
            const std::string folder =
                MakeProgramFolder(root, "lines" + std::to_string(lines),
                                  kelvane::bench::GeneratedDensityTable(lines));
            cases.push_back({"main window, generated table", lines, {"main", folder}, {}});
        }

        for (Case& windowCase : cases) // warms the file cache and the font cache
            RunChild(child, windowCase.arguments, log);
        for (int round = 0; round < options.runs; ++round) {
            for (std::size_t i = 0; i < cases.size(); ++i) {
                Case& windowCase = cases[(i + static_cast<std::size_t>(round)) % cases.size()];
                windowCase.runs.push_back(RunChild(child, windowCase.arguments, log));
            }
        }
        for (const Case& windowCase : cases)
            CheckStarted(windowCase);

        // Cases 0 and 2 are the bare window and the shipped table; the generated
        // tables follow in the order of kGeneratedSizes.
        const Windows windows{cases[0], cases[2], cases[4], cases[5]};

        std::vector<Case> menuCases;
        for (const Case& windowCase : cases)
            if (windowCase.lines != 0 && windowCase.lines != 1'000) {
                menuCases.push_back(windowCase);
                menuCases.back().runs.clear();
                menuCases.back().arguments.push_back("menu");
            }
        std::vector<Case> finderCases = menuCases;
        for (Case& finderCase : finderCases)
            finderCase.arguments.back() = "finder";
        // The table box saves what it edits: each table gets a folder of its own.
        std::vector<Case> editorCases;
        for (const Case& menuCase : menuCases) {
            const fs::path table = fs::path(menuCase.arguments[1]).parent_path().parent_path() /
                                   "Data" / "Density_Plastics.csv";
            editorCases.push_back(menuCase);
            editorCases.back().arguments = {
                "main",
                MakeProgramFolder(root, "editor" + std::to_string(editorCases.size()),
                                  ReadWholeFile(table)),
                "editor"};
        }
        for (int round = 0; round < options.menuRuns; ++round) {
            for (Case& menuCase : menuCases)
                menuCase.runs.push_back(RunChild(child, menuCase.arguments, log));
            for (Case& finderCase : finderCases)
                finderCase.runs.push_back(RunChild(child, finderCase.arguments, log));
            for (Case& editorCase : editorCases)
                editorCase.runs.push_back(RunChild(child, editorCase.arguments, log));
        }

        QApplication application(argc, argv);
        kelvane::installQuietOffscreenMessages();
        QApplication::setApplicationName(QStringLiteral("Kelvane"));
        const KeystrokeFigures keys = MeasureKeystrokes(shippedFolder, options.keystrokes);
        const kelvane::bench::QuoteFigures quote =
            kelvane::bench::MeasureQuote(MakeProgramFolder(root, "quote", shipped),
                                         (root / "quote").string(), options.quoteRuns);

        PrintStartups(cases, options.runs);
        PrintMenus(menuCases);
        PrintFinders(finderCases);
        PrintEditors(editorCases);
        PrintKeystrokes(keys);
        kelvane::bench::PrintQuote(quote);
        PrintTargets(windows, keys, quote);
        std::printf("\nload average after the run %s\n", Uptime().c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kelvane-bench: %s\n", error.what());
        status = EXIT_FAILURE;
    }
    if (options.keep)
        std::printf("generated tables kept in %s\n", root.c_str());
    else
        fs::remove_all(root);
    return status;
}
