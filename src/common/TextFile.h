#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The data-folder rule: the file in the folder named Data beside the program's
// folder when a file (not a folder) exists there, else the file in the program's own folder
// (whether or not it exists). `programDir` ends in "/".
std::string appFile(const std::string& programDir, const std::string& fileName);

// The whole content of a file as bytes. Throws kelvane::Error
// "Cannot open file "<path>". <system reason>" when it cannot be opened or read.
std::string readFileBytes(const std::string& path);

// Splits text into lines ending in CR LF, CR or LF; a line end after the last line
// adds no line, so empty text has no lines.
std::vector<std::string> splitLines(std::string_view text);

// The same lines, handed one by one to `visit` as views into `text`, without a copy
// of each, until `visit` returns false. For files of many lines read once.
template <typename Visit> void forEachLine(std::string_view text, Visit&& visit) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        if (!visit(text.substr(start, i - start)))
            return;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        visit(text.substr(start));
}

} // namespace kelvane
