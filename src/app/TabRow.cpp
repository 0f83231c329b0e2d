#include "app/TabRow.h"

#include "app/PageControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTab>

namespace kelvane {

namespace {

constexpr int kCaptionInset = 4;

} // namespace

TabRow::TabRow(PageControl& owner)
    : QWidget(&owner)
    , owner_(owner) {
    setObjectName(QStringLiteral("PageControl1Tabs"));
    setFocusPolicy(Qt::NoFocus); // the page control is no tab stop
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Pages"));
}

QSize TabRow::tabSize(int tabIndex) const {
    const int page = owner_.pageOfTab(tabIndex);
    const QString caption = page >= 0 ? owner_.caption(page) : QString();
    if (const auto known = tabSizes_.constFind(caption); known != tabSizes_.cend())
        return *known;
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QSize size(metrics.horizontalAdvance(caption) + 3 * kCaptionInset,
                     metrics.height() + 2 * kCaptionInset);
    tabSizes_.insert(caption, size);
    return size;
}

std::vector<QRect> TabRow::layoutFor(int width) const {
    std::vector<QRect> rects;
    int x = 0;
    int y = 0;
    for (int i = 0; owner_.pageOfTab(i) >= 0; ++i) {
        const QSize size = tabSize(i);
        if (x > 0 && x + size.width() > width) {
            x = 0;
            y += size.height();
        }
        rects.emplace_back(QPoint(x, y), size);
        x += size.width();
    }
    return rects;
}

int TabRow::heightForWidth(int width) const {
    const std::vector<QRect> rects = layoutFor(width);
    return rects.empty() ? tabSize(0).height() : rects.back().bottom() + 1;
}

QSize TabRow::sizeHint() const {
    int width = 0;
    for (int i = 0; owner_.pageOfTab(i) >= 0; ++i)
        width += tabSize(i).width();
    return {width, tabSize(0).height()};
}

QSize TabRow::minimumSizeHint() const {
    return {tabSize(0).width(), tabSize(0).height()};
}

void TabRow::tabsChanged() {
    rects_ = layoutFor(width());
    setFixedHeight(heightForWidth(width()));
    update();
}

void TabRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    rects_ = layoutFor(width());
    // As many rows as the width needs: the row's height follows its width.
    const int height = heightForWidth(width());
    if (height != this->height())
        setFixedHeight(height);
}

void TabRow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        tabSizes_.clear(); // measured in the old font
    QWidget::changeEvent(event);
}

int TabRow::tabAt(const QPoint& position) const {
    for (std::size_t i = 0; i < rects_.size(); ++i)
        if (rects_[i].contains(position))
            return static_cast<int>(i);
    return -1;
}

QRect TabRow::tabRect(int tabIndex) const {
    return tabIndex >= 0 && tabIndex < static_cast<int>(rects_.size())
               ? rects_[static_cast<std::size_t>(tabIndex)]
               : QRect();
}

void TabRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int active = owner_.activeIndex();
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        const int tab = static_cast<int>(i);
        const bool selected = owner_.pageOfTab(tab) == active;
        QStyleOptionTab option;
        option.initFrom(this);
        option.rect = rects_[i];
        option.shape = QTabBar::RoundedNorth;
        option.position = QStyleOptionTab::Middle;
        if (selected)
            option.state |= QStyle::State_Selected;
        style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
        owner_.drawTab(painter, tab, rects_[i], selected);
    }
}

void TabRow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const int page = owner_.pageOfTab(tabAt(event->position().toPoint())); page >= 0)
        owner_.setActiveIndex(page);
}

} // namespace kelvane
