#include "materials/Favourite.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "common/TextFile.h"
#include "materials/DataFileLocation.h"
#include "materials/SafeSave.h"

namespace kelvane {

std::string loadFileToStr(const std::string& path) {
    const auto lines = splitLines(readFileBytes(path));
    return lines.empty() ? std::string() : lines.back();
}

std::string favouritePath(const std::string& programDir, const std::string& userDataDir) {
    return dataFileReadPath(programDir, userDataDir, kFavouriteFileName);
}

std::optional<std::string> readFavourite(const std::string& programDir,
                                         const std::string& userDataDir) {
    const std::string path = favouritePath(programDir, userDataDir);
    if (!pathExists(path))
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
    saveFileSafely(dataFileSavePath(programDir, userDataDir, kFavouriteFileName), name + "\r\n");
}

} // namespace kelvane
