#include "app/PageKeys.h"

#include "app/PageControl.h"

#include <QShortcut>
#include <QWidget>

namespace kelvane {

namespace {

void addStep(QWidget& window, PageControl& pages, int direction, QList<QKeySequence> keys) {
    auto* shortcut = new QShortcut(&window);
    shortcut->setKeys(keys);
    const auto step = [&pages, direction] {
        pages.stepTab(direction);
    };
    QObject::connect(shortcut, &QShortcut::activated, &pages, step);
    // Some keyboards report one press in two of the bound forms at once; the step
    // is the same whichever form matched.
    QObject::connect(shortcut, &QShortcut::activatedAmbiguously, &pages, step);
}

} // namespace

void addPageKeys(QWidget& window, PageControl& pages) {
    addStep(window, pages, +1, {QKeySequence(Qt::CTRL | Qt::Key_Tab)});
    addStep(window, pages, -1,
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::Key_Backtab)});
}

} // namespace kelvane
