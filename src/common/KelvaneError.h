#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// The one error type of the program. Its text is shown to the user as it stands
// (see withFullStop), so it must already be the complete message.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The general error report's rule: a full stop is appended when the text's last
// character has a higher character code than the full stop itself, so texts that
// already end in ".", a quotation mark or a bracket are left as they are.
std::string withFullStop(std::string text);

} // namespace kelvane
