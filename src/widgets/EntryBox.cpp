#include "widgets/EntryBox.h"

#include "common/KeyCodes.h"
#include "widgets/KeyInput.h"

#include <QKeyEvent>

#include <limits>

namespace kelvane {

bool isEditingKey(const QKeyEvent& event) {
    for (const auto key : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                           QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Redo})
        if (event.matches(key))
            return true;
    return false;
}

bool isAltCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const QString text = event.text();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) && !text.isEmpty() &&
           text.front().isPrint();
}

EntryBox::EntryBox(QWidget* parent, EntryKeyRule rule)
    : QLineEdit(parent)
    , rule_(std::move(rule)) {
    setMaxLength(std::numeric_limits<int>::max());
}

QString EntryBox::textWithoutSelection() const {
    QString remaining = text();
    if (hasSelectedText())
        remaining.remove(selectionStart(), selectionLength());
    return remaining;
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    // The editing keys first: Alt+Backspace is undo on some desktops.
    const bool editing = isEditingKey(*event);
    if (!editing && isAltCharacter(*event)) {
        // Left to the window: an access key that nothing took does nothing.
        event->ignore();
        return;
    }
    const char32_t code = typedCharacter(*event);
    if (!rule_ || code == 0 || editing) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::optional<char32_t> typed = rule_(code, textWithoutSelection());
    if (!typed)
        return; // refused: the box receives nothing
    if (*typed == kEnterKey) {
        focusNextControl(this);
        return; // Enter has done its work; the box never sees it
    }
    if (*typed != code) {
        insert(QString::fromUcs4(&*typed, 1));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace kelvane
