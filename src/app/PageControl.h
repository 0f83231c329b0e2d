#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QStackedWidget;
class QPainter;

namespace kelvane {

class TabRow;

// The page control: pages in a fixed order, some with their tab hidden. A hidden
// page has no tab and only the program can bring it into view. Start-up makes only
// the page on display; the other pages with a tab follow once the window has first
// been painted, as they set its smallest size, and a hidden page is made the first
// time it is needed.
class PageControl final : public QWidget {
    Q_OBJECT
public:
    using PageFactory = std::function<QWidget*()>;

    explicit PageControl(QWidget* parent = nullptr);

    // A page known by its object name and caption, made by `make` when first needed.
    void addPage(const QString& name, const QString& caption, bool tabShown, PageFactory make);
    // The width of a page shown in a page control of the given width.
    int pageWidth(int controlWidth) const;
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // The caption in the language in use; englishCaption as the program names it.
    QString caption(int index) const;
    QString englishCaption(int index) const { return entry(index).caption; }
    QString name(int index) const { return entry(index).name; }
    // The page itself, made now if it has not been made yet.
    QWidget* page(int index);
    // The page if it has been made, else nullptr.
    QWidget* builtPage(int index) const { return entry(index).page; }
    // Makes every page not made yet.
    void buildAllPages();
    // Makes every page with a tab not made yet: together they set the window's
    // smallest size, at which each of them is whole.
    void buildTabPages();

    int activeIndex() const { return active_; }
    QWidget* activePage() const;
    QString activeCaption() const;
    void setActiveIndex(int index);
    // Captions of the tabs a user can see, in order.
    QStringList visibleCaptions() const;
    // The captions are now shown in another language: the tabs take their new sizes.
    void captionsChanged();
    // Moves to the next or previous shown tab, wrapping round (Ctrl+Tab).
    void stepTab(int direction);

    // Draws one tab, counted from 0 over the shown tabs only.
    void drawTab(QPainter& painter, int tabIndex, const QRect& rect, bool selected) const;
    // The index of the page of the shown tab with that number, or -1.
    int pageOfTab(int tabIndex) const;

signals:
    void activePageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Entry {
        QString name;
        QString caption;
        bool tabShown;
        PageFactory make;
        QWidget* page = nullptr; // until it is made
    };
    const Entry& entry(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

    std::vector<Entry> pages_;
    int active_ = -1;
    bool painted_ = false;
    TabRow* tabs_;
    QStackedWidget* stack_;
};

} // namespace kelvane
