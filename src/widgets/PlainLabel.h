#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace kelvane {

// A label that shows its text literally: never as rich text, whatever it holds.
// A screen reader speaks it by `accessibleName` where one is given, in place of its
// text; so give one only to a label whose text is a caption, never to one that
// shows a value (tie the value to its caption with QLabel::setBuddy instead).
QLabel* makePlainLabel(const QString& text, QWidget* parent, const QString& accessibleName = {});

} // namespace kelvane
