#include "materials/Favourite.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "materials/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kelvane {

namespace {

[[noreturn]] void ThrowCannotCreate(const std::string& path, int error) {
    throw Error("Cannot create file \"" + path + "\". " +
                std::error_code(error, std::generic_category()).message());
}

bool Exists(const std::string& path) {
    return PathExists(path);
}

} // namespace

std::string LoadFileToStr(const std::string& path) {
    const auto lines = SplitLines(ReadFileBytes(path));
    return lines.empty() ? std::string() : lines.back();
}

bool FolderWritable(const std::string& folder) {
    const std::string probe = folder + "/.kelvane-write-probe";
    std::FILE* file = OpenFile(probe, "wx");
    if (!file)
        return errno == EEXIST;
    std::fclose(file);
    RemoveFile(probe);
    return true;
}

namespace {

// The program's own folder in the user's data folder, named as is usual on each system.
#ifdef _WIN32
constexpr const char* kUserFolder = "/Kelvane";
#else
constexpr const char* kUserFolder = "/kelvane";
#endif

std::string UserFavouritePath(const std::string& userDataDir) {
    return userDataDir + kUserFolder + "/" + kFavouriteFileName;
}

// An installed copy cannot write beside itself: its favourite lives with the user.
bool KeptInUserFolder(const std::string& programDir, const std::string& userDataDir) {
    if (userDataDir.empty())
        return false;
    const std::string path = AppFile(programDir, kFavouriteFileName);
    return !FolderWritable(Utf8FromPath(PathFromUtf8(path).parent_path()));
}

} // namespace

std::string FavouritePath(const std::string& programDir, const std::string& userDataDir) {
    const std::string path = AppFile(programDir, kFavouriteFileName);
    if (!KeptInUserFolder(programDir, userDataDir))
        return path;
    const std::string userPath = UserFavouritePath(userDataDir);
    return Exists(userPath) || !Exists(path) ? userPath : path;
}

std::optional<std::string> ReadFavourite(const std::string& programDir,
                                         const std::string& userDataDir) {
    const std::string path = FavouritePath(programDir, userDataDir);
    if (!Exists(path))
        return std::nullopt;
    return LoadFileToStr(path);
}

bool CompareFavMat(const std::string& programDir, const std::string& name,
                   const std::string& userDataDir) {
    const auto favourite = ReadFavourite(programDir, userDataDir);
    return favourite && *favourite == name;
}

void SaveFavMatFile(const std::string& programDir, const std::string& name,
                    const std::string& userDataDir) {
    std::string path = AppFile(programDir, kFavouriteFileName);
    if (KeptInUserFolder(programDir, userDataDir)) {
        path = UserFavouritePath(userDataDir);
        std::error_code ignored;
        std::filesystem::create_directories(PathFromUtf8(userDataDir + kUserFolder), ignored);
    }
    if (Exists(path)) {
        // The file must be writable as it stands: opened for appending and closed.
        std::FILE* existing = OpenFile(path, "ab");
        if (!existing)
            throw Error("File access denied");
        std::fclose(existing);
    }

    const std::string temporary = path + ".new";
    errno = 0;
    std::FILE* file = OpenFile(temporary, "wb");
    if (!file)
        ThrowCannotCreate(path, errno != 0 ? errno : EACCES);
    const std::string content = name + "\r\n";
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = !written ? writeError : errno;
        RemoveFile(temporary);
        ThrowCannotCreate(path, error != 0 ? error : EIO);
    }
    std::error_code renameError;
    std::filesystem::rename(PathFromUtf8(temporary), PathFromUtf8(path), renameError);
    if (renameError) {
        RemoveFile(temporary);
        ThrowCannotCreate(path, renameError.value());
    }
}

} // namespace kelvane
