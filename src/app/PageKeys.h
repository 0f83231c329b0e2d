#pragma once

class QWidget;

namespace kelvane {

class PageControl;

// The keyboard way through the tabs, as shortcuts of the window: Ctrl+Tab shows the
// next page, Ctrl+Shift+Tab the previous one. An X server sends Ctrl+Shift+Tab as
// Backtab with Ctrl and Shift (or with Ctrl alone), other platforms as Tab with Ctrl
// and Shift; every form is bound. Being window shortcuts, they leave alone keys meant
// for another window, such as an open dialog.
void addPageKeys(QWidget& window, PageControl& pages);

} // namespace kelvane
