#pragma once

#include "common/Separators.h"
#include "widgets/EntryBox.h"

#include <QString>

#include <span>
#include <string_view>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace kelvane {

// What every calculating page is built on: a grid with the pages' margins, the
// underlined heading, plain and bold labels, and number boxes that share one
// number-key rule.
class PageScaffold {
public:
    PageScaffold(QWidget& page, const Separators& separators, int horizontalSpacing = 6);

    QGridLayout& grid() { return *grid_; }

    // A label that shows its text literally, in the page's font or in bold.
    QLabel* label(std::string_view text) const;
    QLabel* boldLabel(std::string_view text = {}) const;
    // The underlined heading across the top row.
    void addHeading(std::string_view text);
    // A number box named for the driver, spoken by its caption, taking only number keys.
    QLineEdit* numberBox(std::string_view objectName, std::string_view caption) const;
    // Lets the last row and column take the spare room, so the page keeps to the top left.
    void finish();

    // Empties the boxes without running their change handlers, as a page's first state has them.
    static void emptyQuietly(std::span<QLineEdit* const> boxes);

private:
    QWidget& page_;
    QGridLayout* grid_;
    EntryKeyRule numberKeys_;
};

} // namespace kelvane
