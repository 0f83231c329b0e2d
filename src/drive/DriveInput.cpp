#include "drive/DriveInput.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

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

void sendKey(QWidget* fallback, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QWidget* target = keyboardTarget(fallback);
    if (!target)
        return;
    QTest::sendKeyEvent(QTest::Press, target, key, text, modifiers);
    // The press may have moved the focus or closed a window: release where it lands.
    QWidget* releaseTarget = keyboardTarget(fallback);
    if (releaseTarget)
        QTest::sendKeyEvent(QTest::Release, releaseTarget, key, text, modifiers);
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
        QTest::qWait(kButtonAnimationWait);
    } else
        return false;
    return true;
}

void clickControl(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
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

} // namespace kelvane
