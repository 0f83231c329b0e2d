#include "widgets/ButtonFeedback.h"

#include <QEvent>
#include <QPushButton>
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
    showButtonCue(button, QStringLiteral("Copied ") + copiedText);
}

} // namespace kelvane
