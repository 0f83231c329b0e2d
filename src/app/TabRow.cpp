#include "app/TabRow.h"

#include "app/PageControl.h"

#include "app/PageTabsAccessible.h"
#include "platform/ShownText.h"

#include <QAccessible>
#include <QKeyEvent>
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
    // First of all: the row's interface is made, and kept, at its first accessibility event.
    PageTabsAccessible::install();
    setObjectName(QStringLiteral("PageControl1Tabs"));
    // Reached with Tab but not taken by a click, so a click on a tab leaves the
    // keys in the box that has them.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    showText(this, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "Pages"));
}

int TabRow::tabCount() const {
    int count = 0;
    while (owner_.pageOfTab(count) >= 0)
        ++count;
    return count;
}

QString TabRow::tabCaption(int tabIndex) const {
    const int page = owner_.pageOfTab(tabIndex);
    return page >= 0 ? owner_.caption(page) : QString();
}

int TabRow::currentTab() const {
    for (int i = 0; owner_.pageOfTab(i) >= 0; ++i)
        if (owner_.pageOfTab(i) == owner_.activeIndex())
            return i;
    return -1;
}

void TabRow::showTab(int tabIndex) {
    if (const int page = owner_.pageOfTab(tabIndex); page >= 0)
        owner_.setActiveIndex(page);
}

void TabRow::announceCurrentTab() {
    update();
    const int tab = currentTab();
    if (tab < 0 || !QAccessible::isActive())
        return;
    // As a tabbed dialog does: the newly selected tab, and the focus with it while the
    // row has the focus, so a screen reader names the page now shown.
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(tab);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(tab);
    QAccessible::updateAccessibility(&selection);
}

void TabRow::keyPressEvent(QKeyEvent* event) {
    const int count = tabCount();
    const int current = currentTab();
    int wanted = -1;
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        wanted = current > 0 ? current - 1 : count - 1;
        break;
    case Qt::Key_Right:
        wanted = current + 1 < count ? current + 1 : 0;
        break;
    case Qt::Key_Home:
        wanted = 0;
        break;
    case Qt::Key_End:
        wanted = count - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    showTab(wanted);
}

void TabRow::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // The focus goes to the selected tab, not to the row as a whole.
    if (const int tab = currentTab(); tab >= 0 && QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(tab);
        QAccessible::updateAccessibility(&focus);
    }
}

void TabRow::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
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
        if (selected && hasFocus()) {
            // Where the keys are: framed only while the row has the focus.
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rects_[i].adjusted(2, 2, -2, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}

void TabRow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const int page = owner_.pageOfTab(tabAt(event->position().toPoint())); page >= 0)
        owner_.setActiveIndex(page);
}

} // namespace kelvane
