#include "widgets/PlainLabel.h"

#include <QLabel>

namespace kelvane {

QLabel* makePlainLabel(const QString& text, QWidget* parent, const QString& accessibleName) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (!accessibleName.isEmpty())
        label->setAccessibleName(accessibleName);
    return label;
}

} // namespace kelvane
