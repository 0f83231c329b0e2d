#include "materials/DensityTable.h"

#include "common/KelvaneError.h"
#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/TextMark.h"
#include "materials/DataFileLocation.h"
#include "materials/NameEncoding.h"
#include "materials/SafeSave.h"

#include <charconv>

namespace kelvane {

namespace {

// The density text as an error quotes it: whole, unless it is so long that no
// message box could show it (a damaged or binary file); then its first characters.
std::string quotedDensityText(std::string_view text) {
    constexpr std::size_t kLongest = 80;
    if (text.size() <= kLongest)
        return displayText(text);
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // never split a UTF-8 character
    return displayText(text.substr(0, cut)) + "...";
}

} // namespace

DensityTableRead parseDensityTable(std::string_view content, const Separators& separators) {
    DensityTableRead read;
    // Lines and density texts stay views into the content: only the names are copied.
    std::size_t lineCount = 0;
    forEachLine(content, [&](std::string_view) {
        ++lineCount;
        return true;
    });
    read.materials.reserve(lineCount);
    forEachLine(content, [&](std::string_view line) {
        const auto comma = line.find(',');
        MaterialEntry entry;
        std::string_view densityText = line;
        if (comma != std::string_view::npos) {
            entry.name = line.substr(0, comma);
            densityText = line.substr(comma + 1);
        }
        const auto density = readDecimalNumber(densityText, {".", separators.decimal});
        if (!density) {
            read.error = "'" + quotedDensityText(densityText) + "' " +
                         KELVANE_TEXT("Kelvane", "is not a valid floating point value");
            return false;
        }
        entry.density = *density;
        read.materials.push_back(std::move(entry));
        return true;
    });
    return read;
}

DensityTableRead readDensityFile(const std::string& path, const Separators& separators) {
    try {
        return parseDensityTable(readFileBytes(path), separators);
    } catch (const Error& error) {
        return DensityTableRead{{}, error.what()};
    }
}

std::string densityTablePath(const std::string& programDir, const std::string& userDataDir) {
    return dataFileReadPath(programDir, userDataDir, kDensityFileName);
}

std::string densityText(double density, std::string_view decimal) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, density);
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimal);
    return text;
}

std::string densityFileBytes(const std::vector<MaterialEntry>& table) {
    std::string bytes;
    bytes.reserve(table.size() * 40);
    for (const MaterialEntry& material : table) {
        bytes += material.name;
        bytes += ',';
        bytes += densityText(material.density);
        bytes += "\r\n";
    }
    return bytes;
}

std::string saveDensityTable(const std::string& programDir, const std::string& userDataDir,
                             const std::vector<MaterialEntry>& table) {
    const std::string path = dataFileSavePath(programDir, userDataDir, kDensityFileName);
    saveFileSafely(path, densityFileBytes(table));
    return path;
}

} // namespace kelvane
