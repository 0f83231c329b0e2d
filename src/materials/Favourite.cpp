#include "materials/Favourite.h"

#include "common/KelvaneError.h"
#include "materials/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

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

// An installed copy cannot write beside itself: its favourite lives with the user,
// unless a favourite file that the user may write (one shared between users) is
// already there; that one is rewritten where it stands.
bool keptInUserFolder(const std::string& programDir, const std::string& userDataDir) {
    if (userDataDir.empty())
        return false;
    const std::string path = appFile(programDir, kFavouriteFileName);
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored) && ::access(path.c_str(), W_OK) == 0)
        return false;
    return !folderWritable(std::filesystem::path(path).parent_path().string());
}

// The file that a path names, followed through every symbolic link on the way (a
// relative target counts from the link's folder), so that saving writes the shared
// file and leaves the link in place. The path itself when it is no link.
std::string linkTarget(std::string path) {
    namespace fs = std::filesystem;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(path, error))
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return path;
        path = target.is_absolute() ? target.string()
                                    : (fs::path(path).parent_path() / target).string();
    }
    return path;
}

// Replaces the whole content of the file from its first byte, where no new file can
// be made beside it. The old content is put back when the new one cannot be written
// whole, so that a failed save leaves the favourite as it was.
void rewriteInPlace(const std::string& path, const std::string& content,
                    const std::string& shownPath) {
    const std::string old = readFileBytes(path);
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0)
        throwCannotCreate(shownPath, errno);
    const auto writeWhole = [fd](const std::string& bytes) {
        if (::lseek(fd, 0, SEEK_SET) != 0)
            return false;
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (count <= 0)
                return false;
            done += static_cast<std::size_t>(count);
        }
        return ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    };
    errno = 0;
    if (!writeWhole(content)) {
        const int error = errno != 0 ? errno : EIO;
        writeWhole(old);
        ::close(fd);
        throwCannotCreate(shownPath, error);
    }
    if (::close(fd) != 0)
        throwCannotCreate(shownPath, errno);
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
    // A link is followed: its target is the file that is written.
    const std::string target = linkTarget(path);
    const bool existed = exists(target);
    if (existed) {
        // The file must be writable as it stands: opened for appending and closed.
        std::FILE* existing = std::fopen(target.c_str(), "ab");
        if (!existing)
            throw Error("File access denied");
        std::fclose(existing);
    }

    const std::string content = name + "\r\n";
    const std::string temporary = target + ".new";
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        const int error = errno != 0 ? errno : EACCES;
        if (existed) {
            rewriteInPlace(target, content, path);
            return;
        }
        throwCannotCreate(path, error);
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = !written ? writeError : errno;
        std::remove(temporary.c_str());
        throwCannotCreate(path, error != 0 ? error : EIO);
    }
    std::error_code renameError;
    if (existed) {
        // The new file takes the old one's permissions: a favourite shared with
        // other users stays writable for them.
        std::error_code ignored;
        const auto permissions = std::filesystem::status(target, ignored).permissions();
        if (!ignored)
            std::filesystem::permissions(temporary, permissions, ignored);
    }
    std::filesystem::rename(temporary, target, renameError);
    if (renameError) {
        std::remove(temporary.c_str());
        throwCannotCreate(path, renameError.value());
    }
}

} // namespace kelvane
