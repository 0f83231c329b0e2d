#pragma once

#include "common/Separators.h"
#include "materials/DensityTable.h"

#include <QDialog>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace kelvane {

class MaterialState;
class MaterialTableModel;
class Platform;

// Material > Edit Materials…: the density table in a table of two columns, with
// Add, Remove, Move Up and Move Down, checked as the user types. OK saves the table
// where the program keeps it and hands it to the window; a failed save is reported
// and the box stays open. Cancel, Escape or the close button change nothing.
class MaterialTableDialog final : public QDialog {
public:
    // The new table and the position of the material in use in it.
    using Apply = std::function<void(std::vector<MaterialEntry> table, std::size_t inUse)>;

    MaterialTableDialog(Platform& platform, const Separators& separators,
                        const MaterialState& materials, Apply apply, QWidget* parent);

private:
    void addRow();
    void removeRow();
    void moveRow(int step);
    // Enables the buttons for the current row and OK for a table that can be saved,
    // and shows the first problem under the table.
    void showChecks();
    void save();
    int currentRow() const;

    Platform& platform_;
    Apply apply_;
    std::size_t indexInUse_;
    std::string nameInUse_;
    MaterialTableModel* model_;
    QTableView* view_;
    QLabel* problem_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* ok_;
};

} // namespace kelvane
