#include "cli/CalcArguments.h"

#include "cli/CalcError.h"

#include <array>
#include <string_view>

namespace kelvane {

namespace {

struct ValueOption {
    std::string_view name;
    std::optional<std::string> CalcArguments::*value;
};

struct FlagOption {
    std::string_view name;
    bool CalcArguments::*flag;
};

constexpr std::array<ValueOption, 8> kValueOptions = {{
    {"--table", &CalcArguments::table},
    {"--material", &CalcArguments::material},
    {"--density", &CalcArguments::density},
    {"--decimal-separator", &CalcArguments::decimalSeparator},
    {"--fractions", &CalcArguments::fractions},
    {"--kerf", &CalcArguments::kerf},
    {"--pieces", &CalcArguments::pieces},
    {"--units", &CalcArguments::units},
}};

constexpr std::array<FlagOption, 7> kFlagOptions = {{
    {"--exact", &CalcArguments::exact},
    {"--json", &CalcArguments::json},
    {"--stock-lump-sum", &CalcArguments::stockLumpSum},
    {"--turning-lump-sum", &CalcArguments::turningLumpSum},
    {"--help", &CalcArguments::help},
    {"-h", &CalcArguments::help},
    {"--version", &CalcArguments::version},
}};

bool isOption(std::string_view argument) {
    return argument == "-h" || (argument.size() > 2 && argument.substr(0, 2) == "--");
}

} // namespace

CalcArguments readArguments(const std::vector<std::string>& arguments) {
    CalcArguments result;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !isOption(argument)) {
            if (result.command.empty())
                result.command = argument;
            else
                result.operands.push_back(argument);
            continue;
        }
        const auto equals = argument.find('=');
        const std::string_view name = std::string_view(argument).substr(0, equals);
        bool known = false;
        for (const FlagOption& option : kFlagOptions) {
            if (option.name != name)
                continue;
            if (equals != std::string::npos)
                throw usageError("Option " + std::string(name) + " takes no value");
            result.*option.flag = true;
            known = true;
        }
        for (const ValueOption& option : kValueOptions) {
            if (option.name != name)
                continue;
            if (equals != std::string::npos) {
                result.*option.value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                result.*option.value = arguments[++i];
            } else {
                throw usageError("Option " + std::string(name) + " needs a value");
            }
            known = true;
        }
        if (!known)
            throw usageError("Unknown option " + std::string(name));
    }
    return result;
}

} // namespace kelvane
