#pragma once

#include "common/Separators.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The density file's name, found by the data-folder rule (appFile).
inline constexpr const char* kDensityFileName = "Density_Plastics.csv";

// One entry of the density table: the name exactly as the file's bytes hold it
// (blanks included) and the density in g/cm³.
struct MaterialEntry {
    std::string name;
    double density = 0;
};

// The table read from a density file: every material up to the first bad line,
// and the error text of that line (or of a file that cannot be read), if any.
struct DensityTableRead {
    std::vector<MaterialEntry> materials;
    std::optional<std::string> error;
};

// Reads the density file's content: one material per line, split at the first
// comma into name and density text; the density is a number with "." or the
// regional decimal separator as its point, so the shipped table reads in every
// locale. A line whose density text is no number stops the reading with
// "'<density text>' is not a valid floating point value".
DensityTableRead parseDensityTable(std::string_view content, const Separators& separators);

// Reads the density file at `path`; a file that cannot be read gives no materials
// and "Cannot open file "<path>". <reason>".
DensityTableRead readDensityFile(const std::string& path, const Separators& separators);

// The density file the program reads: the data-folder rule's, or the user's own
// copy that an installed copy keeps once its table has been edited.
std::string densityTablePath(const std::string& programDir, const std::string& userDataDir);

// A density as the table writes it: the shortest text that reads back as the same
// number, with `decimal` as its point ("1.41", "0.9", "8").
std::string densityText(double density, std::string_view decimal = ".");

// The whole density file for a table: one "name,density" line per material, each
// ended by CR LF, the names as their bytes stand and the densities with "." as
// the point, so the file reads the same in every locale.
std::string densityFileBytes(const std::vector<MaterialEntry>& table);

// Writes the table through the safe save where the program keeps its density file
// (the user's data folder for an installed copy). Returns the path written; throws
// kelvane::Error as saveFileSafely does, the old file then left whole.
std::string saveDensityTable(const std::string& programDir, const std::string& userDataDir,
                             const std::vector<MaterialEntry>& table);

} // namespace kelvane
