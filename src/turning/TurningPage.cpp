#include "turning/TurningPage.h"

#include "materials/MaterialState.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "weights/WeightPageModel.h"
#include "widgets/ButtonFeedback.h"
#include "widgets/CopyButton.h"
#include "widgets/PageContext.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kelvane {

namespace {

enum Box : std::size_t { FeedDia, FeedLength, FeedQty, Cost1, Cost2, ProdDia };

// Grid columns: three boxes with an "X" between each, then the Clear button.
enum Column : int { First = 0, FirstX, Second, SecondX, Third, ClearColumn };

} // namespace

TurningPage::TurningPage(const PageContext& context, QWidget* parent)
    : QWidget(parent)
    , platform_(context.platform)
    , materials_(context.materials)
    , model_(context.separators)
    , scaffold_(*this, context) {
    scaffold_.addHeading(kDimensionsHeading);
    // Created in tab order: the feedstock boxes, each cost box with its basis pair,
    // then the produced diameter.
    buildFeedstock();
    buildCosts();
    buildProduced();
    scaffold_.finish();
    const std::array<QLabel*, kTurningResultCaptions.size()> results = {
        feedPerMetreLabel_, feedPerBarLabel_,     feedTotalLabel_,   producedPerMetreLabel_,
        totalCostLabel_,    productionLossLabel_, producedCostLabel_};
    // The results have no captions of their own on the page: what each is goes in
    // its description, so that a screen reader still reads the value as its name.
    for (std::size_t i = 0; i < results.size(); ++i)
        showText(results[i], "accessibleDescription", kTurningResultCaptions[i]);
    stockBasis_.tonne->setChecked(true);
    turningBasis_.tonne->setChecked(true);
    showTexts();
}

void TurningPage::addBox(std::size_t box, int row, int column) {
    const TurningBoxDefinition& definition = kTurningBoxes[box];
    // The diameters and the length are in millimetres; the quantity and the costs
    // carry no unit of length.
    const bool millimetres = box == FeedDia || box == FeedLength || box == ProdDia;
    QLineEdit* edit = scaffold_.numberBox(
        definition.objectName, definition.caption,
        [this, box](double value) { boxChanged(box, value); },
        millimetres ? PageScaffold::kMillimetres : "");
    scaffold_.grid().addWidget(scaffold_.label(definition.caption), row - 1, column);
    scaffold_.grid().addWidget(edit, row, column);
    boxes_[box] = edit;
}

QLabel* TurningPage::addResultLabel(const char* name, int row, int column, int columnSpan) {
    QLabel* label = scaffold_.boldLabel();
    label->setObjectName(QString::fromLatin1(name));
    scaffold_.grid().addWidget(label, row, column, 1, columnSpan);
    return label;
}

TurningPage::BasisPair TurningPage::addBasisPair(const char* namePrefix, int row, int column) {
    const QString prefix = QString::fromLatin1(namePrefix);
    BasisPair pair;
    pair.tonne = new QRadioButton(this);
    showText(pair.tonne, "text", kTonneCaption);
    pair.tonne->setObjectName(prefix + QStringLiteral("TonneRadio"));
    pair.lumpSum = new QRadioButton(this);
    showText(pair.lumpSum, "text", kLumpSumCaption);
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
    scaffold_.grid().addLayout(buttons, row, column, 1, 2);
    return pair;
}

void TurningPage::buildFeedstock() {
    QGridLayout& grid = scaffold_.grid();
    grid.addWidget(scaffold_.boldLabel(kFeedstockHeading), 1, First, 1, -1);
    addBox(FeedDia, 3, First);
    grid.addWidget(scaffold_.label("X"), 3, FirstX, Qt::AlignCenter);
    addBox(FeedLength, 3, Second);
    grid.addWidget(scaffold_.label("X"), 3, SecondX, Qt::AlignCenter);
    addBox(FeedQty, 3, Third);
    QPushButton* clear = makeFlatButton(QStringLiteral("FeedClearButton"), QString(), this);
    showText(clear, "text", QT_TRANSLATE_NOOP("Kelvane", "&Clear"));
    grid.addWidget(clear, 3, ClearColumn);
    connect(clear, &QPushButton::clicked, this, [this] { clearFeedstock(); });

    feedPerMetreLabel_ = addResultLabel("TurnFeedDiaKGMLabel", 4, First);
    feedPerBarLabel_ = addResultLabel("TurnFeedLengthLabel", 4, Second);
    feedTotalLabel_ = addResultLabel("TurnFeedQtyLabel", 4, Third);
    grid.setRowMinimumHeight(5, 14);
}

