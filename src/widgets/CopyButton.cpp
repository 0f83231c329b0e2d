#include "widgets/CopyButton.h"

#include "platform/ShownText.h"
#include "widgets/ButtonFeedback.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace kelvane {

namespace {

// Two overlapping sheets of paper, drawn once at two sizes.
QIcon copyIcon() {
    static const QIcon icon = [] {
        QIcon result;
        for (const int size : {16, 32}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            painter.setRenderHint(QPainter::Antialiasing);
            const qreal unit = size / 16.0;
            painter.setPen(QPen(QColor(60, 60, 60), unit));
            painter.setBrush(QColor(235, 235, 235));
            painter.drawRect(QRectF(1.5 * unit, 1.5 * unit, 8 * unit, 10 * unit));
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(6.5 * unit, 4.5 * unit, 8 * unit, 10 * unit));
            result.addPixmap(pixmap);
        }
        return result;
    }();
    return icon;
}

} // namespace

QPushButton* makeFlatButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFlat(true);
    button->setFocusPolicy(Qt::TabFocus);
    raiseOnHover(button);
    return button;
}

QPushButton* makeCopyButton(const QString& objectName, const QString& resultCaption,
                            const QString& description, QWidget* parent) {
    QPushButton* button = makeFlatButton(objectName, QString(), parent);
    button->setIcon(copyIcon());
    describeCopyButton(*button, resultCaption, description);
    return button;
}

void describeCopyButton(QPushButton& button, const QString& resultCaption,
                        const QString& description) {
    showText(&button, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "Copy %1"), resultCaption);
    // A picture alone does not say which figure goes to the clipboard.
    showText(&button, "toolTip", description);
    showText(&button, "accessibleDescription", description);
}

} // namespace kelvane
