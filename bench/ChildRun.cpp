// The child-process side of kelvane-bench: program folders laid out for a density
// table, and the measured window program started, waited for and its report read.

#include "ChildRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace kelvane::bench {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string MakeProgramFolder(const std::filesystem::path& root, const std::string& name,
                              const std::string& table) {
    const std::filesystem::path base = root / name;
    std::filesystem::create_directories(base / "bin");
    std::filesystem::create_directories(base / "Data");
    WriteWholeFile(base / "Data" / "Density_Plastics.csv", table);
    return (base / "bin").string() + "/";
}

ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::filesystem::path& log) {
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    ChildRun run;
    pid_t pid = 0;
    run.spawned = MonotonicNanoseconds();
    const int spawnError =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawnError != 0) {
        close(output[0]);
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(spawnError));
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(output[0], buffer, sizeof buffer);
        if (got > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(output[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.ended = MonotonicNanoseconds();
    run.peakKiB = usage.ru_maxrss;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    const auto report = ParseReport(text.substr(text.rfind('\n') + 1));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !report || !report->count("paint"))
        throw std::runtime_error("the window program failed (" + program + " " + arguments[0] +
                                 "); its messages:\n" + ReadWholeFile(log));
    run.report = *report;
    return run;
}

} // namespace kelvane::bench
