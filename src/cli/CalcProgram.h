#pragma once

#include "cli/CalcEnvironment.h"

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kelvane {

// One run of kelvane-calc: the arguments after the program's name, its surroundings,
// and its three streams. Results go to `out`, every error and warning to `err`.
// Returns the exit status: 0 success, 1 bad input, 2 usage error or unusable table.
int runCalc(const std::vector<std::string>& arguments, const CalcEnvironment& environment,
            std::istream& in, std::ostream& out, std::ostream& err);

} // namespace kelvane
