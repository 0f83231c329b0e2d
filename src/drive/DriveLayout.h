#pragma once

#include <QJsonArray>
#include <QJsonObject>

class QWidget;

namespace kelvane {

// What a script reads to judge a page's layout.

// The control's rectangle in its window's coordinates, in device-independent
// pixels: x, y, width, height.
QJsonObject geometryOf(const QWidget* control);

// For a control that shows text: "textWidth", the width its text needs in the
// control's font, and "textRoom", the width the control gives its text. Empty for
// other controls.
QJsonObject textMeasure(const QWidget* control);

// The object names of the named, visible controls within `page`.
QJsonArray namedControls(const QWidget* page);

// Every visible control within `page`, named or not, each with its name (empty when
// it has none), text, geometry and text measure. Controls made of inner widgets
// (combo boxes, entry boxes, scrolling texts) count as one.
QJsonArray pageLayout(const QWidget* page);

} // namespace kelvane
