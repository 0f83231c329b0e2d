#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace kelvane {

// Paths are UTF-8 text throughout the program. These turn them into the system's own
// paths, so that a folder such as "C:\Users\Zoë" works on Windows too, where the
// narrow C and filesystem calls would read the bytes in the ANSI code page instead.

std::filesystem::path pathFromUtf8(const std::string& path);
std::string utf8FromPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 path. Mode "wx" makes a new file and fails with EEXIST
// when one is there.
std::FILE* openFile(const std::string& path, const char* mode);

// True when a file or folder is there; false also when that cannot be told.
bool pathExists(const std::string& path);

// True when a file (not a folder) is there.
bool isRegularFile(const std::string& path);

// True when the user may write to the file that is there.
bool canWriteFile(const std::string& path);

// Removes a file; no error when it is not there or cannot be removed.
void removeFile(const std::string& path);

} // namespace kelvane
