#pragma once

#include <string>

namespace kelvane {

// The user's regional number separators, read by the window side from the system
// locale and handed to every calculation that reads or writes numbers. Each may be
// more than one byte (UTF-8), for example a narrow no-break space.
struct Separators {
    std::string decimal = ".";
    std::string thousands = ",";
};

} // namespace kelvane
