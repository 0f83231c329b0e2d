#pragma once

#include <QWidget>

#include <vector>

class QStackedWidget;
class QPainter;

namespace kelvane {

class TabRow;

// The page control: pages in a fixed order, some with their tab hidden. A hidden
// page has no tab and only the program can bring it into view.
class PageControl final : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    void addPage(QWidget* page, const QString& caption, bool tabShown);
    int pageCount() const { return static_cast<int>(pages_.size()); }
    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)).page; }
    QString caption(int index) const { return pages_.at(static_cast<std::size_t>(index)).caption; }
    QString captionOf(const QWidget* page) const;

    QWidget* activePage() const;
    QString activeCaption() const;
    void setActivePage(QWidget* page);
    // Captions of the tabs a user can see, in order.
    QStringList visibleCaptions() const;
    // Moves to the next or previous shown tab, wrapping round (Ctrl+Tab).
    void stepTab(int direction);

    // Draws one tab, counted from 0 over the shown tabs only.
    void drawTab(QPainter& painter, int tabIndex, const QRect& rect, bool selected) const;
    // The page of the shown tab with that index, or nullptr.
    QWidget* pageOfTab(int tabIndex) const;

signals:
    void activePageChanged();

private:
    struct Entry {
        QWidget* page;
        QString caption;
        bool tabShown;
    };
    std::vector<Entry> pages_;
    TabRow* tabs_;
    QStackedWidget* stack_;
};

} // namespace kelvane
