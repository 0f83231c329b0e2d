#include "app/PageControl.h"

#include "app/TabRow.h"
#include "platform/ShownText.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kelvane {

namespace {

constexpr QColor kSelectedTabFill(214, 214, 214);
constexpr QColor kSelectedTabText(134, 0, 0);
constexpr int kCaptionInset = 4;

} // namespace

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
    // The frame around the pages is drawn here, as four filled strips a pixel wide
    // in the pixel of space left around the pages: drawn as lines, a frame loses
    // edges to rounding at a fractional scale such as 150 %.
    stack_->setFrameShape(QFrame::NoFrame);
    stack_->setContentsMargins(1, 1, 1, 1);
}

void PageControl::addPage(const QString& name, const QString& caption, bool tabShown,
                          PageFactory make) {
    pages_.push_back({name, caption, tabShown, std::move(make)});
    if (tabShown)
        tabs_->tabsChanged();
}

QString PageControl::caption(int index) const {
    return shownText(entry(index).caption);
}

void PageControl::captionsChanged() {
    tabs_->tabsChanged();
    update();
}

int PageControl::pageWidth(int controlWidth) const {
    const QMargins frame = stack_->contentsMargins();
    return controlWidth - frame.left() - frame.right();
}

QWidget* PageControl::page(int index) {
    Entry& wanted = pages_.at(static_cast<std::size_t>(index));
    if (!wanted.page) {
        wanted.page = wanted.make();
        wanted.page->setObjectName(wanted.name);
        // A page without a tab is never on display, so it sets no minimum to the window.
        if (!wanted.tabShown)
            wanted.page->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        stack_->addWidget(wanted.page);
    }
    return wanted.page;
}

void PageControl::buildAllPages() {
    for (int i = 0; i < pageCount(); ++i)
        page(i);
}

void PageControl::buildTabPages() {
    for (int i = 0; i < pageCount(); ++i)
        if (entry(i).tabShown)
            page(i);
}

QWidget* PageControl::activePage() const {
    return active_ < 0 ? nullptr : entry(active_).page;
}

QString PageControl::activeCaption() const {
    return active_ < 0 ? QString() : caption(active_);
}

void PageControl::setActiveIndex(int index) {
    if (index == active_)
        return;
    QWidget* shown = page(index);
    stack_->setCurrentWidget(shown);
    active_ = index;
    // The box the page brings into focus has its whole text selected, so typing
    // replaces the value it holds.
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        box && shown->isAncestorOf(box))
        box->selectAll();
    tabs_->announceCurrentTab();
    emit activePageChanged();
}

QStringList PageControl::visibleCaptions() const {
    QStringList captions;
    for (const Entry& entry : pages_)
        if (entry.tabShown)
            captions << shownText(entry.caption);
    return captions;
}

void PageControl::stepTab(int direction) {
    const int tabs = static_cast<int>(visibleCaptions().size());
    if (tabs == 0)
        return;
    int current = -1;
    for (int i = 0; i < tabs; ++i)
        if (pageOfTab(i) == active_)
            current = i;
    const int next = current < 0 ? 0 : (current + direction + tabs) % tabs;
    setActiveIndex(pageOfTab(next));
}

int PageControl::pageOfTab(int tabIndex) const {
    if (tabIndex < 0)
        return -1;
    int shown = -1;
    for (int i = 0; i < pageCount(); ++i) {
        if (entry(i).tabShown && ++shown == tabIndex)
            return i;
    }
    return -1;
}

void PageControl::paintEvent(QPaintEvent*) {
    if (!painted_) {
        // Once the first paint is done, the window is on the screen and the other
        // pages with a tab can be made without holding it up.
        painted_ = true;
        QTimer::singleShot(0, this, &PageControl::buildTabPages);
    }
    QPainter painter(this);
    const QRect frame = stack_->geometry();
    const QColor line = palette().color(QPalette::Window).darker(130);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), line);
    painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), line);
    painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), line);
    painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), line);
}

void PageControl::drawTab(QPainter& painter, int tabIndex, const QRect& rect, bool selected) const {
    const int page = pageOfTab(tabIndex);
    if (page < 0)
        return;
    const QString caption = this->caption(page);
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
