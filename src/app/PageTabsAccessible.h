#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace kelvane {

class TabRow;

// The tab row as assistive technology sees it: a page tab list named "Pages" whose
// children are one page tab per shown tab, named by the page's caption, the tab of
// the page on display selected. The row draws its tabs itself, so without this a
// screen reader would find one unnamed area with nothing in it.
class PageTabsAccessible final : public QAccessibleWidget {
public:
    explicit PageTabsAccessible(TabRow* row);
    ~PageTabsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    TabRow& row() const;

    // Installs the factory that gives every tab row this interface; installing it
    // again changes nothing.
    static void install();

private:
    // The tabs' interfaces, made when first asked for; the shown tabs are fixed once
    // the pages have been added, and the list is made afresh if their number changes.
    mutable std::vector<QAccessible::Id> tabs_;
};

} // namespace kelvane
