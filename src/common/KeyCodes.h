#pragma once

namespace kelvane {

// The character codes of the keys that type no printable character, as every key
// handler of the program receives them.
inline constexpr char32_t kBackspaceKey = 8;
inline constexpr char32_t kEnterKey = 13;
inline constexpr char32_t kEscapeKey = 27;
inline constexpr char32_t kDeleteKey = 127;

} // namespace kelvane
