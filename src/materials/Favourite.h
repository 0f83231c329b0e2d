#pragma once

#include "materials/DataFileLocation.h"

#include <optional>
#include <string>

namespace kelvane {

// The favourite-material file: one line, the material's name as the density table's
// bytes hold it, then CR LF. It is found by the data-folder rule.
inline constexpr const char* kFavouriteFileName = "Material.txt";

// The last line of a text file (empty for an empty file). Throws kelvane::Error
// when the file cannot be read.
std::string loadFileToStr(const std::string& path);

// Where the favourite is read and kept: the data-folder rule's file, except where
// the program's folder cannot be written (an installed copy), holds no favourite
// file that the user may write, and a user data folder is given; there it is
// "kelvane/Material.txt" ("Kelvane\Material.txt" on Windows) in the user's data folder,
// which is read in preference to any file beside the program.
std::string favouritePath(const std::string& programDir, const std::string& userDataDir);

// The favourite's name, or nothing when there is no favourite file.
std::optional<std::string> readFavourite(const std::string& programDir,
                                         const std::string& userDataDir = {});

// True only when a favourite file exists and its last line equals the name exactly.
bool compareFavMat(const std::string& programDir, const std::string& name,
                   const std::string& userDataDir = {});

// Keeps the name as the favourite. The new content goes to a temporary file in the
// same folder, which then replaces the old file in one step, so the file holds the
// old name or the new one, never a part of either. The file stays what it was: a
// symbolic link is followed and its target written, and the file keeps its
// permissions. Where no new file can be made beside it but the file is writable, it
// is rewritten in place. Throws kelvane::Error with "File access denied" or
// "Cannot create file "<path>". <reason>" on failure, and then leaves the old file
// as it was.
void saveFavMatFile(const std::string& programDir, const std::string& name,
                    const std::string& userDataDir = {});

} // namespace kelvane