void TurningPage::buildCosts() {
    QGridLayout& grid = scaffold_.grid();
    addBox(Cost1, 7, First);
    stockBasis_ = addBasisPair("TurnCost1", 8, First);
    addBox(Cost2, 7, Second);
    turningBasis_ = addBasisPair("TurnCost2", 8, Second);
    totalCostLabel_ = addResultLabel("TotalCostLabel", 9, First, 3);
    grid.setRowMinimumHeight(10, 14);
}

void TurningPage::buildProduced() {
    QGridLayout& grid = scaffold_.grid();
    grid.addWidget(scaffold_.boldLabel(kProducedHeading), 11, First, 1, -1);
    addBox(ProdDia, 13, First);
    productionLossLabel_ = addResultLabel("ProdLossLabel", 13, Second, 3);
    producedPerMetreLabel_ = addResultLabel("TurnProdDiaKGMLabel", 14, First);
    grid.setRowMinimumHeight(15, 14);

    QLabel* costCaption = scaffold_.label(kProducedCostCaption);
    grid.addWidget(costCaption, 16, First, 1, 3);
    QPushButton* copy =
        makeCopyButton(QStringLiteral("TurnProdCostCopyBtn"), toQString(kProducedCostCaption),
                       toQString(kProducedCostCopyDescription), this);
    connect(copy, &QPushButton::clicked, this, [this, copy] {
        copyProducedCost();
        confirmCopy(copy, QString::fromStdString(model_.copyText()));
    });
    producedCostLabel_ = scaffold_.boldLabel();
    producedCostLabel_->setObjectName(QStringLiteral("TurnProdCostLabel"));
    PageScaffold::tieCaption(costCaption, producedCostLabel_);
    auto* costRow = new QHBoxLayout;
    costRow->addWidget(copy);
    costRow->addWidget(producedCostLabel_);
    costRow->addStretch(1);
    grid.addLayout(costRow, 17, First, 1, 3);
}

void TurningPage::boxChanged(std::size_t box, double value) {
    model_.storeValue(box, value);
    calcTurned();
}

CostBasis TurningPage::basis(const BasisPair& pair) const {
    return pair.tonne->isChecked() ? CostBasis::Tonne : CostBasis::LumpSum;
}

void TurningPage::calcTurned() {
    model_.storeBases(basis(stockBasis_), basis(turningBasis_));
    model_.recalculate(materials_.currentDensity());
    calculated_ = true;
    showTexts();
}

void TurningPage::followDensity() {
    if (calculated_)
        calcTurned();
}

void TurningPage::showTexts() {
    const TurningTexts& texts = model_.texts();
    showText(feedPerMetreLabel_, "text", texts.feedPerMetre);
    showText(feedPerBarLabel_, "text", texts.feedPerBar);
    showText(feedTotalLabel_, "text", texts.feedTotal);
    showText(producedPerMetreLabel_, "text", texts.producedPerMetre);
    showText(totalCostLabel_, "text", texts.totalCost);
    showText(productionLossLabel_, "text", texts.productionLoss);
    showText(producedCostLabel_, "text", texts.producedCost);
}

void TurningPage::clearFeedstock() {
    // Each emptied box runs its own change handler before the next one is emptied;
    // the bases are left as they are, and the total then reads 0.00.
    for (QLineEdit* box : boxes_)
        box->setText(QString());
    calcTurned();
}

void TurningPage::copyProducedCost() {
    platform_.setClipboardText(model_.copyText());
}

} // namespace kelvane
