#include "weights/WeightPage.h"

#include "materials/MaterialState.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "weights/QuoteBook.h"
#include "widgets/BoxNote.h"
#include "widgets/ButtonFeedback.h"
#include "widgets/CopyButton.h"
#include "widgets/PageContext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvane {

WeightPage::WeightPage(const WeightPageDefinition& definition, const PageContext& context,
                       QWidget* parent)
    : QWidget(parent)
    , model_(definition)
    , platform_(context.platform)
    , quote_(context.quote)
    , separators_(context.separators)
    , materials_(context.materials)
    , scaffold_(*this, context) {
    model_.setUnits(context.units);
    heading_ = scaffold_.addHeading(dimensionsHeading(context.units));
    buildEntryRow();
    buildResultRow();
    buildMachiningRow();
    scaffold_.finish();
    showUnits();
    showTexts();
}

void WeightPage::buildEntryRow() {
    const auto& definition = model_.definition();
    QGridLayout& grid = scaffold_.grid();
    int column = 0;
    for (std::size_t i = 0; i < definition.boxes.size(); ++i) {
        if (i > 0)
            grid.addWidget(scaffold_.label("X"), 2, column++, Qt::AlignCenter);
        const auto& box = definition.boxes[i];
        // The model reads a box's text in the units in use, and judges its keys.
        QLineEdit* edit = scaffold_.textBox(
            box.objectName, toQString(box.caption),
            [this, i](char32_t key, const QString& remaining) {
                return model_.typedKey(i, key, remaining.toStdString(), separators_);
            },
            [this, i](const std::string& text) { boxChanged(i, text); });
        // Every box is as wide as about a dozen digits, whatever the font's size; ten
        // where a page has five boxes, so that its row fits the window's first width.
        const int digits = definition.boxes.size() > 4 ? 10 : 12;
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * digits);
        grid.addWidget(scaffold_.label(box.caption), 1, column);
        grid.addWidget(edit, 2, column++);
        boxes_.push_back(edit);
    }
    for (std::size_t i = 1; i < boxes_.size(); ++i)
        setTabOrder(boxes_[i - 1], boxes_[i]);

    if (!definition.shapeBoxName.empty()) {
        shapeBox_ = new QComboBox(this);
        shapeBox_->setObjectName(toQString(definition.shapeBoxName));
        // Named for what it chooses; its caption carries its access key and, where
        // assistive technology names a drop-down by its current item, labels it.
        shapeBox_->setAccessibleName(toQString(definition.shapeBoxCaption) +
                                     QStringLiteral(" shape"));
        QStringList shapes;
        for (const PolygonShapeDefinition& shape : definition.shapes)
            shapes << toQString(shape.name);
        showItems(shapeBox_, shapes);
        // The caption's access key is the first letter of the caption as shown.
        QLabel* caption = scaffold_.label({});
        showText(caption, "text", QLatin1Char('&') + toQString(definition.shapeBoxCaption));
        PageScaffold::tieCaption(caption, shapeBox_);
        grid.addWidget(caption, 1, column);
        grid.addWidget(shapeBox_, 2, column++);
        connect(shapeBox_, &QComboBox::currentIndexChanged, this, [this] { recalculate(); });
    }

    QPushButton* clearButton =
        makeFlatButton(toQString(definition.clearButtonName), QString(), this);
    showText(clearButton, "text", QT_TRANSLATE_NOOP("Kelvane", "&Clear"));
    grid.addWidget(clearButton, 2, column);
    connect(clearButton, &QPushButton::clicked, this, [this] { clear(); });

    if (quote_) {
        addButton_ = new QPushButton(this);
        showText(addButton_, "text", QT_TRANSLATE_NOOP("Kelvane", "Add to &Quote"));
        addButton_->setObjectName(toQString(definition.addButtonName));
        // Under Clear, so that the row of boxes is no wider than before.
        grid.addWidget(addButton_, 3, column);
        connect(addButton_, &QPushButton::clicked, this, [this] { addToQuote(); });
    }
}

