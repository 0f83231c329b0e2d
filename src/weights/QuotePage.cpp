#include "weights/QuotePage.h"

#include "common/FilePath.h"
#include "common/KelvaneError.h"
#include "common/NumberEntry.h"
#include "materials/MaterialState.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/PrinterSetup.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "weights/QuoteBook.h"
#include "weights/QuoteCsv.h"
#include "weights/QuotePrint.h"
#include "weights/QuoteStore.h"
#include "widgets/ButtonFeedback.h"
#include "widgets/PageContext.h"

#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <fstream>

namespace kelvane {

namespace {

constexpr int kQuantityColumn = 1;
constexpr const char* kFileFilter =
    QT_TRANSLATE_NOOP("Kelvane", "CSV files (*.csv);;All files (*)");

// The quote's texts in the language the window shows.
std::string shownWord(std::string_view english) {
    return shownText(english).toStdString();
}

} // namespace

QuotePage::QuotePage(const PageContext& context, QWidget* parent)
    : QWidget(parent)
    , platform_(context.platform)
    , separators_(context.separators)
    , units_(context.units)
    , materials_(context.materials)
    , book_(*context.quote)
    , printers_(*context.printers) {
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, static_cast<int>(kQuoteColumns.size()), this);
    table_->setObjectName(QStringLiteral("QuoteTable"));
    showText(table_, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "Quote"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    layout->addWidget(table_, 1);
    connect(table_, &QTableWidget::cellChanged, this, &QuotePage::quantityEdited);
    // Delete removes the selected item, as the Remove button does; while a quantity is
    // being edited the key belongs to the edit box.
    auto* removeKey = new QShortcut(QKeySequence::Delete, table_);
    removeKey->setContext(Qt::WidgetShortcut);
    connect(removeKey, &QShortcut::activated, this, [this] { removeSelected(); });

    auto* totals = new QHBoxLayout;
    totalLabel_ = new QLabel(this);
    totalLabel_->setObjectName(QStringLiteral("QuoteTotalLabel"));
    QFont bold = totalLabel_->font();
    bold.setBold(true);
    totalLabel_->setFont(bold);
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("QuoteCountLabel"));
    totals->addWidget(totalLabel_);
    totals->addSpacing(24);
    totals->addWidget(countLabel_);
    totals->addStretch(1);
    layout->addLayout(totals);

