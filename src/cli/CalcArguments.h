#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvane {

// The command line of kelvane-calc: the command, its operands and the options,
// which may stand before, between or after the operands. "--" ends the options.
struct CalcArguments {
    std::string command;
    std::vector<std::string> operands;

    std::optional<std::string> table;
    std::optional<std::string> material;
    std::optional<std::string> density;
    std::optional<std::string> decimalSeparator;
    std::optional<std::string> fractions;
    std::optional<std::string> kerf;
    std::optional<std::string> pieces;
    std::optional<std::string> units;
    bool exact = false;
    bool json = false;
    bool stockLumpSum = false;
    bool turningLumpSum = false;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program's name. Options are written "--name value"
// or "--name=value"; "-h" is "--help". An operand may begin with "-" (a negative
// number). Throws a usage CalcError for an unknown option or a missing value.
CalcArguments readArguments(const std::vector<std::string>& arguments);

} // namespace kelvane
