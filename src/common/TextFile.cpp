#include "common/TextFile.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "common/TextMark.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace kelvane {

std::string appFile(const std::string& programDir, const std::string& fileName) {
    const std::string inDataFolder = programDir + "../Data/" + fileName;
    // Only a file counts: a folder of that name is passed over like a missing file.
    if (isRegularFile(inDataFolder))
        return inDataFolder;
    return programDir + fileName;
}

namespace {

[[noreturn]] void throwCannotOpen(const std::string& path, int error) {
    throw Error(std::string(KELVANE_TEXT("Kelvane", "Cannot open file")) + " \"" + path + "\". " +
                std::error_code(error, std::generic_category()).message());
}

} // namespace

std::string readFileBytes(const std::string& path) {
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openFile(path, "rb"), &std::fclose);
    if (!file)
        throwCannotOpen(path, errno != 0 ? errno : ENOENT);
    std::string bytes;
    // Room for the whole file at once: a table of many lines is not copied over
    // and over as the text grows. The file is still read to its end, whatever its size.
    std::error_code sizeUnknown;
    const auto size = std::filesystem::file_size(pathFromUtf8(path), sizeUnknown);
    if (!sizeUnknown)
        bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, count);
    if (std::ferror(file.get()))
        throwCannotOpen(path, errno != 0 ? errno : EIO);
    return bytes;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    return lines;
}

} // namespace kelvane
