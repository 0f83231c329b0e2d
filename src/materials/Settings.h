#pragma once

#include "common/Units.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The settings file: the user's choices kept between runs, one "key=value" per line,
// CR LF line ends. It is found as the favourite is (DataFileLocation.h), and written
// only when the user changes a setting.
inline constexpr const char* kSettingsFileName = "Settings.txt";

// What the settings file holds. A key that is missing or has a value this version
// does not know keeps its first state.
struct Settings {
    Units units = Units::Metric; // "units=metric" or "units=imperial"
    // Lines this version does not read (another version's keys, remarks starting with
    // "#"), kept in order so that saving one setting never loses them.
    std::vector<std::string> otherLines;

    bool operator==(const Settings&) const = default;
};

// The window's language as the file keeps it, "language=de": a code of Languages.h,
// or empty for the system's language (no such line, "system", or a code this
// version does not know). The line stands among the other lines, so a version that
// does not know it keeps it too.
std::string languageSetting(const Settings& settings);
// Keeps `code` as the window's language; empty leaves the choice to the system.
void setLanguageSetting(Settings& settings, std::string_view code);

// Reads the file's text. Never fails: blanks around keys and values are ignored, a
// later line of a key wins, values are read without regard to case, and a line that
// is neither "key=value" nor a remark is dropped.
Settings parseSettings(std::string_view text);

// The file's text: the settings this version knows, then the other lines.
std::string settingsText(const Settings& settings);

// The settings file's choices. A file that is missing, unreadable or malformed, or a
// folder in its place, gives the first state; nothing is reported.
Settings readSettings(const std::string& programDir, const std::string& userDataDir = {});

// Writes the settings file through the favourite's safe save (SafeSave.h). Throws
// kelvane::Error as that save does, and then leaves the old file as it was.
void saveSettings(const std::string& programDir, const Settings& settings,
                  const std::string& userDataDir = {});

} // namespace kelvane
