#include "common/AccessKeys.h"

namespace kelvane {

namespace {

// The slot of a letter or digit in the table of taken keys, or -1 for any other
// byte (marks, blanks and the bytes of characters beyond ASCII).
int keySlot(char byte) {
    if (byte >= 'a' && byte <= 'z')
        return byte - 'a';
    if (byte >= 'A' && byte <= 'Z')
        return byte - 'A';
    if (byte >= '0' && byte <= '9')
        return 26 + (byte - '0');
    return -1;
}

} // namespace

AccessKeys::AccessKeys(std::string_view reserved) {
    for (const char byte : reserved)
        if (const int slot = keySlot(byte); slot >= 0)
            taken_[static_cast<std::size_t>(slot)] = true;
}

std::string AccessKeys::caption(std::string_view name) {
    std::string result;
    result.reserve(name.size() + 4);
    bool marked = false;
    for (const char byte : name) {
        if (byte == '&') {
            result += "&&";
            continue;
        }
        const int slot = keySlot(byte);
        if (!marked && slot >= 0 && !taken_[static_cast<std::size_t>(slot)]) {
            taken_[static_cast<std::size_t>(slot)] = true;
            result += '&';
            marked = true;
        }
        result += byte;
    }
    return result;
}

} // namespace kelvane
