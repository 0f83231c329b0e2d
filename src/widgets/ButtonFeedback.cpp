#include "widgets/ButtonFeedback.h"

#include "platform/ShownText.h"

#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

namespace kelvane {

namespace {

constexpr int kConfirmationTime = 1000; // milliseconds

class HoverRaise final : public QObject {
public:
    explicit HoverRaise(QPushButton* button)
        : QObject(button)
        , button_(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Enter)
            button_->setFlat(!button_->isEnabled());
        else if (event->type() == QEvent::Leave)
            button_->setFlat(true);
        return false;
    }

private:
    QPushButton* button_;
};

} // namespace

void raiseOnHover(QPushButton* button) {
    button->installEventFilter(new HoverRaise(button));
}

void showButtonCue(QPushButton* button, const QString& text) {
    const QPoint below = button->mapToGlobal(QPoint(0, button->height()));
    QToolTip::showText(below, text, button, QRect(), kConfirmationTime);
}

void confirmCopy(QPushButton* button, const QString& copiedText) {
    const QString confirmation =
        shownText(QT_TRANSLATE_NOOP("Kelvane", "Copied")) + QLatin1Char(' ') + copiedText;
    showButtonCue(button, confirmation);

    // The button's own description comes back once the confirmation is over, unless
    // a later copy has put up a confirmation of its own.
    const char* kOwnDescription = "kelvaneOwnDescription";
    if (!button->property(kOwnDescription).isValid())
        button->setProperty(kOwnDescription, button->accessibleDescription());
    button->setAccessibleDescription(confirmation);
    QTimer::singleShot(kConfirmationTime, button,
                       [button = QPointer<QPushButton>(button), confirmation, kOwnDescription] {
                           if (!button || button->accessibleDescription() != confirmation)
                               return;
                           button->setAccessibleDescription(
                               button->property(kOwnDescription).toString());
                           button->setProperty(kOwnDescription, QVariant());
                       });
}

} // namespace kelvane
