#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kelvane {

// The access keys of the Material menu's own entries (E for Edit Materials…), which no
// material's entry takes.
inline constexpr const char* kMaterialMenuOwnKeys = "E";

// Access keys for the entries of a menu, given as the entries are added in order.
// Each caption gets the marker "&" before its first letter or digit that no earlier
// entry has taken (letters compared without case); when all of its letters and
// digits are taken it gets none. An "&" of the name itself is doubled, so the menu
// shows it as a literal "&" and the name read back without markers is unchanged.
class AccessKeys {
public:
    // `reserved`: the letters and digits that other entries of the menu already use,
    // which no entry given here takes.
    explicit AccessKeys(std::string_view reserved = {});

    std::string caption(std::string_view name);

private:
    std::array<bool, 36> taken_{}; // a to z, then 0 to 9
};

} // namespace kelvane
