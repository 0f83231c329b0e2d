#include "app/HotLabel.h"

#include "app/HotLink.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QToolTip>

namespace kelvane {

namespace {

std::string toStd(const QString& text) {
    return text.toStdString();
}

} // namespace

HotLabel::HotLabel(Platform& platform, QWidget* parent)
    : QLabel(parent)
    , platform_(platform) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    LinkFont normal{font(), QColor(Qt::darkBlue)}; // navy
    normal.font.setUnderline(true);
    showFont(normal);
    highlightFont_ = normal;
    highlightFont_.color = QColor(Qt::red);
    setDefaultUrl();
    setCaption(url_);
}

void HotLabel::endLoading() {
    // The caption follows a link taken unchecked, so it is set while still loading.
    loaded();
    loading_ = false;
}

void HotLabel::loaded() {
    if (captionIsURL_)
        setCaption(url_);
}

void HotLabel::setUrl(const QString& url) {
    if (!loading_) {
        if (validateURL_)
            checkUrl(url);
        if (captionIsURL_)
            setCaption(url);
    }
    url_ = url;
}

void HotLabel::setCaption(const QString& text) {
    if (captionIsURL_) {
        if (!loading_ && validateURL_)
            checkUrl(text);
        url_ = text;
    }
    QLabel::setText(text);
    adjustSize();
}

void HotLabel::setCaptionIsUrl(bool on) {
    captionIsURL_ = on;
    if (on)
        setCaption(url_);
}

void HotLabel::setValidatesUrl(bool on) {
    const bool switchedOn = on && !validateURL_;
    validateURL_ = on;
    if (!switchedOn)
        return;
    try {
        checkUrl(url_);
    } catch (const LinkError&) {
        setDefaultUrl();
        throw;
    }
}

void HotLabel::setDefaultUrl() {
    try {
        setUrl(QString::fromUtf8(kPlaceholderLink.data(),
                                 static_cast<qsizetype>(kPlaceholderLink.size())));
    } catch (const LinkError&) {
        setUrl(QString());
    }
}

void HotLabel::checkUrl(const QString& url) {
    checkLink(toStd(url));
}

LinkFont HotLabel::shownFont() const {
    return LinkFont{QLabel::font(), palette().color(foregroundRole())};
}

void HotLabel::showFont(const LinkFont& font) {
    QLabel::setFont(font.font);
    QPalette colours = palette();
    colours.setColor(foregroundRole(), font.color);
    setPalette(colours);
    adjustSize();
}

LinkFont HotLabel::linkFont() const {
    return highlighted_ ? savedFont_ : shownFont();
}

void HotLabel::setLinkFont(const LinkFont& font) {
    // While the highlight is shown the new font waits until the mouse leaves.
    if (highlighted_)
        savedFont_ = font;
    else
        showFont(font);
}

void HotLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    if (!highlightURL_ || highlighted_)
        return;
    savedFont_ = shownFont();
    highlighted_ = true;
    showFont(highlightFont_);
}

void HotLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    // Restored whenever the highlight is on display, even if highlightsUrl has been
    // switched off meanwhile, so the label never keeps the highlight font.
    if (!highlighted_)
        return;
    highlighted_ = false;
    showFont(savedFont_);
}

QString HotLabel::hintText() {
    QString hint = toolTip();
    switch (hintStyle_) {
    case LinkHintStyle::Normal:
        break;
    case LinkHintStyle::Link:
        hint = url_;
        break;
    case LinkHintStyle::Custom:
        if (onCustomHint_)
            onCustomHint_(*this, hint);
        break;
    }
    return hint;
}

bool HotLabel::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    const QString hint = hintText();
    if (hint.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint, this);
    }
    return true;
}

void HotLabel::click() {
    if (isEnabled() && !url_.isEmpty()) {
        if (!platform_.openLink(toStd(url_)))
            throw LinkError(cantAccessLinkText(toStd(url_)));
    }
    emit clicked();
}

void HotLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void HotLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool isClick = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (isClick)
        runReportingErrors(platform_, [this] { click(); });
}

void HotLabel::keyPressEvent(QKeyEvent* event) {
    const bool opens =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    switch (opens ? event->key() : 0) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        runReportingErrors(platform_, [this] { click(); });
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HotLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

} // namespace kelvane
