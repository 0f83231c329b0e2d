#pragma once

#include <QHash>
#include <QWidget>

#include <vector>

namespace kelvane {

class PageControl;

// The row of tabs above the pages, drawn by the program: the selected tab light
// grey with bold dark-red text, the others in the plain window font. Tabs that do
// not fit the width wrap onto further rows. The row is a tab stop: while it has the
// focus, Left and Right (Home and End) show the previous and next (first and last)
// page, and the tab on display is framed.
class TabRow final : public QWidget {
    Q_OBJECT
public:
    explicit TabRow(PageControl& owner);

    // The shown tabs have changed: lay them out again.
    void tabsChanged();
    int tabAt(const QPoint& position) const;
    QRect tabRect(int tabIndex) const;
    // The shown tabs, counted from 0: how many, a tab's caption, the tab of the page
    // on display (-1 for a page without a tab), and showing a tab's page.
    int tabCount() const;
    QString tabCaption(int tabIndex) const;
    int currentTab() const;
    void showTab(int tabIndex);
    // Tells assistive technology that another tab is now selected.
    void announceCurrentTab();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSize tabSize(int tabIndex) const;
    // The tab rectangles for a row of the given width.
    std::vector<QRect> layoutFor(int width) const;

    PageControl& owner_;
    std::vector<QRect> rects_;
    // Each caption's tab size in the current font, measured once: measuring shapes the
    // text, and the layout asks for every tab's size on each tab added and each resize.
    mutable QHash<QString, QSize> tabSizes_;
};

} // namespace kelvane
