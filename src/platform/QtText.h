#pragma once

#include <QString>

#include <string_view>

namespace kelvane {

// The cores hand out UTF-8 texts; the pages show them as QStrings.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace kelvane
