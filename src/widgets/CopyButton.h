#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace kelvane {

// A flat button with the copy picture that puts a result on the clipboard; like
// every flat button of the pages it takes no keyboard focus. `description` says what
// it copies ("Copy the total weight"): its tooltip, and what a screen reader adds to
// its name.
QPushButton* makeCopyButton(const QString& objectName, const QString& resultCaption,
                            const QString& description, QWidget* parent);

// A flat push button that takes no focus, such as "&Clear".
QPushButton* makeFlatButton(const QString& objectName, const QString& caption, QWidget* parent);

} // namespace kelvane
