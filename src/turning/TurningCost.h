#pragma once

#include "common/Caption.h"
#include "common/Separators.h"
#include "common/TextMark.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvane {

// The turning page costs round bars turned down from a larger feedstock: the
// feedstock's weights, the cost of stock and turning, the weight lost in turning and
// the cost of the produced material per tonne. Money carries no currency or unit.

// How a cost is entered: per tonne of feedstock, or as one sum for the whole order.
enum class CostBasis { Tonne, LumpSum };

inline constexpr std::string_view kTonneCaption = KELVANE_TEXT("Kelvane", "Tonne");
inline constexpr std::string_view kLumpSumCaption = KELVANE_TEXT("Kelvane", "Lump Sum");

// The six entry boxes in tab order with the captions beside them; the order is that
// of the values in TurningInputs.
struct TurningBoxDefinition {
    std::string_view objectName;
    std::string_view caption;
};
inline constexpr std::array<TurningBoxDefinition, 6> kTurningBoxes = {{
    {"TurnFeedDiaEdit", KELVANE_TEXT("Kelvane", "Diameter")},
    {"TurnFeedLengthEdit", KELVANE_TEXT("Kelvane", "Bar Length")},
    {"TurnFeedQtyEdit", KELVANE_TEXT("Kelvane", "Quantity")},
    {"TurnCost1Edit", KELVANE_TEXT("Kelvane", "Stock Cost")},
    {"TurnCost2Edit", KELVANE_TEXT("Kelvane", "Turning Cost")},
    {"TurnProdDiaEdit", KELVANE_TEXT("Kelvane", "Diameter")},
}};

inline constexpr std::string_view kFeedstockHeading =
    KELVANE_TEXT("Kelvane", "Feedstock Diameter:");
inline constexpr std::string_view kProducedHeading = KELVANE_TEXT("Kelvane", "Produced Diameter:");
inline constexpr std::string_view kProducedCostCaption =
    KELVANE_TEXT("Kelvane", "Produced Material Cost (per Tonne)");
// What the copy button beside the produced material cost says it copies.
inline constexpr std::string_view kProducedCostCopyDescription =
    KELVANE_TEXT("Kelvane", "Copy the produced material cost per tonne");

// The page's entered values (each box's text read as a number, 0 when it is none)
// and its two basis choices, KELVANE_TEXT("Kelvane", "Tonne") in both at start-up.
struct TurningInputs {
    double feedDiameter = 0; // mm
    double feedLength = 0;   // mm, one bar
    double feedQuantity = 0; // bars, any real number
    double stockCost = 0;    // per tonne of feedstock, or a lump sum
    CostBasis stockBasis = CostBasis::Tonne;
    double turningCost = 0; // per tonne of feedstock, or a lump sum
    CostBasis turningBasis = CostBasis::Tonne;
    double producedDiameter = 0; // mm
};

// The texts of the page's result labels.
struct TurningTexts {
    std::string feedPerMetre;     // feedPerMetreLabel_, "2.45 kg/m"
    std::string feedPerBar;       // feedPerBarLabel_, "7.36 kg"
    std::string feedTotal;        // feedTotalLabel_, "73.63 kg"
    std::string producedPerMetre; // producedPerMetreLabel_, "1.99 kg/m"
    std::string totalCost;        // totalCostLabel_, "Total Cost 208.90"
    std::string productionLoss;   // productionLossLabel_, "Production loss 19.00%"
    std::string producedCost;     // producedCostLabel_, "3502.70"
};

// Everything one recalculation of the page gives: the stored results and the texts.
struct TurningResults {
    double feedPerMetre = 0;     // kg/m
    double feedPerBar = 0;       // kg
    double feedTotal = 0;        // kg
    double producedPerMetre = 0; // kg/m
    double producedTotal = 0;    // kg; 0 unless the produced bars can be weighed
    double stockCostTotal = 0;   // money for the order
    double turningCostTotal = 0; // money for the order
    double totalCost = 0;
    double producedCostPerTonne = 0;
    double productionLoss = 0; // per cent of the feedstock weight
    TurningTexts texts;
};

// The names of the page's seven results, in the order of turningResultTexts. The
// four weights stand under their boxes without a caption of their own; the total
// cost and the loss carry theirs at the start of their label's text.
inline constexpr std::array<std::string_view, 7> kTurningResultCaptions = {
    KELVANE_TEXT("Kelvane", "Feedstock Weight per Metre"),
    KELVANE_TEXT("Kelvane", "Feedstock Weight per Bar"),
    KELVANE_TEXT("Kelvane", "Feedstock Total Weight"),
    KELVANE_TEXT("Kelvane", "Produced Weight per Metre"),
    KELVANE_TEXT("Kelvane", "Total Cost"),
    KELVANE_TEXT("Kelvane", "Production loss"),
    kProducedCostCaption,
};

// The label texts under the names above. Where a label starts with its own name
// ("Total Cost 208.90"), the name and the blank after it are left out ("208.90").
std::array<CaptionedText, 7> turningResultTexts(const TurningTexts& texts);

// Recalculates the page from its entered values and the density in use (g/cm³). A
// cost per tonne is charged on the feedstock weight; a lump sum is added as entered.
// The loss and the produced cost need a feedstock diameter, a produced diameter, a
// feedstock bar weight and a quantity; without them they show their zero texts.
TurningResults calcTurned(const TurningInputs& inputs, double density,
                          const Separators& separators);

// The label texts before the first recalculation: zero weights, KELVANE_TEXT("Kelvane", "Total
// Cost") with no figure yet, no loss and no produced cost.
TurningTexts turningStartTexts(const Separators& separators);

// The clipboard text of the copy button: the produced material cost, no unit.
std::string turningCopyText(const TurningResults& results, const Separators& separators);

} // namespace kelvane
