#pragma once

#include "common/Separators.h"
#include "weights/QuotePrintout.h"
#include "widgets/SettingsListener.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kelvane {

class MaterialState;
class Platform;
class PrinterSetup;
class QuoteBook;
struct PageContext;

// The Quote page: the list's items in a table whose quantities can be edited, the
// total weight and the item count, and the buttons that remove, reorder, clear, copy,
// save, open, export as PDF and print the list.
class QuotePage final : public QWidget, public SettingsListener {
    Q_OBJECT
public:
    explicit QuotePage(const PageContext& context, QWidget* parent = nullptr);

    // The items, their weights and the total follow the units in use; the files stay in
    // millimetres and kilograms.
    void unitsChanged(Units units) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    QPushButton* addButton(QHBoxLayout* row, const char* objectName, const char* caption);
    void showList();
    void showRow(std::size_t index);
    void showTotals();
    void showAdded(std::size_t index);
    void quantityEdited(int row, int column);
    void removeSelected();
    void moveSelected(int step);
    void clearAll();
    void copyList();
    void saveList();
    void openList();
    void exportPdf();
    void printList();
    std::vector<QuotePrintPage> printPages() const;
    int selectedRow() const;

    Platform& platform_;
    Separators separators_;
    Units units_;
    const MaterialState& materials_;
    QuoteBook& book_;
    PrinterSetup& printers_;
    QTableWidget* table_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QLabel* countLabel_ = nullptr;
};

} // namespace kelvane
