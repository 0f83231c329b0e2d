#include "widgets/KeyInput.h"

#include "common/KeyCodes.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>

namespace kelvane {

char32_t typedCharacter(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::AltModifier)
        return 0;
    const int key = event.key();
    if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<char32_t>(key - Qt::Key_A + 1);
    switch (key) {
    case Qt::Key_Backspace:
        return kBackspaceKey;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0; // Tab moves the focus; it never reaches a key handler as a character
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnterKey;
    case Qt::Key_Escape:
        return kEscapeKey;
    case Qt::Key_Delete:
        return kDeleteKey;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const char32_t code = text.toUcs4().value(0);
    return code >= 0x20 && code != 0x7F ? code : 0;
}

namespace {

bool takesEntry(const QWidget* control) {
    if (qobject_cast<const QLineEdit*>(control))
        return true;
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button && button->isCheckable();
}

} // namespace

void focusNextControl(QWidget* from) {
    if (!from)
        return;
    QWidget* window = from->window();
    QWidget* next = from->nextInFocusChain();
    while (next && next != from) {
        if (next->window() == window && takesEntry(next) && (next->focusPolicy() & Qt::TabFocus) &&
            next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
        next = next->nextInFocusChain();
    }
}

} // namespace kelvane
