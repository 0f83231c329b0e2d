#include "app/MaterialFinderDialog.h"

#include "materials/MaterialFinder.h"
#include "platform/ShownText.h"
#include "widgets/EntryBox.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace kelvane {

// The names found, as rows of the list. A row's text is made only when the list
// shows it, so a table of any length opens at once.
class FoundMaterials final : public QAbstractListModel {
public:
    explicit FoundMaterials(const MaterialFinder& finder, QObject* parent)
        : QAbstractListModel(parent)
        , finder_(finder) {}

    void setFound(std::vector<std::size_t> found) {
        beginResetModel();
        found_ = std::move(found);
        endResetModel();
    }
    std::size_t position(int row) const { return found_[static_cast<std::size_t>(row)]; }
    // The row of a table position, or -1 when it was not found. The rows keep the
    // table's order, so the search halves the rows.
    int rowOf(std::size_t position) const {
        const auto at = std::lower_bound(found_.begin(), found_.end(), position);
        return at != found_.end() && *at == position ? static_cast<int>(at - found_.begin()) : -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(found_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return QString::fromStdString(finder_.name(position(index.row())));
    }

private:
    const MaterialFinder& finder_;
    std::vector<std::size_t> found_;
};

MaterialFinderDialog::MaterialFinderDialog(const MaterialFinder& finder, std::size_t current,
                                           Choose choose, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , finder_(finder)
    , current_(current)
    , choose_(std::move(choose))
    , edit_(new EntryBox(this))
    , list_(new QListView(this))
    , nothingFound_(new QLabel(shownText(QT_TRANSLATE_NOOP("Kelvane", "No material found")), this))
    , found_(new FoundMaterials(finder, this)) {
    setObjectName(QStringLiteral("MaterialFinder"));
    setWindowTitle(shownText(QT_TRANSLATE_NOOP("Kelvane", "Find Material")));
    edit_->setObjectName(QStringLiteral("MaterialFinderEdit"));
    edit_->setAccessibleName(shownText(QT_TRANSLATE_NOOP("Kelvane", "Part of a material name")));
    edit_->setClearButtonEnabled(true);
    // The line's own clear button comes unnamed.
    for (auto* button : edit_->findChildren<QToolButton*>())
        button->setAccessibleName(shownText(QT_TRANSLATE_NOOP("Kelvane", "Clear")));
    list_->setObjectName(QStringLiteral("MaterialFinderList"));
    list_->setAccessibleName(shownText(QT_TRANSLATE_NOOP("Kelvane", "Materials found")));
    list_->setUniformItemSizes(true); // rows of one height: no row is measured
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setFocusPolicy(Qt::NoFocus); // the keys stay in the entry line
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setModel(found_);
    nothingFound_->setObjectName(QStringLiteral("MaterialFinderNothing"));
    nothingFound_->setTextFormat(Qt::PlainText);
    nothingFound_->setAlignment(Qt::AlignCenter);
    nothingFound_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(edit_);
    layout->addWidget(list_, 1);
    layout->addWidget(nothingFound_, 1);
    resize(280, 320);

    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, &MaterialFinderDialog::narrow);
    connect(list_, &QListView::clicked, this,
            [this](const QModelIndex& index) { chooseRow(index.row()); });
    narrow();
}

void MaterialFinderDialog::narrow() {
    found_->setFound(finder_.find(edit_->text().toStdString()));
    const bool any = found_->rowCount() > 0;
    list_->setVisible(any);
    nothingFound_->setVisible(!any);
    edit_->setAccessibleDescription(any ? QString() : nothingFound_->text());
    if (!any)
        return;
    // The whole list highlights the material in use; a narrowed one its first name.
    int row = 0;
    if (const int currentRow = found_->rowOf(current_); edit_->text().isEmpty() && currentRow >= 0)
        row = currentRow;
    highlightRow(row, QAbstractItemView::PositionAtCenter);
}

void MaterialFinderDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only now has the list its size, so only now can it bring a row to its middle.
    list_->scrollTo(found_->index(highlightedRow()), QAbstractItemView::PositionAtCenter);
}

int MaterialFinderDialog::highlightedRow() const {
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// The highlight is the selection alone: a current row would count as focused, a
// second focus beside the entry line's.
void MaterialFinderDialog::highlightRow(int row, QAbstractItemView::ScrollHint hint) {
    const QModelIndex index = found_->index(row);
    list_->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(index, hint);
}

bool MaterialFinderDialog::moveHighlight(int key) {
    const int rows = found_->rowCount();
    if (rows == 0)
        return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
               key == Qt::Key_PageDown;
    const int rowHeight = std::max(1, list_->sizeHintForRow(0));
    const int page = std::max(1, list_->viewport()->height() / rowHeight - 1);
    const int row = highlightedRow();
    int wanted = row;
    switch (key) {
    case Qt::Key_Up:
        wanted = row - 1;
        break;
    case Qt::Key_Down:
        wanted = row + 1;
        break;
    case Qt::Key_PageUp:
        wanted = row - page;
        break;
    case Qt::Key_PageDown:
        wanted = row + page;
        break;
    default:
        return false;
    }
    highlightRow(std::clamp(wanted, 0, rows - 1));
    return true;
}

void MaterialFinderDialog::chooseRow(int row) {
    if (row < 0 || row >= found_->rowCount())
        return;
    const std::size_t position = found_->position(row);
    accept();
    choose_(position);
}

bool MaterialFinderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseRow(highlightedRow());
        return true;
    default:
        // The arrows move through the list while the typing goes on in the line.
        return moveHighlight(key->key()) || QDialog::eventFilter(watched, event);
    }
}

} // namespace kelvane
