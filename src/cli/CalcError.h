#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// Exit statuses of kelvane-calc.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 1; // a value that is no number, a bad batch row
inline constexpr int kExitUsage = 2;    // a usage error or a density table that cannot be used

// An error that ends one run of kelvane-calc: its text goes to standard error as it
// stands, and the run ends with its exit status.
class CalcError : public std::runtime_error {
public:
    CalcError(int status, const std::string& text, bool pointsToHelp = false)
        : std::runtime_error(text)
        , status_(status)
        , pointsToHelp_(pointsToHelp) {}
    int status() const { return status_; }
    // Whether the message is followed by a pointer to --help.
    bool pointsToHelp() const { return pointsToHelp_; }

private:
    int status_;
    bool pointsToHelp_;
};

// A command line that cannot be run as written.
inline CalcError usageError(const std::string& text) {
    return CalcError(kExitUsage, text, true);
}
// A density table or material that cannot be used.
inline CalcError tableError(const std::string& text) {
    return CalcError(kExitUsage, text);
}
inline CalcError inputError(const std::string& text) {
    return CalcError(kExitBadInput, text);
}

} // namespace kelvane
