#include "widgets/PageScaffold.h"

#include "common/NumberEntry.h"
#include "platform/QtText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvane {

namespace {

// The number keys go in as typed; every other character is refused, whatever the
// box holds.
EntryKeyRule numberKeyRule(Separators separators) {
    return [separators = std::move(separators)](char32_t key,
                                                const QString&) -> std::optional<char32_t> {
        if (numberKeyAdmitted(key, separators))
            return key;
        return std::nullopt;
    };
}

} // namespace

PageScaffold::PageScaffold(QWidget& page, const Separators& separators, int horizontalSpacing)
    : page_(page)
    , grid_(new QGridLayout(&page))
    , numberKeys_(numberKeyRule(separators)) {
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

QLineEdit* PageScaffold::numberBox(std::string_view objectName, std::string_view caption) const {
    auto* box = new EntryBox(&page_, numberKeys_);
    box->setObjectName(toQString(objectName));
    box->setAccessibleName(toQString(caption));
    return box;
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
