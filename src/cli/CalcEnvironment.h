#pragma once

#include "common/Separators.h"

#include <string>

namespace kelvane {

// What kelvane-calc takes from its surroundings: its own folder (with a trailing
// "/", where the data-folder rule starts), the user's data folder (where an installed
// copy keeps the favourite) and the regional separators.
struct CalcEnvironment {
    std::string programDir;
    std::string userDataDir;
    Separators regional;
};

} // namespace kelvane
