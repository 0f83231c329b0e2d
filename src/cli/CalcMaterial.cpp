#include "cli/CalcMaterial.h"

#include "cli/CalcError.h"
#include "common/KelvaneError.h"
#include "common/NumberEntry.h"
#include "common/TextFile.h"
#include "materials/Favourite.h"

namespace kelvane {

CalcMaterial::CalcMaterial(const CalcArguments& arguments, const CalcEnvironment& environment,
                           const std::function<void(const std::string&)>& warn)
    : exact_(arguments.exact) {
    if (arguments.density) {
        if (arguments.material || arguments.table)
            throw usageError("--density uses no density table: give no --material or --table");
        const auto density = readEntryValue(*arguments.density, environment.regional);
        if (!density)
            throw usageError("'" + *arguments.density + "' is not a valid density");
        density_ = *density; // used as given: commercial rounding is for the table's densities
        return;
    }

    const std::string path =
        arguments.table.value_or(densityTablePath(environment.programDir, environment.userDataDir));
    DensityTableRead read = readDensityFile(path, environment.regional);
    if (read.error)
        throw tableError(withFullStop(*read.error));
    if (read.materials.empty())
        throw tableError("The density table \"" + path + "\" holds no materials.");
    state_.setTable(std::move(read.materials));
    fromTable_ = true;

    std::optional<std::string> wanted = arguments.material;
    if (wanted) {
        bool found = false;
        for (const MaterialEntry& entry : state_.table())
            found = found || entry.name == *wanted;
        if (!found)
            throw tableError("There is no material \"" + *wanted + "\" in \"" + path + "\".");
    } else {
        try {
            wanted = readFavourite(environment.programDir, environment.userDataDir);
        } catch (const Error& error) {
            // The window reports an unreadable favourite and starts with the first entry.
            warn(withFullStop(error.what()));
        }
    }
    state_.chooseStarting(wanted);
    state_.setCommercialRounding(!exact_);
    name_ = state_.currentMaterial();
    density_ = state_.currentDensity();
}

std::optional<double> CalcMaterial::densityOf(std::string_view name) {
    if (!fromTable_)
        return std::nullopt;
    if (byName_.empty()) {
        // Chosen one by one as from the Material menu, so each density is rounded
        // exactly as the window rounds it; a later entry of the same name wins.
        MaterialState chooser = state_;
        for (std::size_t i = 0; i < chooser.table().size(); ++i) {
            chooser.choose(i);
            chooser.setCommercialRounding(!exact_);
            byName_[chooser.currentMaterial()] = chooser.currentDensity();
        }
    }
    const auto found = byName_.find(std::string(name));
    if (found == byName_.end())
        return std::nullopt;
    return found->second;
}

} // namespace kelvane
