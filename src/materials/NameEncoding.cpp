#include "materials/NameEncoding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kelvane {

namespace {

// Code points of the bytes 0x80 to 0x9F in code page 1252; the five bytes it
// leaves undefined map to the C1 control of the same value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point of the UTF-8 character at `bytes[at]` and its length; the byte itself
// (length 1) where the text is no valid UTF-8 there.
std::pair<char32_t, std::size_t> decodeUtf8(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1 || !isValidUtf8(bytes.substr(at, length)))
        return {lead, 1};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        code = (code << 6) | (static_cast<unsigned char>(bytes[at + k]) & 0x3F);
    return {code, length};
}

} // namespace

SingleByteText singleByteText(std::string_view utf8) {
    SingleByteText text;
    text.bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto [code, length] = decodeUtf8(utf8, i);
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            text.bytes += static_cast<char>(code);
        } else {
            const auto* found = std::find(kHighControls.begin(), kHighControls.end(), code);
            if (found == kHighControls.end()) {
                text.unstorable = std::string(utf8.substr(i, length));
                return text;
            }
            text.bytes += static_cast<char>(0x80 + (found - kHighControls.begin()));
        }
        i += length;
    }
    return text;
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int continuation = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            continuation = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            continuation = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            continuation = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(continuation) >= bytes.size())
            return false;
        for (int k = 1; k <= continuation; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Reject overlong forms, surrogates and code points beyond Unicode.
        static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
        if (code < kMinimum[continuation] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += static_cast<std::size_t>(continuation) + 1;
    }
    return true;
}

std::string displayText(std::string_view bytes) {
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            appendUtf8(out, kHighControls[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

} // namespace kelvane
