#pragma once

#include <QJsonObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace kelvane {

// Finding and describing the controls a script names.

// The control (or dialog) with that object name in any open window, or nullptr.
QWidget* findControl(const QString& objectName);

// The state a script reads with "get": text, visible, enabled, focused, and what
// applies to the kind of control (checked, position, items, font).
QJsonObject describeControl(QWidget* control);

// A caption with its access-key markers removed ("E&xit" → "Exit", "&&" → "&").
QString withoutAccessMarkers(const QString& caption);

// The entry of a menu named by its caption or by "#i" (entry i, from 0), or nullptr.
QAction* findMenuEntry(const QList<QAction*>& entries, const QString& name);

} // namespace kelvane
