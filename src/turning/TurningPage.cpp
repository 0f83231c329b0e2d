#include "turning/TurningPage.h"

#include "materials/MaterialState.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "weights/CopyButton.h"
#include "weights/NumberEntry.h"
#include "weights/NumberKeyFilter.h"
#include "weights/WeightPages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvane {

namespace {

// The page value each box stores, in the order of kTurningBoxes.
constexpr std::array<double TurningInputs::*, kTurningBoxes.size()> kBoxValues = {
    &TurningInputs::feedDiameter, &TurningInputs::feedLength,  &TurningInputs::feedQuantity,
    &TurningInputs::stockCost,    &TurningInputs::turningCost, &TurningInputs::producedDiameter,
};

enum Box : std::size_t { FeedDia, FeedLength, FeedQty, Cost1, Cost2, ProdDia };

// Grid columns: three boxes with an "X" between each, then the Clear button.
enum Column : int { First = 0, FirstX, Second, SecondX, Third, ClearColumn };

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    return makePlainLabel(text, parent);
}

QLabel* MakeBoldLabel(std::string_view text, QWidget* parent) {
    QLabel* heading = MakeLabel(toQString(text), parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

} // namespace

TurningPage::TurningPage(Platform& platform, const MaterialState& materials, QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , materials_(materials)
    , keyFilter_(new NumberKeyFilter(platform_, this)) {
    setObjectName(toQString(kTurningPageName));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(6);

    QLabel* heading = MakeLabel(toQString(kDimensionsHeading), this);
    QFont underlined = heading->font();
    underlined.setUnderline(true);
    heading->setFont(underlined);
    grid->addWidget(heading, 0, First, 1, -1);

    // Created in tab order: the feedstock boxes, each cost box with its basis pair,
    // then the produced diameter.
    buildFeedstock(grid);
    buildCosts(grid);
    buildProduced(grid);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
    resetToFirstState();
}

void TurningPage::addBox(std::size_t box, QGridLayout* grid, int row, int column) {
    const TurningBoxDefinition& definition = kTurningBoxes[box];
    auto* edit = new QLineEdit(this);
    edit->setObjectName(toQString(definition.objectName));
    edit->setAccessibleName(toQString(definition.caption));
    edit->installEventFilter(keyFilter_);
    grid->addWidget(MakeLabel(toQString(definition.caption), this), row - 1, column);
    grid->addWidget(edit, row, column);
    connect(edit, &QLineEdit::textChanged, this, [this, box] { boxChanged(box); });
    boxes_[box] = edit;
}

QLabel* TurningPage::addResultLabel(const char* name, QGridLayout* grid, int row, int column,
                                    int columnSpan) {
    QLabel* label = MakeBoldLabel({}, this);
    label->setObjectName(QString::fromLatin1(name));
    grid->addWidget(label, row, column, 1, columnSpan);
    return label;
}

TurningPage::BasisPair TurningPage::addBasisPair(const char* namePrefix, QGridLayout* grid, int row,
                                                 int column) {
    const QString prefix = QString::fromLatin1(namePrefix);
    BasisPair pair;
    pair.tonne = new QRadioButton(toQString(kTonneCaption), this);
    pair.tonne->setObjectName(prefix + QStringLiteral("TonneRadio"));
    pair.lumpSum = new QRadioButton(toQString(kLumpSumCaption), this);
    pair.lumpSum->setObjectName(prefix + QStringLiteral("LumpRadio"));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    auto* buttons = new QHBoxLayout;
    for (QRadioButton* radio : {pair.tonne, pair.lumpSum}) {
        group->addButton(radio);
        buttons->addWidget(radio);
        connect(radio, &QRadioButton::clicked, this, [this] { calcTurned(); });
    }
    buttons->addStretch(1);
    grid->addLayout(buttons, row, column, 1, 2);
    return pair;
}

void TurningPage::buildFeedstock(QGridLayout* grid) {
    grid->addWidget(MakeBoldLabel(kFeedstockHeading, this), 1, First, 1, -1);
    addBox(FeedDia, grid, 3, First);
    grid->addWidget(MakeLabel(QStringLiteral("X"), this), 3, FirstX, Qt::AlignCenter);
    addBox(FeedLength, grid, 3, Second);
    grid->addWidget(MakeLabel(QStringLiteral("X"), this), 3, SecondX, Qt::AlignCenter);
    addBox(FeedQty, grid, 3, Third);
    QPushButton* clear =
        makeFlatButton(QStringLiteral("FeedClearButton"), QStringLiteral("&Clear"), this);
    grid->addWidget(clear, 3, ClearColumn);
    connect(clear, &QPushButton::clicked, this, [this] { clearFeedstock(); });

    feedPerMetreLabel_ = addResultLabel("TurnFeedDiaKGMLabel", grid, 4, First);
    feedPerBarLabel_ = addResultLabel("TurnFeedLengthLabel", grid, 4, Second);
    feedTotalLabel_ = addResultLabel("TurnFeedQtyLabel", grid, 4, Third);
    grid->setRowMinimumHeight(5, 14);
}

void TurningPage::buildCosts(QGridLayout* grid) {
    addBox(Cost1, grid, 7, First);
    stockBasis_ = addBasisPair("TurnCost1", grid, 8, First);
    addBox(Cost2, grid, 7, Second);
    turningBasis_ = addBasisPair("TurnCost2", grid, 8, Second);
    totalCostLabel_ = addResultLabel("TotalCostLabel", grid, 9, First, 3);
    grid->setRowMinimumHeight(10, 14);
}

void TurningPage::buildProduced(QGridLayout* grid) {
    grid->addWidget(MakeBoldLabel(kProducedHeading, this), 11, First, 1, -1);
    addBox(ProdDia, grid, 13, First);
    productionLossLabel_ = addResultLabel("ProdLossLabel", grid, 13, Second, 3);
    producedPerMetreLabel_ = addResultLabel("TurnProdDiaKGMLabel", grid, 14, First);
    grid->setRowMinimumHeight(15, 14);

    const QString costCaption = toQString(kProducedCostCaption);
    grid->addWidget(MakeLabel(costCaption, this), 16, First, 1, 3);
    QPushButton* copy = makeCopyButton(QStringLiteral("TurnProdCostCopyBtn"), costCaption, this);
    copy->setToolTip(QStringLiteral("Copy value to clipboard"));
    connect(copy, &QPushButton::clicked, this, [this] { copyProducedCost(); });
    producedCostLabel_ = MakeBoldLabel({}, this);
    producedCostLabel_->setObjectName(QStringLiteral("TurnProdCostLabel"));
    auto* costRow = new QHBoxLayout;
    costRow->addWidget(copy);
    costRow->addWidget(producedCostLabel_);
    costRow->addStretch(1);
    grid->addLayout(costRow, 17, First, 1, 3);
}

void TurningPage::boxChanged(std::size_t box) {
    inputs_.*kBoxValues[box] =
        parseEditValue(boxes_[box]->text().toStdString(), platform_.separators());
    calcTurned();
}

CostBasis TurningPage::basis(const BasisPair& pair) const {
    return pair.tonne->isChecked() ? CostBasis::Tonne : CostBasis::LumpSum;
}

void TurningPage::calcTurned() {
    inputs_.stockBasis = basis(stockBasis_);
    inputs_.turningBasis = basis(turningBasis_);
    results_ = kelvane::calcTurned(inputs_, materials_.currentDensity(), platform_.separators());
    showTexts(results_.texts);
}

void TurningPage::showTexts(const TurningTexts& texts) {
    feedPerMetreLabel_->setText(QString::fromStdString(texts.feedPerMetre));
    feedPerBarLabel_->setText(QString::fromStdString(texts.feedPerBar));
    feedTotalLabel_->setText(QString::fromStdString(texts.feedTotal));
    producedPerMetreLabel_->setText(QString::fromStdString(texts.producedPerMetre));
    totalCostLabel_->setText(QString::fromStdString(texts.totalCost));
    productionLossLabel_->setText(QString::fromStdString(texts.productionLoss));
    producedCostLabel_->setText(QString::fromStdString(texts.producedCost));
}

void TurningPage::clearFeedstock() {
    // Each emptied box runs its own change handler before the next one is emptied.
    for (QLineEdit* box : boxes_)
        box->setText(QString());
    for (const auto value : kBoxValues)
        inputs_.*value = 0;
    results_ = TurningResults{};
    showTexts(turningStartTexts(platform_.separators()));
    calcTurned(); // the bases are left as they are; the total now reads 0.00
}

void TurningPage::resetToFirstState() {
    for (QLineEdit* box : boxes_) {
        const QSignalBlocker blocker(box);
        box->clear();
    }
    stockBasis_.tonne->setChecked(true);
    turningBasis_.tonne->setChecked(true);
    inputs_ = TurningInputs{};
    results_ = TurningResults{};
    showTexts(turningStartTexts(platform_.separators()));
}

void TurningPage::copyProducedCost() {
    platform_.setClipboardText(turningCopyText(results_, platform_.separators()));
}

} // namespace kelvane
