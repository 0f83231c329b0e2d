#include "materials/SafeSave.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "common/TextFile.h"
#include "common/TextMark.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kelvane {

namespace {

[[noreturn]] void throwCannotCreate(const std::string& path, int error) {
    throw Error(std::string(KELVANE_TEXT("Kelvane", "Cannot create file")) + " \"" + path + "\". " +
                std::error_code(error, std::generic_category()).message());
}

// The file that a path names, followed through every symbolic link on the way (a
// relative target counts from the link's folder), so that saving writes the shared
// file and leaves the link in place. The path itself when it is no link.
std::string linkTarget(std::string path) {
    namespace fs = std::filesystem;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        const fs::path link = pathFromUtf8(path);
        if (!fs::is_symlink(link, error))
            return path;
        const fs::path target = fs::read_symlink(link, error);
        if (error)
            return path;
        path = utf8FromPath(target.is_absolute() ? target : link.parent_path() / target);
    }
    return path;
}

// Replaces the whole content of the file from its first byte, where no new file can
// be made beside it. The old content is put back when the new one cannot be written
// whole, so that a failed save leaves the file as it was.
void rewriteInPlace(const std::string& path, std::string_view content,
                    const std::string& shownPath) {
    const std::string old = readFileBytes(path);
#ifdef _WIN32
    const int fd = _wopen(pathFromUtf8(path).wstring().c_str(), _O_WRONLY | _O_BINARY);
#else
    const int fd = ::open(path.c_str(), O_WRONLY);
#endif
    if (fd < 0)
        throwCannotCreate(shownPath, errno);
    const auto writeWhole = [fd](std::string_view bytes) {
        if (::lseek(fd, 0, SEEK_SET) != 0)
            return false;
        for (std::size_t done = 0; done < bytes.size();) {
            const auto count =
                ::write(fd, bytes.data() + done, static_cast<unsigned>(bytes.size() - done));
            if (count <= 0)
                return false;
            done += static_cast<std::size_t>(count);
        }
#ifdef _WIN32
        return _chsize_s(fd, static_cast<long long>(bytes.size())) == 0;
#else
        return ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
#endif
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

void saveFileSafely(const std::string& path, std::string_view content) {
    // A link is followed: its target is the file that is written.
    const std::string target = linkTarget(path);
    const bool existed = pathExists(target);
    if (existed) {
        // The file must be writable as it stands: opened for appending and closed.
        std::FILE* existing = openFile(target, "ab");
        if (!existing)
            throw Error(KELVANE_TEXT("Kelvane", "File access denied"));
        std::fclose(existing);
    }

    const std::string temporary = target + ".new";
    errno = 0;
    std::FILE* file = openFile(temporary, "wb");
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
        removeFile(temporary);
        throwCannotCreate(path, error != 0 ? error : EIO);
    }
    std::error_code renameError;
    if (existed) {
        // The new file takes the old one's permissions: a file shared with other
        // users stays writable for them.
        std::error_code ignored;
        const auto permissions =
            std::filesystem::status(pathFromUtf8(target), ignored).permissions();
        if (!ignored)
            std::filesystem::permissions(pathFromUtf8(temporary), permissions, ignored);
    }
    std::filesystem::rename(pathFromUtf8(temporary), pathFromUtf8(target), renameError);
    if (renameError) {
        removeFile(temporary);
        throwCannotCreate(path, renameError.value());
    }
}

} // namespace kelvane
