// kelvane-calc: Kelvane's calculators on the command line.

#include "cli/CalcProgram.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

// The folder of the running program, with a trailing "/".
std::string programDir(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path().string() + "/";
}

// The user's data folder as the desktop names it: $XDG_DATA_HOME, else ~/.local/share.
std::string userDataDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share";
    return {};
}

// The regional separators of the user's locale, read once here and handed on.
kelvane::Separators regionalSeparators() {
    kelvane::Separators separators;
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv* conventions = std::localeconv();
        if (conventions->decimal_point && *conventions->decimal_point)
            separators.decimal = conventions->decimal_point;
        separators.thousands = conventions->thousands_sep ? conventions->thousands_sep : "";
    }
    std::setlocale(LC_NUMERIC, "C");
    return separators;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const kelvane::CalcEnvironment environment{programDir(argv[0]), userDataDir(),
                                               regionalSeparators()};
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = kelvane::runCalc(arguments, environment, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
