#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Material names travel as the density file's bytes, unchanged, into the favourite
// file. For display they are decoded: as UTF-8 where the bytes are valid UTF-8,
// otherwise as the single-byte Windows Latin-1 code page (1252). Returns UTF-8.
std::string displayText(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

} // namespace kelvane
