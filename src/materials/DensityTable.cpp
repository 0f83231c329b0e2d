#include "materials/DensityTable.h"

#include "common/KelvaneError.h"
#include "common/NumberText.h"
#include "materials/NameEncoding.h"
#include "materials/TextFile.h"

namespace kelvane {

DensityTableRead ParseDensityTable(std::string_view content, const Separators& separators) {
    DensityTableRead read;
    const std::vector<std::string> lines = SplitLines(content);
    read.materials.reserve(lines.size());
    for (const std::string& line : lines) {
        const auto comma = line.find(',');
        TMaterialList entry;
        std::string densityText = line;
        if (comma != std::string::npos) {
            entry.Name = line.substr(0, comma);
            densityText = line.substr(comma + 1);
        }
        const auto density = ReadDecimalNumber(densityText, {separators.decimal});
        if (!density) {
            read.error = "'" + DisplayText(densityText) + "' is not a valid floating point value";
            break;
        }
        entry.Density = *density;
        read.materials.push_back(std::move(entry));
    }
    return read;
}

DensityTableRead ReadDensityFile(const std::string& path, const Separators& separators) {
    try {
        return ParseDensityTable(ReadFileBytes(path), separators);
    } catch (const Error& error) {
        return DensityTableRead{{}, error.what()};
    }
}

} // namespace kelvane
