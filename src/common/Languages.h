#pragma once

#include <string_view>

namespace kelvane {

// A language the window can be shown in besides English, by its two-letter code and
// by its name in itself, as the Options > Language menu lists it.
struct LanguageName {
    std::string_view code;
    std::string_view ownName; // UTF-8
};

inline constexpr LanguageName kLanguages[] = {
    {"de", "Deutsch"},
    {"fr", "Fran\xC3\xA7"
           "ais"},
    {"nl", "Nederlands"},
    {"es", "Espa\xC3\xB1ol"},
    {"it", "Italiano"},
    {"pl", "Polski"},
};

// English, the language of every text as the program is written.
inline constexpr std::string_view kEnglishCode = "en";

// Whether `code` names English or one of kLanguages.
constexpr bool isKnownLanguage(std::string_view code) {
    if (code == kEnglishCode)
        return true;
    for (const LanguageName& language : kLanguages)
        if (language.code == code)
            return true;
    return false;
}

} // namespace kelvane
