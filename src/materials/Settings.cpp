#include "materials/Settings.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "common/Languages.h"
#include "common/TextFile.h"
#include "materials/DataFileLocation.h"
#include "materials/SafeSave.h"

#include <algorithm>
#include <cctype>

namespace kelvane {

namespace {

constexpr std::string_view kUnitsKey = "units";
constexpr std::string_view kLanguageKey = "language";

struct UnitsName {
    Units units;
    std::string_view name;
};
constexpr UnitsName kUnitsNames[] = {{Units::Metric, "metric"}, {Units::Imperial, "imperial"}};

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// A key is a short word of letters, digits, "_", "-" and "."; anything else on a
// line makes it no setting at all.
bool isKey(std::string_view key) {
    return !key.empty() && key.size() <= 64 && std::all_of(key.begin(), key.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return std::isalnum(byte) || c == '_' || c == '-' || c == '.';
    });
}

bool isPrintable(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x20 && c != 0x7F; });
}

} // namespace

Settings parseSettings(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    Settings settings;
    forEachLine(text, [&](std::string_view line) {
        const std::string_view content = trimmed(line);
        if (content.empty() || !isPrintable(content))
            return true;
        if (content.front() == '#') {
            settings.otherLines.emplace_back(content);
            return true;
        }
        const auto equals = content.find('=');
        if (equals == std::string_view::npos)
            return true;
        const std::string_view key = trimmed(content.substr(0, equals));
        const std::string_view value = trimmed(content.substr(equals + 1));
        if (!isKey(key))
            return true;
        if (key != kUnitsKey) {
            settings.otherLines.emplace_back(content);
            return true;
        }
        settings.units = Units::Metric;
        for (const UnitsName& known : kUnitsNames)
            if (sameIgnoringCase(value, known.name))
                settings.units = known.units;
        return true;
    });
    return settings;
}

std::string settingsText(const Settings& settings) {
    std::string text = std::string(kUnitsKey) + "=";
    for (const UnitsName& known : kUnitsNames)
        if (known.units == settings.units)
            text += known.name;
    text += "\r\n";
    for (const std::string& line : settings.otherLines)
        text += line + "\r\n";
    return text;
}

namespace {

// The key of a "key=value" line, or empty for any other line.
std::string_view keyOf(std::string_view line) {
    const auto equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view() : trimmed(line.substr(0, equals));
}

} // namespace

std::string languageSetting(const Settings& settings) {
    std::string code;
    // A later line wins, as for every key.
    for (const std::string& line : settings.otherLines) {
        if (keyOf(line) != kLanguageKey)
            continue;
        code = trimmed(std::string_view(line).substr(line.find('=') + 1));
        std::transform(code.begin(), code.end(), code.begin(),
                       [](char c) { return static_cast<char>(std::tolower(c)); });
    }
    return isKnownLanguage(code) ? code : std::string();
}

void setLanguageSetting(Settings& settings, std::string_view code) {
    std::erase_if(settings.otherLines,
                  [](const std::string& line) { return keyOf(line) == kLanguageKey; });
    if (!code.empty())
        settings.otherLines.push_back(std::string(kLanguageKey) + "=" + std::string(code));
}

Settings readSettings(const std::string& programDir, const std::string& userDataDir) {
    const std::string path = dataFileReadPath(programDir, userDataDir, kSettingsFileName);
    if (!isRegularFile(path))
        return {};
    try {
        return parseSettings(readFileBytes(path));
    } catch (const Error&) {
        return {}; // an unreadable file: the first state, without a word
    }
}

void saveSettings(const std::string& programDir, const Settings& settings,
                  const std::string& userDataDir) {
    saveFileSafely(dataFileSavePath(programDir, userDataDir, kSettingsFileName),
                   settingsText(settings));
}

} // namespace kelvane
