#pragma once

#include <QObject>

class QWidget;

namespace kelvane {

class PageControl;

// The keyboard way through the tabs: Ctrl+Tab shows the next page, Ctrl+Shift+Tab
// the previous one. An X server sends Ctrl+Shift+Tab as Backtab with Ctrl and Shift
// (or with Ctrl alone), other platforms as Tab with Ctrl and Shift; every form is
// taken. Keys meant for another window, such as an open dialog, are left alone.
class PageKeys final : public QObject {
public:
    PageKeys(QWidget& window, PageControl& pages);

    // +1 for the next page, -1 for the previous one, 0 for any other key.
    static int stepOf(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    PageControl& pages_;
};

} // namespace kelvane
