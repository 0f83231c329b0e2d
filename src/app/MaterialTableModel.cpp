#include "app/MaterialTableModel.h"

#include "platform/QtText.h"
#include "platform/ShownText.h"

#include <QColor>

namespace kelvane {

namespace {

enum Column { kName, kDensity, kColumns };

const QColor kProblemTint(255, 221, 221);
const QColor kWarningTint(255, 243, 199);

} // namespace

MaterialTableModel::MaterialTableModel(MaterialTableEdit edit, QIcon problemIcon, QIcon warningIcon,
                                       QObject* parent)
    : QAbstractTableModel(parent)
    , edit_(std::move(edit))
    , problemIcon_(std::move(problemIcon))
    , warningIcon_(std::move(warningIcon)) {}

int MaterialTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(edit_.size());
}

int MaterialTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QString MaterialTableModel::cellNote(const QModelIndex& index) const {
    const auto row = static_cast<std::size_t>(index.row());
    const std::string problem =
        index.column() == kName ? edit_.nameProblem(row) : edit_.densityProblem(row);
    if (!problem.empty())
        return shownText(problem);
    if (index.column() == kName && edit_.sharesName(row))
        return shownText(MaterialTableEdit::kSharedNameWarning);
    return {};
}

QVariant MaterialTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return toQString(index.column() == kName ? edit_.name(row) : edit_.densityText(row));
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString note = cellNote(index);
        return note.isEmpty() ? QVariant() : QVariant(note);
    }
    case Qt::BackgroundRole:
    case Qt::DecorationRole: {
        const QString note = cellNote(index);
        if (note.isEmpty())
            return {};
        const bool problem = note != shownText(MaterialTableEdit::kSharedNameWarning);
        if (role == Qt::BackgroundRole)
            return problem ? kProblemTint : kWarningTint;
        return problem ? problemIcon_ : warningIcon_;
    }
    case Qt::ForegroundRole:
        // Dark text on the tints, whatever the colour scheme.
        return cellNote(index).isEmpty() ? QVariant() : QVariant(QColor(Qt::black));
    default:
        return {};
    }
}

bool MaterialTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    std::string text = value.toString().toStdString();
    if (index.column() == kName)
        edit_.setName(row, std::move(text));
    else
        edit_.setDensityText(row, std::move(text));
    emit dataChanged(index, index);
    if (index.column() == kName) // another row may now share the name, or no longer
        emit dataChanged(this->index(0, kName), this->index(rowCount() - 1, kName));
    emit checked();
    return true;
}

Qt::ItemFlags MaterialTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                           : Qt::NoItemFlags;
}

QVariant MaterialTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == kName ? shownText(QT_TRANSLATE_NOOP("Kelvane", "Material"))
                                : shownText(QT_TRANSLATE_NOOP("Kelvane", "Density (g/cm³)"));
    return QAbstractTableModel::headerData(section, orientation, role);
}

void MaterialTableModel::insertMaterial(int row) {
    beginInsertRows({}, row, row);
    edit_.insertRow(static_cast<std::size_t>(row));
    endInsertRows();
    emit dataChanged(index(0, kName), index(rowCount() - 1, kName));
    emit checked();
}

void MaterialTableModel::removeMaterial(int row) {
    beginRemoveRows({}, row, row);
    edit_.removeRow(static_cast<std::size_t>(row));
    endRemoveRows();
    if (rowCount() > 0)
        emit dataChanged(index(0, kName), index(rowCount() - 1, kName));
    emit checked();
}

bool MaterialTableModel::moveMaterial(int row, int step) {
    const int target = row + step;
    if (row < 0 || row >= rowCount() || target < 0 || target >= rowCount())
        return false;
    // Qt counts a move's destination before the row is taken out.
    beginMoveRows({}, row, row, {}, step > 0 ? target + 1 : target);
    edit_.moveRow(static_cast<std::size_t>(row), static_cast<std::size_t>(target));
    endMoveRows();
    emit checked();
    return true;
}

} // namespace kelvane
