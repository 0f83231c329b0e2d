#include "turning/TurningCost.h"

#include "common/ResultFormat.h"
#include "weights/WeightFormulas.h"

namespace kelvane {

namespace {

using Extended = long double;

constexpr std::string_view kTotalCostText = kTurningResultCaptions[4];
constexpr std::string_view kProductionLossText = kTurningResultCaptions[5];

// The weight per metre of round bar of the given diameter; 0 without a diameter.
double roundBarPerMetre(double diameter, double density) {
    if (diameter == 0)
        return 0;
    const Extended radius = static_cast<Extended>(diameter) / 2;
    return static_cast<double>(radius * radius * kExtendedPi * density / 1000);
}

// The cost of the order from a cost as entered: per tonne of the feedstock's weight
// in kg, or the sum itself.
double orderCost(double cost, CostBasis basis, double feedTotal) {
    if (cost == 0)
        return 0;
    if (basis == CostBasis::Tonne)
        return static_cast<double>(static_cast<Extended>(cost) * feedTotal / 1000);
    return cost;
}

std::string totalCostText(double totalCost, const Separators& separators) {
    std::string text(kTotalCostText);
    text += ' ';
    text += formatResult(totalCost, "", separators);
    return text;
}

std::string productionLossText(double loss, const Separators& separators) {
    return std::string(kProductionLossText) + ' ' + formatResult(loss, "%", separators);
}

} // namespace

TurningResults calcTurned(const TurningInputs& in, double density, const Separators& separators) {
    TurningResults r;
    TurningTexts& texts = r.texts;

    r.feedPerMetre = roundBarPerMetre(in.feedDiameter, density);
    texts.feedPerMetre = formatResult(r.feedPerMetre, " kg/m", separators);

    r.producedPerMetre = roundBarPerMetre(in.producedDiameter, density);
    texts.producedPerMetre = formatResult(r.producedPerMetre, " kg/m", separators);

    if (in.feedDiameter != 0 && r.feedPerMetre != 0)
        r.feedPerBar =
            static_cast<double>(static_cast<Extended>(r.feedPerMetre) * in.feedLength / 1000);
    texts.feedPerBar = formatResult(r.feedPerBar, " kg", separators);

    if (in.feedDiameter != 0 && r.feedPerMetre != 0 && in.feedQuantity != 0)
        r.feedTotal = static_cast<double>(static_cast<Extended>(r.feedPerBar) * in.feedQuantity);
    texts.feedTotal = formatResult(r.feedTotal, " kg", separators);

    r.stockCostTotal = orderCost(in.stockCost, in.stockBasis, r.feedTotal);
    r.turningCostTotal = orderCost(in.turningCost, in.turningBasis, r.feedTotal);
    r.totalCost = static_cast<double>(static_cast<Extended>(r.stockCostTotal) + r.turningCostTotal);
    texts.totalCost = totalCostText(r.totalCost, separators);

    // A feedstock bar weight that is not 0 implies a density that is not 0, so with a
    // produced diameter both the feedstock and the produced totals are non-zero and
    // both divisions below are safe.
    if (in.feedDiameter != 0 && in.producedDiameter != 0 && r.feedPerBar != 0 &&
        in.feedQuantity != 0) {
        r.producedTotal = static_cast<double>(static_cast<Extended>(r.producedPerMetre) *
                                              in.feedLength * in.feedQuantity / 1000);
        r.productionLoss = static_cast<double>(
            (static_cast<Extended>(r.feedTotal) - r.producedTotal) / r.feedTotal * 100);
        r.producedCostPerTonne =
            static_cast<double>(static_cast<Extended>(r.totalCost) / r.producedTotal * 1000);
    }
    texts.productionLoss = productionLossText(r.productionLoss, separators);
    texts.producedCost = formatResult(r.producedCostPerTonne, "", separators);
    return r;
}

TurningTexts turningStartTexts(const Separators& separators) {
    TurningTexts texts;
    texts.feedPerMetre = formatResult(0, " kg/m", separators);
    texts.producedPerMetre = texts.feedPerMetre;
    texts.feedPerBar = formatResult(0, " kg", separators);
    texts.feedTotal = texts.feedPerBar;
    texts.totalCost = kTotalCostText;
    texts.productionLoss = productionLossText(0, separators);
    texts.producedCost = formatResult(0, "", separators);
    return texts;
}

namespace {

// A label's text without the name it starts with.
std::string withoutLeadingName(const std::string& text, std::string_view name) {
    if (text.size() > name.size() && text.compare(0, name.size(), name) == 0 &&
        text[name.size()] == ' ')
        return text.substr(name.size() + 1);
    return text;
}

} // namespace

std::array<CaptionedText, 7> turningResultTexts(const TurningTexts& texts) {
    const auto& names = kTurningResultCaptions;
    return {{
        {names[0], texts.feedPerMetre},
        {names[1], texts.feedPerBar},
        {names[2], texts.feedTotal},
        {names[3], texts.producedPerMetre},
        {names[4], withoutLeadingName(texts.totalCost, names[4])},
        {names[5], withoutLeadingName(texts.productionLoss, names[5])},
        {names[6], texts.producedCost},
    }};
}

std::string turningCopyText(const TurningResults& results, const Separators& separators) {
    return formatResult(results.producedCostPerTonne, "", separators);
}

} // namespace kelvane
