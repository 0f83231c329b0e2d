#include "weights/WeightPages.h"

#include "weights/ResultFormat.h"

namespace kelvane {

namespace {

std::vector<WeightPageDefinition> makeDefinitions() {
    std::vector<WeightPageDefinition> pages;

    WeightPageDefinition round;
    round.pageName = "TabSheet1";
    round.caption = "Round";
    round.boxes = {
        {"RDiaEdit", "Diameter"}, {"RLengthEdit", "Bar Length"}, {"RQtyEdit", "Quantity"}};
    round.clearButtonName = "RClearButton";
    round.results = {{{"RKGMLabel", "Weight per Metre", "RKGMCopyBtn"},
                      {"RKGBarLabel", "Weight per Bar", "RKGBCopyBtn"},
                      {"RKGQtyLabel", "Total Weight", "RKGQCopyBtn"}}};
    round.calculate = &calcRound;
    pages.push_back(round);

    WeightPageDefinition polygon;
    polygon.pageName = "TabSheet2";
    polygon.caption = "Polygon";
    polygon.boxes = {
        {"PAFEdit", "Across Flat"}, {"PLengthEdit", "Bar Length"}, {"PQtyEdit", "Quantity"}};
    polygon.clearButtonName = "PClearButton";
    polygon.results = {{{"PKGMLabel", "Weight per Metre", "PKGMCopyBtn"},
                        {"PKGBarLabel", "Weight per Bar", "PKGBCopyBtn"},
                        {"PKGQtyLabel", "Total Weight", "PKGQCopyBtn"}}};
    polygon.machiningLabelName = "PMachineDiameter";
    polygon.shapeBoxName = "PCombo";
    polygon.shapeBoxCaption = "Polygon";
    for (const PolygonShape& shape : kPolygonShapes)
        polygon.shapes.push_back(shape.name);
    polygon.calculate = &calcPolygon;
    pages.push_back(polygon);

    WeightPageDefinition bar;
    bar.pageName = "TabSheet3";
    bar.caption = "Flat/Square";
    bar.boxes = {{"BWidthEdit", "Width"},
                 {"BThicknessEdit", "Thickness"},
                 {"BLengthEdit", "Bar Length"},
                 {"BQtyEdit", "Quantity"}};
    bar.clearButtonName = "BClearButton";
    bar.results = {{{"BKGMLabel", "Weight per Metre", "BKGMCopyBtn"},
                    {"BKGBarLabel", "Weight per Bar", "BKGBarCopyBtn"},
                    {"BKGQtyLabel", "Total Weight", "BKGQtyCopyBtn"}}};
    bar.machiningLabelName = "BMachineDiameter";
    bar.calculate = &calcBar;
    pages.push_back(bar);

    WeightPageDefinition sheet;
    sheet.pageName = "TabSheet4";
    sheet.caption = "Plate/Sheet";
    sheet.boxes = {{"SLengthEdit", "Length"},
                   {"SWidthEdit", "Width"},
                   {"SThicknessEdit", "Thickness"},
                   {"SQtyEdit", "Quantity"}};
    sheet.clearButtonName = "SClearButton";
    sheet.results = {{{"SKGSQMLabel", "Weight per Sq. Metre", "SKGSQMCopyBtn"},
                      {"SKGSheetLabel", "Weight per Sheet/Plate", "SKGSheetCopyBtn"},
                      {"SKGQtyLabel", "Total Weight", "SKGQtyCopyBtn"}}};
    sheet.calculate = &calcSheet;
    pages.push_back(sheet);

    WeightPageDefinition tube;
    tube.pageName = "TabSheet5";
    tube.caption = "Tube";
    tube.boxes = {{"TODEdit", "Outside Diameter"},
                  {"TThicknessEdit", "Thickness"},
                  {"TLengthEdit", "Bar Length"},
                  {"TQtyEdit", "Quantity"}};
    tube.clearButtonName = "TClearButton";
    tube.results = {{{"TKGMLabel", "Weight per Metre", "TKGMCopyBtn"},
                     {"TKGBarLabel", "Weight per Bar", "TKGBarCopyBtn"},
                     {"TKGQtyLabel", "Total Weight", "TKGQtyCopyBtn"}}};
    // Emptying the last box has already recalculated the tube page.
    tube.recalculateAfterClear = false;
    tube.calculate = &calcTube;
    pages.push_back(tube);

    WeightPageDefinition hollow;
    hollow.pageName = "TabSheet6";
    hollow.caption = "Hollow Section";
    hollow.boxes = {{"HHeightEdit", "Height"},
                    {"HWidthEdit", "Width"},
                    {"HThicknessEdit", "Thickness"},
                    {"HLengthEdit", "Length"},
                    {"HQtyEdit", "Quantity"}};
    hollow.clearButtonName = "HClearButton";
    hollow.results = {{{"HKGMLabel", "Weight per Metre", "HKGMCopyBtn"},
                       {"HKGBarLabel", "Weight per Bar", "HKGBarCopyBtn"},
                       {"HKGQtyLabel", "Total Weight", "HKGQtyCopyBtn"}}};
    hollow.calculate = &calcHollow;
    pages.push_back(hollow);

    return pages;
}

} // namespace

const std::vector<WeightPageDefinition>& weightPageDefinitions() {
    static const std::vector<WeightPageDefinition> pages = makeDefinitions();
    return pages;
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

std::string WeightPageModel::copyText(std::size_t index, const Separators& separators) const {
    return formatResult(results_.weights.at(index), "", separators);
}

} // namespace kelvane
