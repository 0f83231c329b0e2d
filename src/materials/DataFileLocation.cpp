#include "materials/DataFileLocation.h"

#include "common/FilePath.h"
#include "common/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kelvane {

namespace {

// The program's own folder in the user's data folder, named as is usual on each system.
#ifdef _WIN32
constexpr const char* kUserFolder = "/Kelvane";
#else
constexpr const char* kUserFolder = "/kelvane";
#endif

std::string userFilePath(const std::string& userDataDir, const std::string& fileName) {
    return userDataDir + kUserFolder + "/" + fileName;
}

// An installed copy cannot write beside itself: its files live with the user,
// unless a file that the user may write (one shared between users) is already
// there; that one is rewritten where it stands.
bool keptWithUser(const std::string& programDir, const std::string& userDataDir,
                  const std::string& fileName) {
    if (userDataDir.empty())
        return false;
    const std::string path = appFile(programDir, fileName);
    if (isRegularFile(path) && canWriteFile(path))
        return false;
    return !folderWritable(utf8FromPath(pathFromUtf8(path).parent_path()));
}

} // namespace

bool folderWritable(const std::string& folder) {
    const std::string probe = folder + "/.kelvane-write-probe";
    std::FILE* file = openFile(probe, "wx");
    if (!file)
        return errno == EEXIST;
    std::fclose(file);
    removeFile(probe);
    return true;
}

std::string dataFileReadPath(const std::string& programDir, const std::string& userDataDir,
                             const std::string& fileName) {
    const std::string path = appFile(programDir, fileName);
    if (!keptWithUser(programDir, userDataDir, fileName))
        return path;
    const std::string userPath = userFilePath(userDataDir, fileName);
    return pathExists(userPath) || !pathExists(path) ? userPath : path;
}

std::string dataFileSavePath(const std::string& programDir, const std::string& userDataDir,
                             const std::string& fileName) {
    if (!keptWithUser(programDir, userDataDir, fileName))
        return appFile(programDir, fileName);
    std::error_code ignored;
    std::filesystem::create_directories(pathFromUtf8(userDataDir + kUserFolder), ignored);
    return userFilePath(userDataDir, fileName);
}

} // namespace kelvane
