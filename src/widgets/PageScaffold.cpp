#include "widgets/PageScaffold.h"

#include "common/NumberEntry.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "widgets/PageContext.h"
#include "widgets/PlainLabel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

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

// A grid that takes the room its page's grid gives it up to the width it has at the
// window's first size, and leaves the rest at its right empty. Its controls stay the
// page's own, so it adds nothing to what the page shows or to the order of its controls.
class WidthBlock final : public QGridLayout {
public:
    // `firstPageWidth` 0: no limit. `margins`: the page's left and right margins together.
    WidthBlock(const QWidget& page, int firstPageWidth, int margins)
        : page_(page)
        , firstPageWidth_(firstPageWidth)
        , margins_(margins) {}

    void setGeometry(const QRect& room) override {
        QRect used = room;
        if (firstPageWidth_ > 0) {
            // At the first size the block fills the page, or the page's smallest width
            // where its controls need more than the page has; asked only now, once the
            // page has its window's font.
            const int firstWidth = std::max(firstPageWidth_, page_.minimumSizeHint().width());
            used.setWidth(std::min(room.width(), firstWidth - margins_));
        }
        QGridLayout::setGeometry(used);
    }

private:
    const QWidget& page_;
    int firstPageWidth_;
    int margins_;
};

PageScaffold::PageScaffold(QWidget& page, const PageContext& context, const PageSpacing& spacing)
    : page_(page)
    , separators_(context.separators)
    , spacing_(spacing)
    , firstPageWidth_(context.firstPageWidth)
    , grid_(new QGridLayout(&page))
    , numberKeys_(numberKeyRule(context.separators)) {
    grid_->setContentsMargins(spacing.left, spacing.top, spacing.right, spacing.bottom);
    grid_->setHorizontalSpacing(spacing.horizontal);
    if (spacing.vertical >= 0)
        grid_->setVerticalSpacing(spacing.vertical);
}

QLabel* PageScaffold::label(std::string_view text) const {
    QLabel* shown = makePlainLabel(QString(), &page_);
    showText(shown, "text", text);
    return shown;
}

QLabel* PageScaffold::boldLabel(std::string_view text) const {
    QLabel* bold = label(text);
    QFont font = bold->font();
    font.setBold(true);
    bold->setFont(font);
    return bold;
}

QLabel* PageScaffold::addHeading(std::string_view text) {
    QLabel* heading = label(text);
    QFont underlined = heading->font();
    underlined.setUnderline(true);
    heading->setFont(underlined);
    grid_->addWidget(heading, 0, 0, 1, -1);
    return heading;
}

QLineEdit* PageScaffold::numberBox(std::string_view objectName, std::string_view caption,
                                   std::function<void(double)> changed,
                                   std::string_view unit) const {
    auto* box = new EntryBox(&page_, numberKeys_);
    box->setObjectName(toQString(objectName));
    showText(box, "accessibleName", caption);
    showText(box, "accessibleDescription", unit);
    QObject::connect(box, &QLineEdit::textChanged, &page_,
                     [box, separators = separators_, changed = std::move(changed)] {
                         changed(parseEditValue(box->text().toStdString(), separators));
                     });
    return box;
}

QLineEdit* PageScaffold::textBox(std::string_view objectName, const QString& spokenName,
                                 EntryKeyRule keys,
                                 std::function<void(const std::string&)> changed) const {
    auto* box = new EntryBox(&page_, std::move(keys));
    box->setObjectName(toQString(objectName));
    box->setAccessibleName(spokenName);
    QObject::connect(box, &QLineEdit::textChanged, &page_,
                     [box, changed = std::move(changed)] { changed(box->text().toStdString()); });
    return box;
}

QGridLayout* PageScaffold::addWidthBlock(int row, int rowSpan) {
    auto* block = new WidthBlock(page_, firstPageWidth_, spacing_.left + spacing_.right);
    block->setContentsMargins(0, 0, 0, 0);
    grid_->addLayout(block, row, 0, rowSpan, -1);
    return block;
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
