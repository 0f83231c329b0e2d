#include "platform/QtText.h"

#include <QLabel>

namespace kelvane {

QLabel* makePlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace kelvane
