#include "weights/WeightPage.h"

#include "materials/MaterialState.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "weights/CopyButton.h"
#include "weights/NumberEntry.h"
#include "weights/NumberKeyFilter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvane {

namespace {

QLabel* MakeLabel(const QString& text, QWidget* parent) {
    return makePlainLabel(text, parent);
}

} // namespace

WeightPage::WeightPage(const WeightPageDefinition& definition, Platform& platform,
                       const MaterialState& materials, QWidget* parent)
    : QWidget(parent)
    , model_(definition)
    , platform_(platform)
    , materials_(materials) {
    setObjectName(toQString(definition.pageName));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(6);

    QLabel* heading = MakeLabel(toQString(kDimensionsHeading), this);
    QFont headingFont = heading->font();
    headingFont.setUnderline(true);
    heading->setFont(headingFont);
    grid->addWidget(heading, 0, 0, 1, -1);

    buildEntryRow(grid);
    buildResultRow(grid);
    buildMachiningRow(grid);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
    resetToFirstState();
}

void WeightPage::buildEntryRow(QGridLayout* grid) {
    const auto& definition = model_.definition();
    auto* filter = new NumberKeyFilter(platform_, this);
    int column = 0;
    for (std::size_t i = 0; i < definition.boxes.size(); ++i) {
        if (i > 0)
            grid->addWidget(MakeLabel(QStringLiteral("X"), this), 2, column++, Qt::AlignCenter);
        const auto& box = definition.boxes[i];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(toQString(box.objectName));
        edit->setAccessibleName(toQString(box.caption));
        // Every box is as wide as about a dozen digits, whatever the font's size.
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 13);
        edit->installEventFilter(filter);
        grid->addWidget(MakeLabel(toQString(box.caption), this), 1, column);
        grid->addWidget(edit, 2, column++);
        connect(edit, &QLineEdit::textChanged, this, [this, i] { boxChanged(i); });
        boxes_.push_back(edit);
    }
    for (std::size_t i = 1; i < boxes_.size(); ++i)
        setTabOrder(boxes_[i - 1], boxes_[i]);

    if (!definition.shapeBoxName.empty()) {
        shapeBox_ = new QComboBox(this);
        shapeBox_->setObjectName(toQString(definition.shapeBoxName));
        shapeBox_->setAccessibleName(toQString(definition.shapeBoxCaption));
        for (const auto shape : definition.shapes)
            shapeBox_->addItem(toQString(shape));
        shapeBox_->setFocusPolicy(Qt::ClickFocus); // no tab stop
        grid->addWidget(MakeLabel(toQString(definition.shapeBoxCaption), this), 1, column);
        grid->addWidget(shapeBox_, 2, column++);
        connect(shapeBox_, &QComboBox::currentIndexChanged, this, [this] { recalculate(); });
    }

    QPushButton* clearButton =
        makeFlatButton(toQString(definition.clearButtonName), QStringLiteral("&Clear"), this);
    grid->addWidget(clearButton, 2, column);
    connect(clearButton, &QPushButton::clicked, this, [this] { clear(); });
}

void WeightPage::buildResultRow(QGridLayout* grid) {
    const auto& definition = model_.definition();
    grid->setRowMinimumHeight(3, 18);
    for (std::size_t i = 0; i < definition.results.size(); ++i) {
        const auto& result = definition.results[i];
        const int column = static_cast<int>(i) * 2;
        grid->addWidget(MakeLabel(toQString(result.caption), this), 4, column, 1, 2);
        QPushButton* copy =
            makeCopyButton(toQString(result.copyButtonName), toQString(result.caption), this);
        connect(copy, &QPushButton::clicked, this, [this, i] { copyResult(i); });
        QLabel* label = MakeLabel(QString(), this);
        label->setObjectName(toQString(result.labelName));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        // The copy button stands just left of its result.
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(copy);
        row->addWidget(label);
        row->addStretch(1);
        grid->addLayout(row, 5, column, 1, 2);
        resultLabels_[i] = label;
    }
}

void WeightPage::buildMachiningRow(QGridLayout* grid) {
    const auto& definition = model_.definition();
    if (definition.machiningLabelName.empty())
        return;
    grid->setRowMinimumHeight(6, 18);
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    row->addWidget(MakeLabel(toQString(kMachiningText), this));
    machiningLabel_ = MakeLabel(QString(), this);
    machiningLabel_->setObjectName(toQString(definition.machiningLabelName));
    row->addWidget(machiningLabel_, 0, Qt::AlignBottom);
    row->addStretch(1);
    grid->addLayout(row, 7, 0, 1, -1);
}

QString WeightPage::caption() const {
    return toQString(model_.definition().caption);
}

void WeightPage::boxChanged(std::size_t box) {
    model_.storeValue(box,
                      parseEditValue(boxes_[box]->text().toStdString(), platform_.separators()));
    recalculate();
}

void WeightPage::recalculate() {
    const std::string shape = shapeBox_ ? shapeBox_->currentText().toStdString() : std::string();
    model_.recalculate(materials_.currentDensity(), shape);
    showTexts();
}

void WeightPage::showTexts() {
    const Separators separators = platform_.separators();
    for (std::size_t i = 0; i < resultLabels_.size(); ++i)
        resultLabels_[i]->setText(QString::fromStdString(model_.resultText(i, separators)));
    if (machiningLabel_)
        machiningLabel_->setText(QString::fromStdString(model_.machiningText(separators)));
}

void WeightPage::clear() {
    // Each emptied box runs its own change handler before the next one is emptied.
    for (QLineEdit* box : boxes_)
        box->setText(QString());
    if (model_.definition().recalculateAfterClear)
        recalculate();
}

void WeightPage::resetToFirstState() {
    for (QLineEdit* box : boxes_) {
        const QSignalBlocker blocker(box);
        box->clear();
    }
    model_ = WeightPageModel(model_.definition());
    showTexts();
}

void WeightPage::copyResult(std::size_t index) {
    platform_.setClipboardText(model_.copyText(index, platform_.separators()));
}

} // namespace kelvane
