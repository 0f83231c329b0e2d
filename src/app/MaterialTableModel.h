#pragma once

#include "materials/MaterialTableEdit.h"

#include <QAbstractTableModel>
#include <QIcon>

namespace kelvane {

// The density table being edited, as the rows of a two-column table: "Material" and
// "Density (g/cm³)". A cell that breaks a rule is tinted, carries a stop icon and
// says why in its tooltip; a name that another row shares carries a warning. Every
// change is checked at once, and `checked` tells the dialog to show the outcome.
class MaterialTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    MaterialTableModel(MaterialTableEdit edit, QIcon problemIcon, QIcon warningIcon,
                       QObject* parent);

    const MaterialTableEdit& edit() const { return edit_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A new empty row at `row`.
    void insertMaterial(int row);
    void removeMaterial(int row);
    // Moves a row one place up (step -1) or down (+1); false at either end.
    bool moveMaterial(int row, int step);

signals:
    void checked();

private:
    // The text that tells what is wrong with a cell, or warns about it; empty if nothing.
    QString cellNote(const QModelIndex& index) const;

    MaterialTableEdit edit_;
    QIcon problemIcon_;
    QIcon warningIcon_;
};

} // namespace kelvane
