#pragma once

class QKeyEvent;
class QWidget;

namespace kelvane {

// The character a key press types, as the program's key handlers see it: Backspace
// 8, Enter 13, Escape 27, DEL 127, Ctrl+A to Ctrl+Z 1 to 26 (whether the
// platform delivers the letter or the control character), otherwise the typed
// character. Keys that type nothing (arrows, modifiers, Alt combinations) give 0, and
// so does Tab, which moves the focus instead.
char32_t typedCharacter(const QKeyEvent& event);

// Moves the keyboard focus to the next control of the window that takes focus with
// the Tab key and takes an entry (an entry box, or a choice such as a radio
// button), wrapping round from the last to the first. Enter walks these alone; the
// tabs, drop-downs and push buttons that Tab also reaches are passed over.
void focusNextControl(QWidget* from);

} // namespace kelvane
