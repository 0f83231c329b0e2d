#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Material names travel as the density file's bytes, unchanged, into the favourite
// file. For display they are decoded: as UTF-8 where the bytes are valid UTF-8,
// otherwise as the single-byte Windows Latin-1 code page (1252). Returns UTF-8.
std::string displayText(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

// A name typed by the user (UTF-8) as the single-byte bytes of code page 1252, the
// reverse of displayText for such bytes. `unstorable` is the first character (as
// UTF-8) that the code page cannot hold, and then `bytes` is incomplete.
struct SingleByteText {
    std::string bytes;
    std::string unstorable;
};
SingleByteText singleByteText(std::string_view utf8);

} // namespace kelvane
