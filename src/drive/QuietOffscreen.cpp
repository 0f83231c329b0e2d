#include "drive/QuietOffscreen.h"

#include <QString>
#include <QtGlobal>

namespace kelvane {

namespace {

QtMessageHandler previousHandler = nullptr;

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void installQuietOffscreenMessages() {
    previousHandler = qInstallMessageHandler(&filterMessage);
}

} // namespace kelvane
