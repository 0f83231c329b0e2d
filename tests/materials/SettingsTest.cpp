// The settings file's text, read leniently. Its place, its safe save beside the
// favourite, and a missing, unreadable or garbled file or a folder in its place are
// tried through the window (UnitsTest).

#include "materials/Settings.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(SettingsTest, ParsesKeyValueLinesLeniently) {
    using Lines = std::vector<std::string>;
    struct Case {
        const char* what;
        std::string text;
        Units units;
        Lines otherLines;
    };
    const Case cases[] = {
        {"empty", "", Units::Metric, {}},
        {"imperial", "units=imperial\r\n", Units::Imperial, {}},
        {"blanks and case", "  units = Imperial \n", Units::Imperial, {}},
        {"no line end", "units=imperial", Units::Imperial, {}},
        {"a later line wins", "units=imperial\r\nunits=metric\r\n", Units::Metric, {}},
        {"unknown value", "units=furlongs\r\n", Units::Metric, {}},
        {"byte-order mark", "\xEF\xBB\xBFunits=imperial\r\n", Units::Imperial, {}},
        {"another version's key and a remark kept", "# mine\r\nlanguage=de\r\nunits=imperial\r\n",
         Units::Imperial, Lines{"# mine", "language=de"}},
        {"garbage dropped", "\x01\x02\xFF\r\nunits\r\n=x\r\nno key=1\r\n", Units::Metric, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Settings settings = parseSettings(c.text);
        EXPECT_EQ(settings.units, c.units);
        EXPECT_EQ(settings.otherLines, c.otherLines);
        EXPECT_EQ(parseSettings(settingsText(settings)), settings); // what is written reads back
    }
    EXPECT_EQ(settingsText({Units::Imperial, {"language=de"}}),
              "units=imperial\r\nlanguage=de\r\n");
}

} // namespace
} // namespace kelvane

namespace kelvane {
namespace {

TEST(SettingsTest, LanguageIsKeptAmongTheOtherLines) {
    struct Case {
        const char* what;
        std::string text;
        std::string language;
    };
    const Case cases[] = {
        {"none: the system's", "units=metric\r\n", ""},
        {"known, any case", "language = DE\r\n", "de"},
        {"a later line wins", "language=de\r\nlanguage=pl\r\n", "pl"},
        {"unknown: the system's", "language=tlh\r\n", ""},
        {"system", "language=system\r\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(languageSetting(parseSettings(c.text)), c.language);
    }
    // Choosing replaces every line of the key and keeps the others in order; the
    // system's language leaves the key out.
    Settings settings = parseSettings("language=de\r\n# mine\r\nlanguage=xx\r\n");
    setLanguageSetting(settings, "fr");
    EXPECT_EQ(settingsText(settings), "units=metric\r\n# mine\r\nlanguage=fr\r\n");
    setLanguageSetting(settings, "");
    EXPECT_EQ(settingsText(settings), "units=metric\r\n# mine\r\n");
}

} // namespace
} // namespace kelvane
