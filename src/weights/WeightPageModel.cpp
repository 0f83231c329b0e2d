#include "weights/WeightPageModel.h"

#include "common/NumberEntry.h"
#include "common/ResultFormat.h"
#include "common/TextMark.h"
#include "convert/DimensionParser.h"
#include "convert/ImperialUnits.h"

namespace kelvane {

namespace {

// A result's label and its copy button.
struct ResultNames {
    std::string_view label;
    std::string_view copyButton;
};

// The three results of a bar-shaped page: per metre, per bar and in total.
std::array<ResultDefinition, 3> barResults(ResultNames metre, ResultNames bar, ResultNames total) {
    return {{{metre.label, KELVANE_TEXT("Kelvane", "Weight per Metre"), metre.copyButton,
              KELVANE_TEXT("Kelvane", "Copy the weight per metre")},
             {bar.label, KELVANE_TEXT("Kelvane", "Weight per Bar"), bar.copyButton,
              KELVANE_TEXT("Kelvane", "Copy the weight per bar")},
             {total.label, KELVANE_TEXT("Kelvane", "Total Weight"), total.copyButton,
              KELVANE_TEXT("Kelvane", "Copy the total weight")}}};
}

std::vector<WeightPageDefinition> makeDefinitions() {
    const std::vector<WeightPageDefinition> pages = {
        {
            .boxes = {{"RDiaEdit", KELVANE_TEXT("Kelvane", "Diameter")},
                      {"RLengthEdit", KELVANE_TEXT("Kelvane", "Bar Length")},
                      {"RQtyEdit", KELVANE_TEXT("Kelvane", "Quantity")}},
            .clearButtonName = "RClearButton",
            .results = barResults({"RKGMLabel", "RKGMCopyBtn"}, {"RKGBarLabel", "RKGBCopyBtn"},
                                  {"RKGQtyLabel", "RKGQCopyBtn"}),
            .calculate = &calcRound,
            .addButtonName = "RAddBtn",
        },
        {
            .boxes = {{"PAFEdit", KELVANE_TEXT("Kelvane", "Across Flat")},
                      {"PLengthEdit", KELVANE_TEXT("Kelvane", "Bar Length")},
                      {"PQtyEdit", KELVANE_TEXT("Kelvane", "Quantity")}},
            .clearButtonName = "PClearButton",
            .results = barResults({"PKGMLabel", "PKGMCopyBtn"}, {"PKGBarLabel", "PKGBCopyBtn"},
                                  {"PKGQtyLabel", "PKGQCopyBtn"}),
            .machiningLabelName = "PMachineDiameter",
            .shapeBoxName = "PCombo",
            .shapeBoxCaption = KELVANE_TEXT("Kelvane", "Polygon"),
            .shapes = {kPolygonShapes.begin(), kPolygonShapes.end()},
            .calculate = &calcPolygon,
            .addButtonName = "PAddBtn",
        },
        {
            .boxes = {{"BWidthEdit", KELVANE_TEXT("Kelvane", "Width")},
                      {"BThicknessEdit", KELVANE_TEXT("Kelvane", "Thickness")},
                      {"BLengthEdit", KELVANE_TEXT("Kelvane", "Bar Length")},
                      {"BQtyEdit", KELVANE_TEXT("Kelvane", "Quantity")}},
            .clearButtonName = "BClearButton",
            .results = barResults({"BKGMLabel", "BKGMCopyBtn"}, {"BKGBarLabel", "BKGBarCopyBtn"},
                                  {"BKGQtyLabel", "BKGQtyCopyBtn"}),
            .machiningLabelName = "BMachineDiameter",
            .calculate = &calcBar,
            .addButtonName = "BAddBtn",
        },
        {
            .boxes = {{"SLengthEdit", KELVANE_TEXT("Kelvane", "Length")},
                      {"SWidthEdit", KELVANE_TEXT("Kelvane", "Width")},
                      {"SThicknessEdit", KELVANE_TEXT("Kelvane", "Thickness")},
                      {"SQtyEdit", KELVANE_TEXT("Kelvane", "Quantity")}},
            .clearButtonName = "SClearButton",
            .results = {{{"SKGSQMLabel", KELVANE_TEXT("Kelvane", "Weight per Sq. Metre"),
                          "SKGSQMCopyBtn",
                          KELVANE_TEXT("Kelvane", "Copy the weight per square metre")},
                         {"SKGSheetLabel", KELVANE_TEXT("Kelvane", "Weight per Sheet/Plate"),
                          "SKGSheetCopyBtn",
                          KELVANE_TEXT("Kelvane", "Copy the weight per sheet or plate")},
                         {"SKGQtyLabel", KELVANE_TEXT("Kelvane", "Total Weight"), "SKGQtyCopyBtn",
                          KELVANE_TEXT("Kelvane", "Copy the total weight")}}},
            .calculate = &calcSheet,
            .addButtonName = "SAddBtn",
        },
        {
            .boxes = {{"TODEdit", KELVANE_TEXT("Kelvane", "Outside Diameter")},
                      {"TThicknessEdit", KELVANE_TEXT("Kelvane", "Thickness")},
                      {"TLengthEdit", KELVANE_TEXT("Kelvane", "Bar Length")},
                      {"TQtyEdit", KELVANE_TEXT("Kelvane", "Quantity")}},
            .clearButtonName = "TClearButton",
            .results = barResults({"TKGMLabel", "TKGMCopyBtn"}, {"TKGBarLabel", "TKGBarCopyBtn"},
                                  {"TKGQtyLabel", "TKGQtyCopyBtn"}),
            .calculate = &calcTube,
            .addButtonName = "TAddBtn",
        },
        {
            .boxes = {{"HHeightEdit", KELVANE_TEXT("Kelvane", "Height")},
                      {"HWidthEdit", KELVANE_TEXT("Kelvane", "Width")},
                      {"HThicknessEdit", KELVANE_TEXT("Kelvane", "Thickness")},
                      {"HLengthEdit", KELVANE_TEXT("Kelvane", "Length")},
                      {"HQtyEdit", KELVANE_TEXT("Kelvane", "Quantity")}},
            .clearButtonName = "HClearButton",
            .results = barResults({"HKGMLabel", "HKGMCopyBtn"}, {"HKGBarLabel", "HKGBarCopyBtn"},
                                  {"HKGQtyLabel", "HKGQtyCopyBtn"}),
            .calculate = &calcHollow,
            .addButtonName = "HAddBtn",
        },
    };
    return pages;
}

} // namespace

const WeightPageDefinition& weightPageDefinition(WeightShape shape) {
    static const std::vector<WeightPageDefinition> pages = makeDefinitions();
    return pages.at(static_cast<std::size_t>(shape));
}

WeightShape weightShapeOf(const WeightPageDefinition& definition) {
    for (const WeightShape shape : kWeightShapes)
        if (&weightPageDefinition(shape) == &definition)
            return shape;
    return WeightShape::Round;
}

WeightPageModel::WeightPageModel(const WeightPageDefinition& definition)
    : definition_(&definition)
    , values_(definition.boxes.size(), 0.0) {
    if (!definition.machiningLabelName.empty())
        results_.machiningDiameter = 0.0;
}

void WeightPageModel::recalculate(double density) {
    results_ = definition_->calculate(
        WeightInputs{.values = values_, .density = density, .shape = shape_});
}

bool weighedPerArea(const WeightPageDefinition& definition) {
    return definition.calculate == &calcSheet;
}

std::string_view dimensionsHeading(Units units) {
    return units == Units::Imperial ? kImperialDimensionsHeading : kDimensionsHeading;
}

void WeightPageModel::storeText(std::size_t box, std::string_view text,
                                const Separators& separators) {
    if (units_ == Units::Metric || isQuantityBox(box)) {
        storeValue(box, parseEditValue(text, separators));
        return;
    }
    const std::optional<double> inches = readInches(text);
    storeValue(box, inches ? millimetresFromInches(*inches) : 0.0);
}

std::optional<char32_t> WeightPageModel::typedKey(std::size_t box, char32_t key,
                                                  std::string_view remaining,
                                                  const Separators& separators) const {
    if (units_ == Units::Metric || isQuantityBox(box)) {
        if (numberKeyAdmitted(key, separators))
            return key;
        return std::nullopt;
    }
    // The regional decimal separator key acts as the inch notation's point, as on the
    // conversion page, so 1,5 typed in a comma locale reads as 1.5 inches.
    if (key == decimalSeparatorKey(separators))
        key = U'.';
    if (dimensionKeyAdmitted(key, remaining))
        return key;
    return std::nullopt;
}

double WeightPageModel::shownResult(std::size_t index) const {
    const double kilograms = results_.weights.at(index);
    if (units_ == Units::Metric)
        return kilograms;
    if (index > 0)
        return poundsFromKilograms(kilograms);
    return weighedPerArea(*definition_) ? poundsPerSquareFoot(kilograms) : poundsPerFoot(kilograms);
}

std::string_view WeightPageModel::resultCaption(std::size_t index) const {
    if (units_ == Units::Imperial && index == 0)
        return weighedPerArea(*definition_) ? KELVANE_TEXT("Kelvane", "Weight per Sq. Foot")
                                            : KELVANE_TEXT("Kelvane", "Weight per Foot");
    return definition_->results.at(index).caption;
}

std::string WeightPageModel::resultText(std::size_t index, const Separators& separators) const {
    if (units_ == Units::Metric)
        return formatResult(results_.weights.at(index), " kg", separators);
    // The texts are UTF-8: "\xC2\xB2" is the superscript two of "lb/ft²".
    std::string_view suffix = " lb";
    if (index == 0)
        suffix = weighedPerArea(*definition_) ? " lb/ft\xC2\xB2" : " lb/ft";
    return formatResult(shownResult(index), suffix, separators);
}

std::string_view WeightPageModel::copyDescription(std::size_t index) const {
    if (units_ == Units::Imperial && index == 0)
        return weighedPerArea(*definition_)
                   ? KELVANE_TEXT("Kelvane", "Copy the weight per square foot")
                   : KELVANE_TEXT("Kelvane", "Copy the weight per foot");
    return definition_->results.at(index).copyDescription;
}

std::string_view WeightPageModel::boxUnit(std::size_t box) const {
    if (isQuantityBox(box))
        return {};
    return units_ == Units::Imperial ? KELVANE_TEXT("Kelvane", "in inches, or feet and inches")
                                     : KELVANE_TEXT("Kelvane", "in millimetres");
}

std::string WeightPageModel::machiningText(const Separators& separators) const {
    const double millimetres = results_.machiningDiameter.value_or(0.0);
    if (units_ == Units::Metric)
        return formatResult(millimetres, " mm", separators);
    constexpr int kInchDecimals = 3;
    return formatResult(inchesFromMillimetres(millimetres), " in", separators, kInchDecimals);
}

std::vector<CaptionedText> WeightPageModel::resultTexts(const Separators& separators) const {
    std::vector<CaptionedText> texts;
    texts.reserve(definition_->results.size() + 1);
    for (std::size_t i = 0; i < definition_->results.size(); ++i)
        texts.push_back({resultCaption(i), resultText(i, separators)});
    if (!definition_->machiningLabelName.empty())
        texts.push_back({kMachiningCaption, machiningText(separators)});
    return texts;
}

std::string WeightPageModel::copyText(std::size_t index, const Separators& separators) const {
    return formatResult(shownResult(index), "", separators);
}

} // namespace kelvane
