#pragma once

#include <QString>

class QLineEdit;

namespace kelvane {

// Puts a note on an entry box, such as why its value was weighed as it was, or takes
// it off again with an empty note. A box with a note is tinted so the eye finds it,
// its tooltip shows the note, and a screen reader reads the note with the box.
void showBoxNote(QLineEdit& box, const QString& note);

} // namespace kelvane
