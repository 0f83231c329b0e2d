#include "app/PageControl.h"

#include "app/TabRow.h"

#include <QPainter>
#include <QStackedWidget>
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
    stack_->setFrameShape(QFrame::StyledPanel);
}

void PageControl::addPage(QWidget* page, const QString& caption, bool tabShown) {
    pages_.push_back({page, caption, tabShown});
    stack_->addWidget(page);
    if (tabShown)
        tabs_->tabsChanged();
}

QWidget* PageControl::activePage() const {
    return stack_->currentWidget();
}

QString PageControl::activeCaption() const {
    return captionOf(activePage());
}

QString PageControl::captionOf(const QWidget* page) const {
    for (const Entry& entry : pages_)
        if (entry.page == page)
            return entry.caption;
    return {};
}

void PageControl::setActivePage(QWidget* page) {
    if (page == activePage())
        return;
    stack_->setCurrentWidget(page);
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
    const int tabs = static_cast<int>(visibleCaptions().size());
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

void PageControl::drawTab(QPainter& painter, int tabIndex, const QRect& rect, bool selected) const {
    QWidget* page = pageOfTab(tabIndex);
    if (!page)
        return;
    const QString caption = captionOf(page);
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
