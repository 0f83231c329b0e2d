#include "app/PageKeys.h"

#include "app/PageControl.h"

#include <QKeyEvent>
#include <QWidget>

namespace kelvane {

PageKeys::PageKeys(QWidget& window, PageControl& pages)
    : QObject(&window)
    , window_(window)
    , pages_(pages) {}

int PageKeys::stepOf(int key, Qt::KeyboardModifiers modifiers) {
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
        return 0;
    if (key == Qt::Key_Backtab)
        return -1;
    if (key == Qt::Key_Tab)
        return (modifiers & Qt::ShiftModifier) ? -1 : +1;
    return 0;
}

bool PageKeys::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int step = stepOf(key->key(), key->modifiers());
    if (step == 0)
        return false;
    if (override) {
        // Claimed here so that it arrives as a key press and no shortcut takes it.
        key->accept();
        return true;
    }
    pages_.stepTab(step);
    return true;
}

} // namespace kelvane
