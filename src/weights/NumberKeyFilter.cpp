#include "weights/NumberKeyFilter.h"

#include "platform/KeyInput.h"
#include "platform/Platform.h"
#include "weights/NumberEntry.h"

#include <QKeyEvent>
#include <QWidget>

namespace kelvane {

NumberKeyFilter::NumberKeyFilter(Platform& platform, QObject* parent)
    : QObject(parent)
    , platform_(platform) {}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const char32_t code = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (code == 0)
        return false; // keys that type nothing, Tab among them, keep their usual meaning
    if (!numberKeyAdmitted(code, platform_.separators()))
        return true;
    if (code == kEnterCode) {
        focusNextControl(qobject_cast<QWidget*>(watched));
        return true;
    }
    return false;
}

} // namespace kelvane
