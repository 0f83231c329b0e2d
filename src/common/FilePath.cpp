#include "common/FilePath.h"

#include <system_error>

#ifdef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace kelvane {

std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::FILE* openFile(const std::string& path, const char* mode) {
#ifdef _WIN32
    const std::wstring name = pathFromUtf8(path).wstring();
    const std::string narrowMode = mode;
    if (narrowMode == "wx") {
        // The C library of MinGW knows no "x": the same made with an exclusive open.
        const int descriptor =
            _wopen(name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (descriptor < 0)
            return nullptr;
        std::FILE* file = _fdopen(descriptor, "wb");
        if (!file)
            _close(descriptor);
        return file;
    }
    return _wfopen(name.c_str(), std::wstring(narrowMode.begin(), narrowMode.end()).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

bool pathExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(pathFromUtf8(path), ignored);
}

bool isRegularFile(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(pathFromUtf8(path), ignored);
}

bool canWriteFile(const std::string& path) {
#ifdef _WIN32
    return _waccess(pathFromUtf8(path).wstring().c_str(), 2) == 0;
#else
    return ::access(path.c_str(), W_OK) == 0;
#endif
}

void removeFile(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(pathFromUtf8(path), ignored);
}

} // namespace kelvane
