#pragma once

#include "BenchCommon.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kelvane::bench {

using Report = std::map<std::string, std::int64_t>;

std::string ReadWholeFile(const std::filesystem::path& path);
// Writes the file whole; throws std::runtime_error when it cannot.
void WriteWholeFile(const std::filesystem::path& path, const std::string& content);

// A program folder of its own for one density table: <root>/<name>/bin/ holds
// nothing, <root>/<name>/Data/ the table, as an installed copy lays them out.
// Returns the bin/ folder with a trailing slash.
std::string MakeProgramFolder(const std::filesystem::path& root, const std::string& name,
                              const std::string& table);

struct ChildRun {
    std::int64_t spawned = 0; // monotonic, just before the spawn
    std::int64_t ended = 0;   // monotonic, once the child has been reaped
    Report report;
    long peakKiB = 0;
};

// Starts the window program, collects its report and its peak memory; throws
// std::runtime_error, with the program's messages from `log`, when it fails.
ChildRun RunChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::filesystem::path& log);

} // namespace kelvane::bench
