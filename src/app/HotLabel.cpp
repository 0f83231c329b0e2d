#include "app/HotLabel.h"

#include "app/HotLink.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace kelvane {

namespace {

std::string ToStd(const QString& text) {
    return text.toStdString();
}

} // namespace

TVellHotLabel::TVellHotLabel(Platform& platform, QWidget* parent)
    : QLabel(parent)
    , platform_(platform) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    TVellFont normal{font(), QColor(Qt::darkBlue)}; // navy
    normal.font.setUnderline(true);
    showFont(normal);
    highlightFont_ = normal;
    highlightFont_.color = QColor(Qt::red);
    SetDefaultURL();
    SetCaption(url_);
}

void TVellHotLabel::endLoading() {
    // The caption follows a link taken unchecked, so it is set while still loading.
    Loaded();
    loading_ = false;
}

void TVellHotLabel::Loaded() {
    if (captionIsURL_)
        SetCaption(url_);
}

void TVellHotLabel::setURL(const QString& url) {
    if (!loading_) {
        if (validateURL_)
            CheckURL(url);
        if (captionIsURL_)
            SetCaption(url);
    }
    url_ = url;
}

void TVellHotLabel::SetCaption(const QString& text) {
    if (captionIsURL_) {
        if (!loading_ && validateURL_)
            CheckURL(text);
        url_ = text;
    }
    QLabel::setText(text);
    adjustSize();
}

QString TVellHotLabel::GetCaption() const {
    return text();
}

void TVellHotLabel::setCaptionIsURL(bool on) {
    captionIsURL_ = on;
    if (on)
        SetCaption(url_);
}

void TVellHotLabel::setValidateURL(bool on) {
    const bool switchedOn = on && !validateURL_;
    validateURL_ = on;
    if (!switchedOn)
        return;
    try {
        CheckURL(url_);
    } catch (const EVellURLError&) {
        SetDefaultURL();
        throw;
    }
}

void TVellHotLabel::SetDefaultURL() {
    try {
        setURL(QString::fromUtf8(kPlaceholderLink.data(),
                                 static_cast<qsizetype>(kPlaceholderLink.size())));
    } catch (const EVellURLError&) {
        setURL(QString());
    }
}

void TVellHotLabel::CheckURL(const QString& url) {
    CheckLink(ToStd(url));
}

TVellFont TVellHotLabel::shownFont() const {
    return TVellFont{QLabel::font(), palette().color(foregroundRole())};
}

void TVellHotLabel::showFont(const TVellFont& font) {
    QLabel::setFont(font.font);
    QPalette colours = palette();
    colours.setColor(foregroundRole(), font.color);
    setPalette(colours);
    adjustSize();
}

TVellFont TVellHotLabel::GetFont() const {
    return highlighted_ ? savedFont_ : shownFont();
}

void TVellHotLabel::SetFont(const TVellFont& font) {
    // While the highlight is shown the new font waits until the mouse leaves.
    if (highlighted_)
        savedFont_ = font;
    else
        showFont(font);
}

void TVellHotLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    if (!highlightURL_ || highlighted_)
        return;
    savedFont_ = shownFont();
    highlighted_ = true;
    showFont(highlightFont_);
}

void TVellHotLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    // Restored whenever the highlight is on display, even if HighlightURL has been
    // switched off meanwhile, so the label never keeps the highlight font.
    if (!highlighted_)
        return;
    highlighted_ = false;
    showFont(savedFont_);
}

QString TVellHotLabel::HintText() {
    QString hint = toolTip();
    switch (hintStyle_) {
    case TVellHLHintStyle::hsNormal:
        break;
    case TVellHLHintStyle::hsURL:
        hint = url_;
        break;
    case TVellHLHintStyle::hsCustom:
        if (onCustomHint_)
            onCustomHint_(*this, hint);
        break;
    }
    return hint;
}

bool TVellHotLabel::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QLabel::event(event);
    const QString hint = HintText();
    if (hint.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint, this);
    }
    return true;
}

void TVellHotLabel::Click() {
    if (isEnabled() && !url_.isEmpty()) {
        if (!platform_.openLink(ToStd(url_)))
            throw EVellURLError(CantAccessLinkText(ToStd(url_)));
    }
    emit clicked();
}

void TVellHotLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TVellHotLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        RunReportingErrors(platform_, [this] { Click(); });
}

} // namespace kelvane
