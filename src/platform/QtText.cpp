#include "platform/QtText.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace kelvane {

QLabel* makePlainLabel(const QString& text, QWidget* parent, const QString& accessibleName) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    if (!accessibleName.isEmpty())
        label->setAccessibleName(accessibleName);
    return label;
}

QLineEdit* makeEntryBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

} // namespace kelvane
