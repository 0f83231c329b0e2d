#pragma once

#include <functional>
#include <string>

class QActionGroup;
class QMenu;

namespace kelvane {

// Options > Language: "System Language", then each language in its own name, the
// choice `chosen` checked ("" for the system's). Choosing an entry hands its code
// ("" for the system's language) to `choose`.
QActionGroup* addLanguageMenu(QMenu& options, const std::string& chosen,
                              std::function<void(const std::string&)> choose);

// Checks the entry of `chosen` in the group addLanguageMenu made.
void checkLanguageEntry(QActionGroup& entries, const std::string& chosen);

} // namespace kelvane
