#include "app/PageControl.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionTab>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr QColor kSelectedTabFill(214, 214, 214);
constexpr QColor kSelectedTabText(134, 0, 0);
constexpr int kCaptionInset = 4;

} // namespace

TabRow::TabRow(PageControl& owner)
    : QTabBar(&owner)
    , owner_(owner) {
    setObjectName(QStringLiteral("PageControl1Tabs"));
    setFocusPolicy(Qt::NoFocus); // the page control is no tab stop
    setDrawBase(true);
    setExpanding(false);
    setUsesScrollButtons(true);
}

QSize TabRow::tabSizeHint(int index) const {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int width = metrics.horizontalAdvance(tabText(index)) + 3 * kCaptionInset;
    const int height = metrics.height() + 2 * kCaptionInset;
    return {width, height};
}

void TabRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QWidget* active = owner_.activePage();
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.text.clear();
        const bool selected = owner_.pageOfTab(i) == active;
        if (selected)
            option.state |= QStyle::State_Selected;
        else
            option.state &= ~QStyle::State_Selected;
        style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
        owner_.PageControl1DrawTab(painter, i, tabRect(i), selected);
    }
}

PageControl::PageControl(QWidget* parent)
    : QWidget(parent)
    , tabs_(new TabRow(*this))
    , stack_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("PageControl1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(stack_, 1);
    stack_->setFrameShape(QFrame::StyledPanel);
    connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (QWidget* page = pageOfTab(index))
            setActivePage(page);
    });
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (QWidget* page = pageOfTab(index); page && page != activePage())
            setActivePage(page);
    });
}

void PageControl::addPage(QWidget* page, const QString& caption, bool tabShown) {
    pages_.push_back({page, caption, tabShown});
    stack_->addWidget(page);
    if (tabShown)
        tabs_->addTab(caption);
}

QWidget* PageControl::activePage() const {
    return stack_->currentWidget();
}

QString PageControl::activeCaption() const {
    for (const Entry& entry : pages_)
        if (entry.page == activePage())
            return entry.caption;
    return {};
}

void PageControl::setActivePage(QWidget* page) {
    if (page == activePage())
        return;
    stack_->setCurrentWidget(page);
    int tab = 0;
    for (const Entry& entry : pages_) {
        if (!entry.tabShown)
            continue;
        if (entry.page == page) {
            const QSignalBlocker blocker(tabs_);
            tabs_->setCurrentIndex(tab);
        }
        ++tab;
    }
    tabs_->update();
    emit activePageChanged();
}

QStringList PageControl::visibleCaptions() const {
    QStringList captions;
    for (const Entry& entry : pages_)
        if (entry.tabShown)
            captions << entry.caption;
    return captions;
}

void PageControl::stepTab(int direction) {
    const int tabs = tabs_->count();
    if (tabs == 0)
        return;
    int current = -1;
    for (int i = 0; i < tabs; ++i)
        if (pageOfTab(i) == activePage())
            current = i;
    const int next = current < 0 ? 0 : (current + direction + tabs) % tabs;
    setActivePage(pageOfTab(next));
}

QWidget* PageControl::pageOfTab(int tabIndex) const {
    if (tabIndex < 0)
        return nullptr;
    int shown = -1;
    for (const Entry& entry : pages_) {
        if (entry.tabShown && ++shown == tabIndex)
            return entry.page;
    }
    return nullptr;
}

void PageControl::PageControl1DrawTab(QPainter& painter, int tabIndex, const QRect& rect,
                                      bool selected) const {
    QWidget* page = pageOfTab(tabIndex);
    if (!page)
        return;
    QString caption;
    for (const Entry& entry : pages_)
        if (entry.page == page)
            caption = entry.caption;
    painter.save();
    QFont font = this->font();
    if (selected) {
        painter.fillRect(rect, kSelectedTabFill);
        font.setBold(true);
        painter.setPen(kSelectedTabText);
    } else {
        painter.setPen(palette().color(QPalette::WindowText));
    }
    painter.setFont(font);
    painter.setClipRect(rect);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(font);
    painter.drawText(rect.left() + kCaptionInset, rect.top() + kCaptionInset + metrics.ascent(),
                     caption);
    painter.restore();
}

} // namespace kelvane
