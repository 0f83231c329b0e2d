#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace kelvane {

// A flat button with the copy picture that puts a result on the clipboard; like
// every flat button of the pages it is reached with Tab but not focused by a click.
// `description` says what it copies ("Copy the total weight"): its tooltip, and what a
// screen reader adds to its name.
QPushButton* makeCopyButton(const QString& objectName, const QString& resultCaption,
                            const QString& description, QWidget* parent);

// Names a copy button for the result caption it stands under and says what it copies,
// afresh where the caption changes.
void describeCopyButton(QPushButton& button, const QString& resultCaption,
                        const QString& description);

// A flat push button, such as "&Clear": a tab stop, which a click leaves the keys
// where they were.
QPushButton* makeFlatButton(const QString& objectName, const QString& caption, QWidget* parent);

} // namespace kelvane
