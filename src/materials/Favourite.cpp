#include "materials/Favourite.h"

#include "common/KelvaneError.h"
#include "materials/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kelvane {

namespace {

[[noreturn]] void throwCannotCreate(const std::string& path, int error) {
    throw Error("Cannot create file \"" + path + "\". " +
                std::error_code(error, std::generic_category()).message());
}

bool exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}

} // namespace

std::string loadFileToStr(const std::string& path) {
    const auto lines = splitLines(readFileBytes(path));
    return lines.empty() ? std::string() : lines.back();
}

bool folderWritable(const std::string& folder) {
    const std::string probe = folder + "/.kelvane-write-probe";
    std::FILE* file = std::fopen(probe.c_str(), "wx");
    if (!file)
        return errno == EEXIST;
    std::fclose(file);
    std::remove(probe.c_str());
    return true;
}

namespace {

std::string userFavouritePath(const std::string& userDataDir) {
    return userDataDir + "/kelvane/" + kFavouriteFileName;
}

// An installed copy cannot write beside itself: its favourite lives with the user.
bool keptInUserFolder(const std::string& programDir, const std::string& userDataDir) {
    if (userDataDir.empty())
        return false;
    const std::string path = appFile(programDir, kFavouriteFileName);
    return !folderWritable(std::filesystem::path(path).parent_path().string());
}

} // namespace

std::string favouritePath(const std::string& programDir, const std::string& userDataDir) {
    const std::string path = appFile(programDir, kFavouriteFileName);
    if (!keptInUserFolder(programDir, userDataDir))
        return path;
    const std::string userPath = userFavouritePath(userDataDir);
    return exists(userPath) || !exists(path) ? userPath : path;
}

std::optional<std::string> readFavourite(const std::string& programDir,
                                         const std::string& userDataDir) {
    const std::string path = favouritePath(programDir, userDataDir);
    if (!exists(path))
        return std::nullopt;
    return loadFileToStr(path);
}

bool compareFavMat(const std::string& programDir, const std::string& name,
                   const std::string& userDataDir) {
    const auto favourite = readFavourite(programDir, userDataDir);
    return favourite && *favourite == name;
}

void saveFavMatFile(const std::string& programDir, const std::string& name,
                    const std::string& userDataDir) {
    std::string path = appFile(programDir, kFavouriteFileName);
    if (keptInUserFolder(programDir, userDataDir)) {
        path = userFavouritePath(userDataDir);
        std::error_code ignored;
        std::filesystem::create_directories(userDataDir + "/kelvane", ignored);
    }
    if (exists(path)) {
        // The file must be writable as it stands: opened for appending and closed.
        std::FILE* existing = std::fopen(path.c_str(), "ab");
        if (!existing)
            throw Error("File access denied");
        std::fclose(existing);
    }

    const std::string temporary = path + ".new";
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        throwCannotCreate(path, errno != 0 ? errno : EACCES);
    const std::string content = name + "\r\n";
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = !written ? writeError : errno;
        std::remove(temporary.c_str());
        throwCannotCreate(path, error != 0 ? error : EIO);
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (renameError) {
        std::remove(temporary.c_str());
        throwCannotCreate(path, renameError.value());
    }
}

} // namespace kelvane
