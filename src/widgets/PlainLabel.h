#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace kelvane {

// A label that shows its text literally: never as rich text, whatever it holds.
// A screen reader speaks it by `accessibleName` where one is given.
QLabel* makePlainLabel(const QString& text, QWidget* parent, const QString& accessibleName = {});

} // namespace kelvane
