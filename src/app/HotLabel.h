#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

#include <functional>

namespace kelvane {

class Platform;

// A label's look: the typeface with its size and style, and the colour of its text.
struct TVellFont {
    QFont font;
    QColor color;

    bool operator==(const TVellFont& other) const {
        return font == other.font && color == other.color;
    }
};

// What a hyperlink label's tooltip shows: the ordinary hint, the link itself, or
// the ordinary hint as rewritten by the owner's OnCustomHint handler.
enum class TVellHLHintStyle { hsNormal, hsURL, hsCustom };

// A text label that opens its link through the desktop shell when clicked. It
// checks the form of every new link while ValidateURL is on, can keep its caption
// and its link the same (CaptionIsURL), and can swap in a highlight font while the
// mouse is over it. Its errors are EVellURLError.
class TVellHotLabel : public QLabel {
    Q_OBJECT
public:
    using CustomHintHandler = std::function<void(TVellHotLabel& sender, QString& hint)>;

    explicit TVellHotLabel(Platform& platform, QWidget* parent = nullptr);

    // Layout loading: between these two calls new links and captions are taken as
    // they are, unchecked; Loaded() then brings the caption in line with the link.
    void beginLoading() { loading_ = true; }
    void endLoading();

    QString URL() const { return url_; }
    // Throws EVellURLError, keeping the old link, when ValidateURL is on and the link
    // is not recognised.
    void setURL(const QString& url);

    QString Caption() const { return GetCaption(); }
    void setCaption(const QString& text) { SetCaption(text); }

    bool CaptionIsURL() const { return captionIsURL_; }
    void setCaptionIsURL(bool on);

    bool ValidateURL() const { return validateURL_; }
    // Switching it on checks the current link; a link that fails is replaced by the
    // placeholder and the error is raised again.
    void setValidateURL(bool on);

    bool HighlightURL() const { return highlightURL_; }
    void setHighlightURL(bool on) { highlightURL_ = on; }
    TVellFont HighlightFont() const { return highlightFont_; }
    void setHighlightFont(const TVellFont& font) { highlightFont_ = font; }
    bool highlighted() const { return highlighted_; }

    TVellFont Font() const { return GetFont(); }
    void setFont(const TVellFont& font) { SetFont(font); }

    TVellHLHintStyle HintStyle() const { return hintStyle_; }
    void setHintStyle(TVellHLHintStyle style) { hintStyle_ = style; }
    void setOnCustomHint(CustomHintHandler handler) { onCustomHint_ = std::move(handler); }
    // The tooltip text the label shows now, by HintStyle.
    QString HintText();

    // Opens the link (when enabled and not empty), then fires clicked(). Throws
    // EVellURLError when the shell refuses the link; clicked() does not fire then.
    void Click();

signals:
    void clicked();

protected:
    virtual void SetDefaultURL();
    virtual void CheckURL(const QString& url);
    virtual void SetCaption(const QString& text);
    virtual QString GetCaption() const;
    virtual TVellFont GetFont() const;
    virtual void SetFont(const TVellFont& font);
    virtual void Loaded();

    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TVellFont shownFont() const;
    void showFont(const TVellFont& font);

    Platform& platform_;
    TVellFont savedFont_;
    bool highlighted_ = false;
    bool validateURL_ = true;
    QString url_;
    bool captionIsURL_ = true;
    TVellFont highlightFont_;
    bool highlightURL_ = false;
    TVellHLHintStyle hintStyle_ = TVellHLHintStyle::hsNormal;
    CustomHintHandler onCustomHint_;
    bool loading_ = false;
    bool pressed_ = false;
};

} // namespace kelvane