    // Two rows of buttons, the list's edits above and what is done with the whole list
    // below, so that the page is no wider than the weight pages.
    auto* edits = new QHBoxLayout;
    auto* row = new QHBoxLayout;
    layout->addLayout(edits);
    layout->addLayout(row);
    connect(addButton(edits, "QuoteRemoveBtn", QT_TRANSLATE_NOOP("Kelvane", "&Remove")),
            &QPushButton::clicked, this, [this] { removeSelected(); });
    connect(addButton(edits, "QuoteUpBtn", QT_TRANSLATE_NOOP("Kelvane", "Move &Up")),
            &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(addButton(edits, "QuoteDownBtn", QT_TRANSLATE_NOOP("Kelvane", "Move &Down")),
            &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(addButton(edits, "QuoteClearBtn", QT_TRANSLATE_NOOP("Kelvane", "Clear &All")),
            &QPushButton::clicked, this, [this] { clearAll(); });
    edits->addStretch(1);
    connect(addButton(row, "QuoteCopyBtn", QT_TRANSLATE_NOOP("Kelvane", "&Copy")),
            &QPushButton::clicked, this, [this] { copyList(); });
    connect(addButton(row, "QuoteSaveBtn", QT_TRANSLATE_NOOP("Kelvane", "&Save…")),
            &QPushButton::clicked, this,
            [this] { runReportingErrors(platform_, [this] { saveList(); }); });
    connect(addButton(row, "QuoteOpenBtn", QT_TRANSLATE_NOOP("Kelvane", "Op&en…")),
            &QPushButton::clicked, this,
            [this] { runReportingErrors(platform_, [this] { openList(); }); });
    connect(addButton(row, "QuotePdfBtn", QT_TRANSLATE_NOOP("Kelvane", "E&xport PDF…")),
            &QPushButton::clicked, this,
            [this] { runReportingErrors(platform_, [this] { exportPdf(); }); });
    auto* printButton = addButton(row, "QuotePrintBtn", QT_TRANSLATE_NOOP("Kelvane", "&Print…"));
    showText(printButton, "toolTip", QT_TRANSLATE_NOOP("Kelvane", "Print the quote (Ctrl+P)"));
    connect(printButton, &QPushButton::clicked, this,
            [this] { runReportingErrors(platform_, [this] { printList(); }); });
    row->addStretch(1);
    // Ctrl+P prints while the Quote page is on display.
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    printKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(printKey, &QShortcut::activated, printButton, &QPushButton::click);

    connect(&book_, &QuoteBook::changed, this, &QuotePage::showList);
    connect(&book_, &QuoteBook::added, this, &QuotePage::showAdded);
    showList();
}

QPushButton* QuotePage::addButton(QHBoxLayout* row, const char* objectName, const char* caption) {
    auto* button = new QPushButton(this);
    showText(button, "text", caption);
    button->setObjectName(QString::fromLatin1(objectName));
    row->addWidget(button);
    return button;
}

int QuotePage::selectedRow() const {
    const auto rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? table_->currentRow() : rows.front().row();
}

void QuotePage::unitsChanged(Units units) {
    units_ = units;
    showList();
}

void QuotePage::changeEvent(QEvent* event) {
    // A new language shows the captions, the descriptions and the totals in it.
    if (event->type() == QEvent::LanguageChange)
        showList();
    QWidget::changeEvent(event);
}

void QuotePage::showRow(std::size_t index) {
    const auto texts = quoteRowTexts(book_.list().items()[index], separators_, units_, shownWord);
    for (int column = 0; column < static_cast<int>(texts.size()); ++column) {
        auto* cell = new QTableWidgetItem(QString::fromStdString(texts[column]));
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (column == kQuantityColumn)
            flags |= Qt::ItemIsEditable;
        if (column >= kQuantityColumn)
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        cell->setFlags(flags);
        table_->setItem(static_cast<int>(index), column, cell);
    }
}

void QuotePage::showTotals() {
    totalLabel_->setText(
        QString::fromStdString(quoteTotalText(book_.list(), separators_, units_, shownWord)));
    countLabel_->setText(QString::fromStdString(quoteCountText(book_.list().size(), shownWord)));
}

void QuotePage::showList() {
    const QSignalBlocker quiet(table_);
    QStringList headers;
    for (const std::string_view caption : kQuoteColumns)
        headers << shownText(caption);
    table_->setHorizontalHeaderLabels(headers);
    table_->setRowCount(static_cast<int>(book_.list().size()));
    for (std::size_t i = 0; i < book_.list().size(); ++i)
        showRow(i);
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    showTotals();
}

void QuotePage::showAdded(std::size_t index) {
    const QSignalBlocker quiet(table_);
    table_->insertRow(static_cast<int>(index));
    showRow(index);
    // Only the new row is measured, so that adding to a long list takes no longer than
    // adding to a short one: a figure wider than its column widens it.
    for (int column = kQuantityColumn; column < table_->columnCount(); ++column)
        table_->setColumnWidth(
            column,
            std::max(
                table_->columnWidth(column),
                table_->sizeHintForIndex(table_->model()->index(static_cast<int>(index), column))
                    .width()));
    showTotals();
}

void QuotePage::quantityEdited(int row, int column) {
    if (column != kQuantityColumn || row < 0)
        return;
    const auto value = readEntryValue(table_->item(row, column)->text().toStdString(), separators_);
    if (!value) {
        showList(); // no number: the quantity stays as it was
        return;
    }
    book_.setQuantity(static_cast<std::size_t>(row), *value);
    table_->selectRow(row);
}

void QuotePage::removeSelected() {
    const int row = selectedRow();
    if (row < 0 || row >= static_cast<int>(book_.list().size()))
        return;
    book_.remove(static_cast<std::size_t>(row));
    if (table_->rowCount() > 0)
        table_->selectRow(std::min(row, table_->rowCount() - 1));
}

void QuotePage::moveSelected(int step) {
    const int row = selectedRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= table_->rowCount())
        return;
    book_.move(static_cast<std::size_t>(row), static_cast<std::size_t>(to));
    table_->selectRow(to);
}

void QuotePage::clearAll() {
    if (book_.list().empty())
        return;
    if (!platform_.confirm(QT_TRANSLATE_NOOP("Kelvane", "Clear All"),
                           QT_TRANSLATE_NOOP("Kelvane", "Remove every item from the quote?")))
        return;
    book_.clear();
}

void QuotePage::copyList() {
    const std::string text = book_.list().clipboardText(separators_, units_);
    platform_.setClipboardText(text);
    confirmCopy(findChild<QPushButton*>(QStringLiteral("QuoteCopyBtn")),
                QString::fromStdString(book_.list().totalText(separators_, units_)));
}

void QuotePage::saveList() {
    const std::string path =
        platform_.chooseFile(true, QT_TRANSLATE_NOOP("Kelvane", "Save Quote"), kFileFilter);
    if (!path.empty())
        keepQuote(path, book_.list().items());
}

std::vector<QuotePrintPage> QuotePage::printPages() const {
    return quotePrintPages(book_.list(), separators_,
                           QDate::currentDate().toString(Qt::ISODate).toStdString(), units_,
                           shownWord);
}

void QuotePage::exportPdf() {
    const std::string path =
        platform_.chooseFile(true, QT_TRANSLATE_NOOP("Kelvane", "Export PDF"),
                             QT_TRANSLATE_NOOP("Kelvane", "PDF files (*.pdf)"));
    if (!path.empty())
        exportQuotePdf(path, printPages());
}

void QuotePage::printList() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(QStringLiteral("Quote"));
    if (printers_.choosePrinter(printer, this))
        paintQuote(printer, printPages());
}

