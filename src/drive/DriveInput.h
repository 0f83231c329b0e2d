#pragma once

#include <QString>

class QWidget;

namespace kelvane {

// Keyboard and mouse input delivered the way the window system delivers it, so
// that key preview, key filters, shortcuts and focus handling act as for a user.
// Built on Qt's own event classes alone, so that the shipped driver needs no more
// of Qt than the window does.

// The control a key press goes to: the focused control, else the active window.
QWidget* keyboardTarget(QWidget* fallback);

// Types one character (Enter, Backspace, Escape, Tab, DEL and Ctrl+letter control
// characters included).
void typeCharacter(QWidget* fallback, QChar character);

// One named key: "Enter", "Backspace", "Delete", "Escape", "Tab", "Ctrl+X", "Alt+X",
// "Ctrl+Tab", "Ctrl+Shift+Tab", "Shift+Insert", "Shift+Delete", "Ctrl+Insert".
// Returns false for a name it does not know.
bool pressNamedKey(QWidget* fallback, const QString& name);

void clickControl(QWidget* control);
void hoverControl(QWidget* control, bool enter);

// Lets the program run for that many milliseconds: timers fire, posted events and
// input from the display are handled, and objects whose deletion was asked for go.
void runEventsFor(int milliseconds);

} // namespace kelvane
