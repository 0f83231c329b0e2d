#include "widgets/BoxNote.h"

#include <QLineEdit>
#include <QPalette>

namespace kelvane {

namespace {

// A pale amber behind dark text, legible under any desktop colour scheme.
constexpr QColor kNoteBackground(255, 232, 160);
constexpr QColor kNoteText(0, 0, 0);

} // namespace

void showBoxNote(QLineEdit& box, const QString& note) {
    if (box.toolTip() == note)
        return; // every keystroke recalculates; most leave the note as it was
    box.setToolTip(note);
    box.setAccessibleDescription(note);
    if (note.isEmpty()) {
        box.setPalette(QPalette()); // the colours the box has from its page again
        return;
    }
    QPalette tinted = box.palette();
    tinted.setColor(QPalette::Base, kNoteBackground);
    tinted.setColor(QPalette::Text, kNoteText);
    box.setPalette(tinted);
}

} // namespace kelvane
