#include "widgets/NumberKeyFilter.h"

#include "common/KeyCodes.h"
#include "common/NumberEntry.h"
#include "platform/KeyInput.h"

#include <QKeyEvent>
#include <QWidget>

namespace kelvane {

NumberKeyFilter::NumberKeyFilter(Separators separators, QObject* parent)
    : QObject(parent)
    , separators_(std::move(separators)) {}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const char32_t code = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (code == 0)
        return false; // keys that type nothing, Tab among them, keep their usual meaning
    if (!numberKeyAdmitted(code, separators_))
        return true;
    if (code == kEnterKey) {
        focusNextControl(qobject_cast<QWidget*>(watched));
        return true;
    }
    return false;
}

} // namespace kelvane
