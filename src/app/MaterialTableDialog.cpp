#include "app/MaterialTableDialog.h"

#include "app/MaterialTableModel.h"
#include "common/KelvaneError.h"
#include "common/TextFile.h"
#include "materials/MaterialState.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "widgets/PlainLabel.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace kelvane {

namespace {

// The table as the file holds it now, every line of it, so that a table that failed
// to load can be repaired; the table in use when the file cannot be read at all.
MaterialTableEdit loadTable(const Platform& platform, const Separators& separators,
                            const MaterialState& materials) {
    try {
        return MaterialTableEdit::fromFileContent(
            readFileBytes(densityTablePath(platform.programDir(), platform.userDataDir())),
            separators);
    } catch (const Error&) {
        return MaterialTableEdit::fromTable(materials.table(), separators);
    }
}

// Cells are checked as they are typed: each key hands the text to the table, and
// Escape puts back what the cell held before its editing began.
class LiveCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setProperty("before", index.data(Qt::EditRole));
            connect(line, &QLineEdit::textEdited, this,
                    [this, line] { emit const_cast<LiveCellDelegate*>(this)->commitData(line); });
        }
        return editor;
    }

    // The table hands each key's text back to the open cell: left alone, so that the
    // cursor stays where the user types; a text given otherwise (by a script) is shown.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (line && line->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* line = qobject_cast<QLineEdit*>(object);
        if (line && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            line->setText(line->property("before").toString());
            emit commitData(line);
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

MaterialTableDialog::MaterialTableDialog(Platform& platform, const Separators& separators,
                                         const MaterialState& materials, Apply apply,
                                         QWidget* parent)
    : QDialog(parent)
    , platform_(platform)
    , apply_(std::move(apply))
    , indexInUse_(materials.currentPosition())
    , nameInUse_(materials.hasMaterial() ? materials.currentMaterial() : std::string())
    , model_(new MaterialTableModel(loadTable(platform, separators, materials),
                                    style()->standardIcon(QStyle::SP_MessageBoxCritical),
                                    style()->standardIcon(QStyle::SP_MessageBoxWarning), this))
    , view_(new QTableView(this))
    , problem_(makePlainLabel({}, this))
    , add_(makeButton(shownText(QT_TRANSLATE_NOOP("Kelvane", "&Add")),
                      QStringLiteral("MaterialTableAdd"), this))
    , remove_(makeButton(shownText(QT_TRANSLATE_NOOP("Kelvane", "&Remove")),
                         QStringLiteral("MaterialTableRemove"), this))
    , up_(makeButton(shownText(QT_TRANSLATE_NOOP("Kelvane", "Move &Up")),
                     QStringLiteral("MaterialTableUp"), this))
    , down_(makeButton(shownText(QT_TRANSLATE_NOOP("Kelvane", "Move &Down")),
                       QStringLiteral("MaterialTableDown"), this)) {
    setObjectName(QStringLiteral("MaterialTableDialog"));
    setWindowTitle(shownText(QT_TRANSLATE_NOOP("Kelvane", "Edit Materials")));
    setModal(true);

    view_->setObjectName(QStringLiteral("MaterialTableView"));
    view_->setAccessibleName(shownText(QT_TRANSLATE_NOOP("Kelvane", "Materials")));
    view_->setModel(model_);
    view_->setItemDelegate(new LiveCellDelegate(view_));
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    view_->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    view_->setWordWrap(false);
    // Rows of one height and columns sized from their captions: no row is measured,
    // so a table of any length opens at once.
    QHeaderView* rows = view_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* columns = view_->horizontalHeader();
    columns->setSectionResizeMode(0, QHeaderView::Stretch);
    columns->setSectionResizeMode(1, QHeaderView::Fixed);
    columns->resizeSection(1, columns->sectionSizeHint(1) + fontMetrics().height() + 8);
    view_->setMinimumWidth(columns->sectionSizeHint(1) * 3);

    problem_->setObjectName(QStringLiteral("MaterialTableProblem"));
    problem_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(shownText(QT_TRANSLATE_NOOP("Kelvane", "&OK")));
    ok_->setObjectName(QStringLiteral("MaterialTableOk"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setText(shownText(QT_TRANSLATE_NOOP("Kelvane", "&Cancel")));
    cancel->setObjectName(QStringLiteral("MaterialTableCancel"));
    ok_->setDefault(true);

    auto* side = new QVBoxLayout;
    for (QPushButton* button : {add_, remove_, up_, down_})
        side->addWidget(button);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(view_, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    setTabOrder(view_, add_);
    setTabOrder(add_, remove_);
    setTabOrder(remove_, up_);
    setTabOrder(up_, down_);
    setTabOrder(down_, ok_);
    setTabOrder(ok_, cancel);
    resize(520, 480);

    connect(add_, &QPushButton::clicked, this, &MaterialTableDialog::addRow);
    connect(remove_, &QPushButton::clicked, this, &MaterialTableDialog::removeRow);
    connect(up_, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveRow(+1); });
    connect(buttons, &QDialogButtonBox::accepted, this, &MaterialTableDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(model_, &MaterialTableModel::checked, this, &MaterialTableDialog::showChecks);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MaterialTableDialog::showChecks);

    // The box opens on the material in use.
    if (model_->rowCount() > 0) {
        const auto inUse = model_->edit().rowInUse(indexInUse_, nameInUse_);
        const QModelIndex start = model_->index(static_cast<int>(inUse), 0);
        view_->setCurrentIndex(start);
        view_->scrollTo(start, QAbstractItemView::PositionAtCenter);
    }
    view_->setFocus();
    showChecks();
}

int MaterialTableDialog::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void MaterialTableDialog::showChecks() {
    const MaterialTableEdit& edit = model_->edit();
    const int row = currentRow();
    const int rows = model_->rowCount();
    remove_->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < rows);
    ok_->setEnabled(edit.canSave());

    QString problem;
    if (rows == 0) {
        problem = shownText(MaterialTableEdit::kEmptyTableProblem);
    } else if (const auto first = edit.firstProblemRow()) {
        const std::string name = edit.nameProblem(*first);
        problem = shownText(QT_TRANSLATE_NOOP("Kelvane", "Row %1: %2"))
                      .arg(*first + 1)
                      .arg(shownText(name.empty() ? edit.densityProblem(*first) : name));
    }
    problem_->setText(problem);
}

void MaterialTableDialog::addRow() {
    // Below the current row, or at the end when there is none.
    const int row = currentRow() >= 0 ? currentRow() + 1 : model_->rowCount();
    model_->insertMaterial(row);
    const QModelIndex name = model_->index(row, 0);
    view_->setCurrentIndex(name);
    view_->scrollTo(name);
    view_->setFocus();
    view_->edit(name);
}

void MaterialTableDialog::removeRow() {
    const int row = currentRow();
    if (row < 0)
        return;
    const int column = view_->currentIndex().column();
    model_->removeMaterial(row);
    if (model_->rowCount() > 0)
        view_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), column));
    showChecks();
}

void MaterialTableDialog::moveRow(int step) {
    const int row = currentRow();
    const int column = view_->currentIndex().column();
    if (!model_->moveMaterial(row, step))
        return;
    view_->setCurrentIndex(model_->index(row + step, column));
    view_->scrollTo(view_->currentIndex());
}

void MaterialTableDialog::save() {
    const MaterialTableEdit& edit = model_->edit();
    if (!edit.canSave())
        return;
    std::vector<MaterialEntry> table = edit.table();
    const bool saved = runReportingErrors(platform_, [&] {
        saveDensityTable(platform_.programDir(), platform_.userDataDir(), table);
    });
    if (!saved)
        return; // the box stays open: the user may try again or cancel
    const std::size_t inUse = edit.rowInUse(indexInUse_, nameInUse_);
    accept();
    apply_(std::move(table), inUse);
}

} // namespace kelvane
