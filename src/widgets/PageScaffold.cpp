#include "widgets/PageScaffold.h"

#include "platform/QtText.h"
#include "widgets/NumberKeyFilter.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvane {

PageScaffold::PageScaffold(QWidget& page, const Separators& separators, int horizontalSpacing)
    : page_(page)
    , grid_(new QGridLayout(&page))
    , keyFilter_(new NumberKeyFilter(separators, &page)) {
    grid_->setContentsMargins(12, 10, 12, 10);
    grid_->setHorizontalSpacing(horizontalSpacing);
}

QLabel* PageScaffold::label(std::string_view text) const {
    return makePlainLabel(toQString(text), &page_);
}

QLabel* PageScaffold::boldLabel(std::string_view text) const {
    QLabel* bold = label(text);
    QFont font = bold->font();
    font.setBold(true);
    bold->setFont(font);
    return bold;
}

void PageScaffold::addHeading(std::string_view text) {
    QLabel* heading = label(text);
    QFont underlined = heading->font();
    underlined.setUnderline(true);
    heading->setFont(underlined);
    grid_->addWidget(heading, 0, 0, 1, -1);
}

QLineEdit* PageScaffold::numberBox(std::string_view objectName, std::string_view caption,
                                   std::string_view unit) const {
    QLineEdit* box = makeEntryBox(&page_);
    box->setObjectName(toQString(objectName));
    box->setAccessibleName(toQString(caption));
    box->setAccessibleDescription(toQString(unit));
    box->installEventFilter(keyFilter_);
    return box;
}

void PageScaffold::tieCaption(QLabel* caption, QWidget* value) {
    caption->setBuddy(value);
}

void PageScaffold::finish() {
    grid_->setRowStretch(grid_->rowCount(), 1);
    grid_->setColumnStretch(grid_->columnCount(), 1);
}

void PageScaffold::emptyQuietly(std::span<QLineEdit* const> boxes) {
    for (QLineEdit* box : boxes) {
        const QSignalBlocker blocker(box);
        box->clear();
    }
}

} // namespace kelvane