void QuotePage::openList() {
    const std::string path =
        platform_.chooseFile(false, QT_TRANSLATE_NOOP("Kelvane", "Open Quote"), kFileFilter);
    if (path.empty())
        return;
    // A row without a density takes its material's from the table, the last of equal
    // names winning as in the Material menu; an empty name is the material in use.
    const MaterialState& materials = materials_;
    const QuoteMaterialLookup lookup = [&materials](std::string_view name,
                                                    bool rounded) -> std::optional<QuoteMaterial> {
        if (name.empty()) {
            if (!materials.hasMaterial())
                return std::nullopt;
            return QuoteMaterial{materials.currentMaterial(), materials.currentDensity()};
        }
        const auto& table = materials.table();
        for (auto entry = table.rbegin(); entry != table.rend(); ++entry)
            if (entry->name == name)
                return QuoteMaterial{entry->name,
                                     rounded ? commercialDensity(entry->density) : entry->density};
        return std::nullopt;
    };
    std::ifstream in(pathFromUtf8(path), std::ios::binary);
    if (!in)
        throw Error("Cannot open file \"" + path + "\"");
    QuoteCsvContent content = readQuoteCsv(in, lookup);
    book_.replace(std::move(content.items));
    if (!content.errors.empty()) {
        // The notice's sentence in the language shown; the rows' places and problems
        // stay as the batch reports them.
        std::string report =
            shownText(QT_TRANSLATE_NOOP("Kelvane", "Some rows of \"%1\" could not be read:"))
                .arg(toQString(path))
                .toStdString();
        for (const QuoteCsvError& error : content.errors)
            report += "\n" + error.text();
        platform_.showError(report);
    }
}

} // namespace kelvane
