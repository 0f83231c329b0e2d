#include "weights/WeightPageModel.h"

#include "common/ResultFormat.h"

namespace kelvane {

namespace {

// A result's label and its copy button.
struct ResultNames {
    std::string_view label;
    std::string_view copyButton;
};

// The three results of a bar-shaped page: per metre, per bar and in total.
std::array<ResultDefinition, 3> barResults(ResultNames metre, ResultNames bar, ResultNames total) {
    return {{{metre.label, "Weight per Metre", metre.copyButton},
             {bar.label, "Weight per Bar", bar.copyButton},
             {total.label, "Total Weight", total.copyButton}}};
}

std::vector<WeightPageDefinition> makeDefinitions() {
    std::vector<std::string_view> polygonShapes;
    for (const PolygonShape& shape : kPolygonShapes)
        polygonShapes.push_back(shape.name);
    const std::vector<WeightPageDefinition> pages = {
        {{{"RDiaEdit", "Diameter"}, {"RLengthEdit", "Bar Length"}, {"RQtyEdit", "Quantity"}},
         "RClearButton",
         barResults({"RKGMLabel", "RKGMCopyBtn"}, {"RKGBarLabel", "RKGBCopyBtn"},
                    {"RKGQtyLabel", "RKGQCopyBtn"}),
         {},
         {},
         {},
         {},
         &calcRound,
         "RAddBtn"},
        {{{"PAFEdit", "Across Flat"}, {"PLengthEdit", "Bar Length"}, {"PQtyEdit", "Quantity"}},
         "PClearButton",
         barResults({"PKGMLabel", "PKGMCopyBtn"}, {"PKGBarLabel", "PKGBCopyBtn"},
                    {"PKGQtyLabel", "PKGQCopyBtn"}),
         "PMachineDiameter",
         "PCombo",
         "Polygon",
         polygonShapes,
         &calcPolygon,
         "PAddBtn"},
        {{{"BWidthEdit", "Width"},
          {"BThicknessEdit", "Thickness"},
          {"BLengthEdit", "Bar Length"},
          {"BQtyEdit", "Quantity"}},
         "BClearButton",
         barResults({"BKGMLabel", "BKGMCopyBtn"}, {"BKGBarLabel", "BKGBarCopyBtn"},
                    {"BKGQtyLabel", "BKGQtyCopyBtn"}),
         "BMachineDiameter",
         {},
         {},
         {},
         &calcBar,
         "BAddBtn"},
        {{{"SLengthEdit", "Length"},
          {"SWidthEdit", "Width"},
          {"SThicknessEdit", "Thickness"},
          {"SQtyEdit", "Quantity"}},
         "SClearButton",
         {{{"SKGSQMLabel", "Weight per Sq. Metre", "SKGSQMCopyBtn"},
           {"SKGSheetLabel", "Weight per Sheet/Plate", "SKGSheetCopyBtn"},
           {"SKGQtyLabel", "Total Weight", "SKGQtyCopyBtn"}}},
         {},
         {},
         {},
         {},
         &calcSheet,
         "SAddBtn"},
        {{{"TODEdit", "Outside Diameter"},
          {"TThicknessEdit", "Thickness"},
          {"TLengthEdit", "Bar Length"},
          {"TQtyEdit", "Quantity"}},
         "TClearButton",
         barResults({"TKGMLabel", "TKGMCopyBtn"}, {"TKGBarLabel", "TKGBarCopyBtn"},
                    {"TKGQtyLabel", "TKGQtyCopyBtn"}),
         {},
         {},
         {},
         {},
         &calcTube,
         "TAddBtn"},
        {{{"HHeightEdit", "Height"},
          {"HWidthEdit", "Width"},
          {"HThicknessEdit", "Thickness"},
          {"HLengthEdit", "Length"},
          {"HQtyEdit", "Quantity"}},
         "HClearButton",
         barResults({"HKGMLabel", "HKGMCopyBtn"}, {"HKGBarLabel", "HKGBarCopyBtn"},
                    {"HKGQtyLabel", "HKGQtyCopyBtn"}),
         {},
         {},
         {},
         {},
         &calcHollow,
         "HAddBtn"},
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

void WeightPageModel::recalculate(double density, std::string_view shape) {
    results_ = definition_->calculate(WeightInputs{values_, density, shape});
}

std::string WeightPageModel::resultText(std::size_t index, const Separators& separators) const {
    return formatResult(results_.weights.at(index), " kg", separators);
}

std::string WeightPageModel::machiningText(const Separators& separators) const {
    return formatResult(results_.machiningDiameter.value_or(0.0), " mm", separators);
}

std::vector<CaptionedText> WeightPageModel::resultTexts(const Separators& separators) const {
    std::vector<CaptionedText> texts;
    texts.reserve(definition_->results.size() + 1);
    for (std::size_t i = 0; i < definition_->results.size(); ++i)
        texts.push_back({definition_->results[i].caption, resultText(i, separators)});
    if (!definition_->machiningLabelName.empty())
        texts.push_back({kMachiningCaption, machiningText(separators)});
    return texts;
}

std::string WeightPageModel::copyText(std::size_t index, const Separators& separators) const {
    return formatResult(results_.weights.at(index), "", separators);
}

} // namespace kelvane
