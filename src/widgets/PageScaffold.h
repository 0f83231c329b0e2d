#pragma once

#include "common/Separators.h"
#include "widgets/EntryBox.h"

#include <QString>

#include <functional>
#include <span>
#include <string>
#include <string_view>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace kelvane {

struct PageContext;

// The room around and between a page's controls. Every calculating page keeps the
// defaults; a page of another kind (the element list, the conversions) sets its own.
struct PageSpacing {
    int left = 12;
    int top = 10;
    int right = 12;
    int bottom = 10;
    int horizontal = 6;
    int vertical = -1; // the style's
};

// What every page is built on: a grid with the page's margins, the underlined
// heading, plain and bold labels, and the one way a page wires an entry box to its
// model: every change of the box's text hands the value (or the text) to the page,
// which stores it in its model and shows the model's texts. Number boxes share one
// number-key rule.
class PageScaffold {
public:
    PageScaffold(QWidget& page, const PageContext& context, const PageSpacing& spacing = {});

    QGridLayout& grid() { return *grid_; }

    // A label that shows its text literally, in the page's font or in bold.
    QLabel* label(std::string_view text) const;
    QLabel* boldLabel(std::string_view text = {}) const;
    // The underlined heading across the top row, returned for a page whose heading
    // changes.
    QLabel* addHeading(std::string_view text);
    // A number box named for the driver, spoken by its caption with its unit as the
    // description ("in millimetres"; none for a count), taking only number keys.
    // Every change of its text hands the value it reads (0 for no number) to `changed`.
    QLineEdit* numberBox(std::string_view objectName, std::string_view caption,
                         std::function<void(double)> changed,
                         std::string_view unit = kMillimetres) const;
    // An entry box for text other than a plain number, taking the keys `keys` admits.
    // Every change of its text hands the text to `changed`.
    QLineEdit* textBox(std::string_view objectName, const QString& spokenName, EntryKeyRule keys,
                       std::function<void(const std::string&)> changed) const;
    // A block of controls across the page's whole width from `row` (the results of a
    // page), as wide as the page allows up to its width at the window's first size:
    // in a grown window the spare room goes to the right of it, as at the first size,
    // instead of spreading the block's columns apart.
    QGridLayout* addWidthBlock(int row, int rowSpan = 1);
    // Ties a caption to the label that shows its value: assistive technology reads
    // the value as the label's own text, labelled by the caption. The value label
    // keeps no name of its own, which a screen reader would read in place of the value.
    static void tieCaption(QLabel* caption, QWidget* value);

    static constexpr std::string_view kMillimetres = QT_TRANSLATE_NOOP("Kelvane", "in millimetres");
    // Lets the last row and column take the spare room, so the page keeps to the top left.
    void finish();

    // Empties the boxes without running their change handlers, as a page's first state has them.
    static void emptyQuietly(std::span<QLineEdit* const> boxes);

private:
    QWidget& page_;
    Separators separators_;
    PageSpacing spacing_;
    int firstPageWidth_; // 0: not known, the blocks have no limit
    QGridLayout* grid_;
    EntryKeyRule numberKeys_;
};

} // namespace kelvane
