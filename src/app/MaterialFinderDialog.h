#pragma once

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
// The list narrows as the user types any part of a name; Enter or a click on an
// entry chooses that material, Escape closes the box without a choice. The keys
// stay in the entry line: the arrows move the list's highlight, which is its
// selection, so assistive technology finds one focus only, the entry line's. When
// nothing matches, "No material found" stands in the list's place.
class MaterialFinderDialog final : public QDialog {
public:
    using Choose = std::function<void(std::size_t position)>;

    MaterialFinderDialog(const MaterialFinder& finder, Choose choose, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void narrow();
    void chooseRow(int row);
    int highlightedRow() const;
    void highlightRow(int row);
    // Moves the highlight for an arrow or page key; false for other keys.
    bool moveHighlight(int key);

    const MaterialFinder& finder_;
    Choose choose_;
    QLineEdit* edit_;
    QListView* list_;
    QLabel* nothingFound_;
    FoundMaterials* found_;
};

} // namespace kelvane
