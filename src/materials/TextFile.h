#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The data-folder rule: the file in the folder named Data beside the program's
// folder when a file exists there, else the file in the program's own folder
// (whether or not it exists). `programDir` ends in "/".
std::string AppFile(const std::string& programDir, const std::string& fileName);

// The whole content of a file as bytes. Throws kelvane::Error
// "Cannot open file "<path>". <system reason>" when it cannot be opened or read.
std::string ReadFileBytes(const std::string& path);

// Splits text into lines ending in CR LF, CR or LF; a line end after the last line
// adds no line, so empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace kelvane