void WeightPage::buildResultRow() {
    const auto& definition = model_.definition();
    QGridLayout& grid = scaffold_.grid();
    grid.setRowMinimumHeight(3, 18);
    // The results have columns of their own, a third of the page each, so a result
    // growing wide never moves the entry boxes above it.
    QGridLayout* results = scaffold_.addWidthBlock(4, 2);
    results->setHorizontalSpacing(12);
    for (std::size_t i = 0; i < definition.results.size(); ++i) {
        const auto& result = definition.results[i];
        const int column = static_cast<int>(i);
        results->setColumnStretch(column, 1);
        QLabel* caption = scaffold_.label(result.caption);
        results->addWidget(caption, 0, column);
        QPushButton* copy =
            makeCopyButton(toQString(result.copyButtonName), toQString(result.caption),
                           toQString(result.copyDescription), this);
        resultCaptions_[i] = caption;
        copyButtons_[i] = copy;
        connect(copy, &QPushButton::clicked, this,
                [this, i, copy] { confirmCopy(copy, copyResult(i)); });
        QLabel* label = scaffold_.boldLabel();
        label->setObjectName(toQString(result.labelName));
        // The copy button stands just left of its result.
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(copy);
        row->addWidget(label);
        row->addStretch(1);
        results->addLayout(row, 1, column);
        PageScaffold::tieCaption(caption, label);
        resultLabels_[i] = label;
    }
}

void WeightPage::buildMachiningRow() {
    const auto& definition = model_.definition();
    if (definition.machiningLabelName.empty())
        return;
    QGridLayout& grid = scaffold_.grid();
    grid.setRowMinimumHeight(6, 18);
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    QLabel* caption = scaffold_.label(kMachiningText);
    row->addWidget(caption);
    machiningLabel_ = scaffold_.label({});
    machiningLabel_->setObjectName(toQString(definition.machiningLabelName));
    PageScaffold::tieCaption(caption, machiningLabel_);
    row->addWidget(machiningLabel_, 0, Qt::AlignBottom);
    row->addStretch(1);
    grid.addLayout(row, 7, 0, 1, -1);
}

void WeightPage::boxChanged(std::size_t box, const std::string& text) {
    model_.storeText(box, text, separators_);
    recalculate();
}

void WeightPage::unitsChanged(Units units) {
    if (units == model_.units())
        return;
    model_.setUnits(units);
    showUnits();
    // Each emptied box stores 0 and works the page out afresh, in the new units.
    clear();
    recalculate();
}

void WeightPage::showUnits() {
    showText(heading_, "text", dimensionsHeading(model_.units()));
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        showText(boxes_[i], "accessibleDescription", model_.boxUnit(i));
    for (std::size_t i = 0; i < resultCaptions_.size(); ++i) {
        const QString caption = toQString(model_.resultCaption(i));
        showText(resultCaptions_[i], "text", caption);
        describeCopyButton(*copyButtons_[i], caption, toQString(model_.copyDescription(i)));
    }
}

void WeightPage::recalculate() {
    // The shape box lists the definition's shapes in order.
    if (shapeBox_)
        model_.storeShape(model_.definition()
                              .shapes.at(static_cast<std::size_t>(shapeBox_->currentIndex()))
                              .shape);
    model_.recalculate(materials_.currentDensity());
    showTexts();
}

void WeightPage::showTexts() {
    for (std::size_t i = 0; i < resultLabels_.size(); ++i)
        showText(resultLabels_[i], "text", model_.resultText(i, separators_));
    if (machiningLabel_)
        showText(machiningLabel_, "text", model_.machiningText(separators_));
    const auto& note = model_.note();
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        showBoxNote(*boxes_[i], note && note->box == i ? shownText(note->text) : QString());
}

void WeightPage::clear() {
    // Each emptied box runs its own change handler, which recalculates the page,
    // before the next one is emptied.
    for (QLineEdit* box : boxes_)
        box->setText(QString());
}

void WeightPage::addToQuote() {
    // A piece that weighs nothing would only add an empty line to the quote.
    if (model_.result(2) == 0) {
        showButtonCue(addButton_, shownText(QT_TRANSLATE_NOOP(
                                      "Kelvane", "Nothing to add: the total weight is 0")));
        return;
    }
    QuoteItem item;
    item.shape = weightShapeOf(model_.definition());
    // The shape's English name, whatever language the box shows it in: the quote's
    // files and its own translation work from it.
    if (shapeBox_)
        item.polygonShape =
            std::string(model_.definition()
                            .shapes.at(static_cast<std::size_t>(shapeBox_->currentIndex()))
                            .name);
    const std::size_t boxes = model_.definition().boxes.size();
    for (std::size_t i = 0; i + 1 < boxes; ++i) // the last box is the quantity
        item.dimensions.push_back(model_.value(i));
    item.quantity = model_.value(boxes - 1);
    item.material = materials_.currentMaterial();
    item.density = materials_.currentDensity();
    item.rounded = materials_.roundingOn();
    item.results = model_.results();
    quote_->add(std::move(item));
    showButtonCue(addButton_, shownText(QT_TRANSLATE_NOOP("Kelvane", "Added to the quote")));
}

QString WeightPage::copyResult(std::size_t index) {
    const std::string text = model_.copyText(index, separators_);
    platform_.setClipboardText(text);
    return QString::fromStdString(text);
}

} // namespace kelvane
