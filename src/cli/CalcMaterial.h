#pragma once

#include "cli/CalcArguments.h"
#include "cli/CalcEnvironment.h"
#include "materials/MaterialState.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kelvane {

// The material of one run and the densities of the table it came from, found as the
// window finds them at start-up: the table by the data-folder rule, or the user's edited
// copy that an installed copy keeps (or --table), the
// material by --material, else the favourite, else the first entry; commercial
// rounding on unless --exact. --density gives the density itself, with no table and no
// rounding.
class CalcMaterial {
public:
    // Throws a usage CalcError with the window's text for a table that cannot be
    // used, and for a --material or --density that names nothing usable. Messages
    // that the window shows without stopping (an unreadable favourite file) go to
    // `warn`.
    CalcMaterial(const CalcArguments& arguments, const CalcEnvironment& environment,
                 const std::function<void(const std::string&)>& warn);

    // The material's name as the table holds it; nothing with --density.
    const std::optional<std::string>& name() const { return name_; }
    // The density every calculation uses.
    double density() const { return density_; }

    // The density the named material would be used with (the last of several equal
    // names, rounded as the run's own); nothing for a name that is not in the table.
    std::optional<double> densityOf(std::string_view name);

private:
    MaterialState state_;
    std::optional<std::string> name_;
    double density_ = 0;
    bool exact_ = false;
    bool fromTable_ = false;
    std::unordered_map<std::string, double> byName_;
};

} // namespace kelvane
