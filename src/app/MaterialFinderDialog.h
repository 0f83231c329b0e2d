#pragma once

#include <QAbstractItemView>
#include <QDialog>

#include <cstddef>
#include <functional>

class QLabel;
class QLineEdit;
class QListView;

namespace kelvane {

class MaterialFinder;
class FoundMaterials;

// The material finder: a small box with an entry line over a list of materials.
// It opens on the material in use, highlighted and in view, so Enter at once
// changes nothing. The list narrows as the user types any part of a name, with the
// first name found highlighted; Enter or a click on an entry chooses that material,
// Escape closes the box without a choice. The keys stay in the entry line: the
// arrows move the list's highlight, which is its selection, so assistive technology
// finds one focus only, the entry line's. When nothing matches, "No material found"
// stands in the list's place.
class MaterialFinderDialog final : public QDialog {
public:
    using Choose = std::function<void(std::size_t position)>;

    // `current` is the table position of the material in use.
    MaterialFinderDialog(const MaterialFinder& finder, std::size_t current, Choose choose,
                         QWidget* parent);

protected:
    // The entry line's filter: Enter chooses, and the arrow and page keys go to the
    // list, which never takes the focus, so the typing goes on in the line. It stays a
    // filter: the list's own navigation (a row, or a page of the rows in view) is
    // reached only by handing it the key, which the focused line receives.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void narrow();
    void chooseRow(int row);
    int highlightedRow() const;
    void highlightRow(int row,
                      QAbstractItemView::ScrollHint hint = QAbstractItemView::EnsureVisible);
    // Moves the highlight for an arrow or page key; false for other keys.
    bool moveHighlight(int key);

    const MaterialFinder& finder_;
    std::size_t current_;
    Choose choose_;
    QLineEdit* edit_;
    QListView* list_;
    QLabel* nothingFound_;
    FoundMaterials* found_;
};

} // namespace kelvane
