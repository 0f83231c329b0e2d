#include "drive/DriveInput.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace kelvane {

QWidget* keyboardTarget(QWidget* fallback) {
    if (QWidget* focused = QApplication::focusWidget())
        return focused;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return fallback;
}

namespace {

constexpr int kButtonAnimationWait = 150; // milliseconds

// The modifier keys a keyboard sends before a combination, in the order they go down;
// they come up in the reverse order.
constexpr struct {
    Qt::KeyboardModifier modifier;
    Qt::Key key;
} kModifierKeys[] = {
    {Qt::ShiftModifier, Qt::Key_Shift},
    {Qt::ControlModifier, Qt::Key_Control},
    {Qt::AltModifier, Qt::Key_Alt},
    {Qt::MetaModifier, Qt::Key_Meta},
};

// Sends one key event. A key press that Qt receives from a program rather than from the
// window system first goes out as a shortcut override and to the application's
// shortcuts (QApplication does this for any non-spontaneous press), so menus' access
// keys and shortcuts see it first, and an entry box that claims the key keeps it.
void sendKeyEvent(QWidget* target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                  const QString& text) {
    QKeyEvent event(type, key, modifiers, text);
    QApplication::sendEvent(target, &event);
}

// Presses and releases a key as a keyboard does: its modifiers go down first, each
// with the modifiers already held, and come up last.
void sendKey(QWidget* fallback, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QPointer<QWidget> target = keyboardTarget(fallback);
    if (!target)
        return;
    Qt::KeyboardModifiers held;
    for (const auto& [modifier, modifierKey] : kModifierKeys) {
        if (!(modifiers & modifier) || !target)
            continue;
        sendKeyEvent(target, QEvent::KeyPress, modifierKey, held, QString());
        held |= modifier;
    }
    if (target)
        sendKeyEvent(target, QEvent::KeyPress, key, modifiers, text);
    // The press may have moved the focus or closed a window: release where it lands.
    QWidget* releaseTarget = keyboardTarget(fallback);
    if (!releaseTarget)
        return;
    sendKeyEvent(releaseTarget, QEvent::KeyRelease, key, modifiers, text);
    for (auto it = std::rbegin(kModifierKeys); it != std::rend(kModifierKeys); ++it) {
        if (!(modifiers & it->modifier))
            continue;
        held &= ~it->modifier;
        sendKeyEvent(releaseTarget, QEvent::KeyRelease, it->key, held | it->modifier, QString());
    }
}

} // namespace

void typeCharacter(QWidget* fallback, QChar character) {
    const char16_t code = character.unicode();
    switch (code) {
    case u'\r':
    case u'\n':
        sendKey(fallback, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
        return;
    case u'\b':
        sendKey(fallback, Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier);
        return;
    case u'\t':
        sendKey(fallback, Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier);
        return;
    case 0x1B:
        sendKey(fallback, Qt::Key_Escape, QString(QChar(0x1B)), Qt::NoModifier);
        return;
    case 0x7F:
        sendKey(fallback, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
        return;
    default:
        break;
    }
    if (code >= 1 && code <= 26) {
        sendKey(fallback, static_cast<Qt::Key>(Qt::Key_A + code - 1), QString(character),
                Qt::ControlModifier);
        return;
    }
    // Qt's key codes for printable ASCII are the upper-case characters themselves.
    const Qt::Key key =
        code < 0x80 ? static_cast<Qt::Key>(character.toUpper().unicode()) : Qt::Key_unknown;
    sendKey(fallback, key, QString(character), Qt::NoModifier);
}

bool pressNamedKey(QWidget* fallback, const QString& name) {
    if (name == QLatin1String("Enter"))
        typeCharacter(fallback, QChar(u'\r'));
    else if (name == QLatin1String("Backspace"))
        typeCharacter(fallback, QChar(u'\b'));
    else if (name == QLatin1String("Delete"))
        typeCharacter(fallback, QChar(0x7F));
    else if (name == QLatin1String("Escape"))
        typeCharacter(fallback, QChar(0x1B));
    else if (name == QLatin1String("Tab"))
        typeCharacter(fallback, QChar(u'\t'));
    else if (name == QLatin1String("Down"))
        sendKey(fallback, Qt::Key_Down, QString(), Qt::NoModifier);
    else if (name == QLatin1String("Up"))
        sendKey(fallback, Qt::Key_Up, QString(), Qt::NoModifier);
    else if (name == QLatin1String("Shift+Insert"))
        sendKey(fallback, Qt::Key_Insert, QString(), Qt::ShiftModifier);
    else if (name == QLatin1String("Shift+Delete"))
        sendKey(fallback, Qt::Key_Delete, QString(), Qt::ShiftModifier);
    else if (name == QLatin1String("Ctrl+Insert"))
        sendKey(fallback, Qt::Key_Insert, QString(), Qt::ControlModifier);
    else if (name == QLatin1String("Ctrl+Tab"))
        sendKey(fallback, Qt::Key_Tab, QString(), Qt::ControlModifier);
    else if (name == QLatin1String("Ctrl+Shift+Tab"))
        sendKey(fallback, Qt::Key_Backtab, QString(), Qt::ControlModifier | Qt::ShiftModifier);
    else if (name.size() == 6 && name.startsWith(QLatin1String("Ctrl+")) && name[5].isLetter())
        typeCharacter(fallback, QChar(name[5].toUpper().unicode() - u'A' + 1));
    else if (name.size() == 5 && name.startsWith(QLatin1String("Alt+")) && name[4].isLetter()) {
        // The letter rides along as the keyboard sends it: whatever takes no access
        // key must not type it.
        sendKey(fallback, static_cast<Qt::Key>(name[4].toUpper().unicode()),
                QString(name[4].toLower()), Qt::AltModifier);
        // A button's access key clicks it with a short press animation: let it end.
        runEventsFor(kButtonAnimationWait);
    } else
        return false;
    return true;
}

void clickControl(QWidget* control) {
    // A press and a release at the control's centre, as a mouse click arrives there.
    QPointer<QWidget> target = control;
    const QPointF local = control->rect().center();
    const QPointF global = control->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    if (!target)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void hoverControl(QWidget* control, bool enter) {
    if (enter) {
        const QPointF local = control->rect().center();
        QEnterEvent event(local, local, control->mapToGlobal(local));
        QApplication::sendEvent(control, &event);
    } else {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(control, &event);
    }
}

void runEventsFor(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds, Qt::PreciseTimer);
    do {
        QApplication::processEvents(QEventLoop::AllEvents, int(deadline.remainingTime()));
        // Deletion asked for with deleteLater waits for an event loop to return to the
        // level it was asked at; a command runs inside none, so deliver it here.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (deadline.hasExpired())
            break;
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(10, deadline.remainingTime())));
    } while (!deadline.hasExpired());
}

} // namespace kelvane
