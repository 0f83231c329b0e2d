#pragma once

#include <QString>

#include <string_view>

class QLabel;
class QWidget;

namespace kelvane {

// The cores hand out UTF-8 texts; the pages show them as QStrings.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A label that shows its text literally: never as rich text, whatever it holds.
// A screen reader speaks it by `accessibleName` where one is given.
QLabel* makePlainLabel(const QString& text, QWidget* parent, const QString& accessibleName = {});

} // namespace kelvane
