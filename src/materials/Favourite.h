#pragma once

#include <optional>
#include <string>

namespace kelvane {

// The favourite-material file: one line, the material's name as the density table's
// bytes hold it, then CR LF. It is found by the data-folder rule.
inline constexpr const char* kFavouriteFileName = "Material.txt";

// The last line of a text file (empty for an empty file). Throws kelvane::Error
// when the file cannot be read.
std::string LoadFileToStr(const std::string& path);

// The favourite's name, or nothing when there is no favourite file.
std::optional<std::string> ReadFavourite(const std::string& programDir);

// True only when a favourite file exists and its last line equals the name exactly.
bool CompareFavMat(const std::string& programDir, const std::string& name);

// Keeps the name as the favourite. The new content goes to a temporary file in the
// same folder, which then replaces the old file in one step, so the file holds the
// old name or the new one, never a part of either. Throws kelvane::Error with
// "File access denied" or "Cannot create file "<path>". <reason>" on failure, and
// then leaves the old file as it was.
void SaveFavMatFile(const std::string& programDir, const std::string& name);

} // namespace kelvane
