#include "turning/TurningPageModel.h"

#include <array>

namespace kelvane {

namespace {

// The value each box stores, in the order of kTurningBoxes.
constexpr std::array<double TurningInputs::*, kTurningBoxes.size()> kBoxValues = {
    &TurningInputs::feedDiameter, &TurningInputs::feedLength,  &TurningInputs::feedQuantity,
    &TurningInputs::stockCost,    &TurningInputs::turningCost, &TurningInputs::producedDiameter,
};

} // namespace

TurningPageModel::TurningPageModel(const Separators& separators)
    : separators_(separators) {
    results_.texts = turningStartTexts(separators_);
}

void TurningPageModel::storeValue(std::size_t box, double value) {
    inputs_.*kBoxValues.at(box) = value;
}

void TurningPageModel::storeBases(CostBasis stock, CostBasis turning) {
    inputs_.stockBasis = stock;
    inputs_.turningBasis = turning;
}

void TurningPageModel::recalculate(double density) {
    results_ = calcTurned(inputs_, density, separators_);
}

} // namespace kelvane
