#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

#include <functional>

namespace kelvane {

class Platform;

// A label's look: the typeface with its size and style, and the colour of its text.
struct LinkFont {
    QFont font;
    QColor color;

    bool operator==(const LinkFont& other) const {
        return font == other.font && color == other.color;
    }
};

// What a hyperlink label's tooltip shows: the ordinary hint, the link itself, or
// the ordinary hint as rewritten by the owner's custom-hint handler.
enum class LinkHintStyle { Normal, Link, Custom };

// A text label that opens its link through the desktop shell when clicked. It
// checks the form of every new link while validatesUrl is on, can keep its caption
// and its link the same (captionIsUrl), and can swap in a highlight font while the
// mouse is over it. Its errors are LinkError.
class HotLabel : public QLabel {
    Q_OBJECT
public:
    using CustomHintHandler = std::function<void(HotLabel& sender, QString& hint)>;

    explicit HotLabel(Platform& platform, QWidget* parent = nullptr);

    // Layout loading: between these two calls new links and captions are taken as
    // they are, unchecked; loaded() then brings the caption in line with the link.
    void beginLoading() { loading_ = true; }
    void endLoading();

    QString url() const { return url_; }
    // Throws LinkError, keeping the old link, when validatesUrl is on and the link
    // is not recognised.
    void setUrl(const QString& url);

    QString caption() const { return text(); }
    // Sets the shown text; while the caption is the link it is checked and becomes the link.
    void setCaption(const QString& text);

    bool captionIsUrl() const { return captionIsURL_; }
    void setCaptionIsUrl(bool on);

    bool validatesUrl() const { return validateURL_; }
    // Switching it on checks the current link; a link that fails is replaced by the
    // placeholder and the error is raised again.
    void setValidatesUrl(bool on);

    bool highlightsUrl() const { return highlightURL_; }
    void setHighlightsUrl(bool on) { highlightURL_ = on; }
    LinkFont highlightFont() const { return highlightFont_; }
    void setHighlightFont(const LinkFont& font) { highlightFont_ = font; }
    bool highlighted() const { return highlighted_; }

    // The look without the highlight, also while the highlight is on display.
    LinkFont linkFont() const;
    // While the highlight is on display the new look waits until the mouse leaves.
    void setLinkFont(const LinkFont& font);

    LinkHintStyle hintStyle() const { return hintStyle_; }
    void setHintStyle(LinkHintStyle style) { hintStyle_ = style; }
    void setOnCustomHint(CustomHintHandler handler) { onCustomHint_ = std::move(handler); }
    // The tooltip text the label shows now, by hintStyle.
    QString hintText();

    // Opens the link (when enabled and not empty), then fires clicked(). Throws
    // LinkError when the shell refuses the link; clicked() does not fire then.
    void click();

signals:
    void clicked();

protected:
    virtual void setDefaultUrl();
    virtual void checkUrl(const QString& url);
    virtual void loaded();

    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A label given a tab stop opens its link with Enter or Space, and shows a focus
    // frame while it has the keys.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    LinkFont shownFont() const;
    void showFont(const LinkFont& font);

    Platform& platform_;
    LinkFont savedFont_;
    bool highlighted_ = false;
    bool validateURL_ = true;
    QString url_;
    bool captionIsURL_ = true;
    LinkFont highlightFont_;
    bool highlightURL_ = false;
    LinkHintStyle hintStyle_ = LinkHintStyle::Normal;
    CustomHintHandler onCustomHint_;
    bool loading_ = false;
    bool pressed_ = false;
};

} // namespace kelvane
