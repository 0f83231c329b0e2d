#pragma once

#include <QString>

class QPushButton;

namespace kelvane {

// A flat button shows its raised button face while the mouse is over it, so the
// user sees it is a button that can be pressed.
void raiseOnHover(QPushButton* button);

// A short cue in a tip at the button for about a second, in place of a message box.
void showButtonCue(QPushButton* button, const QString& text);

// Confirms a copy for about a second with a tip at the button: "Copied " and the
// text that went to the clipboard. A screen reader, which reads no tips, is told the
// same as the button's description for as long as the tip shows.
void confirmCopy(QPushButton* button, const QString& copiedText);

} // namespace kelvane
