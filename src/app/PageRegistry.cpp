#include "app/PageRegistry.h"

#include "calculator/CalculatorPage.h"
#include "carbon/CarbonPage.h"
#include "common/TextMark.h"
#include "convert/ConvertPage.h"
#include "turning/TurningPage.h"
#include "weights/QuotePage.h"
#include "weights/WeightPage.h"

namespace kelvane {

namespace {

template <WeightShape shape> QWidget* makeWeightPage(const PageContext& context) {
    return new WeightPage(weightPageDefinition(shape), context);
}

template <typename Page> QWidget* makePage(const PageContext& context) {
    return new Page(context);
}

constexpr PageEntry kPages[] = {
    {"TabSheet1", KELVANE_TEXT("Kelvane", "Round"), true, &makeWeightPage<WeightShape::Round>},
    {"TabSheet2", KELVANE_TEXT("Kelvane", "Polygon"), true, &makeWeightPage<WeightShape::Polygon>},
    {"TabSheet3", KELVANE_TEXT("Kelvane", "Flat/Square"), true,
     &makeWeightPage<WeightShape::FlatSquare>},
    {"TabSheet4", KELVANE_TEXT("Kelvane", "Plate/Sheet"), true,
     &makeWeightPage<WeightShape::PlateSheet>},
    {"TabSheet5", KELVANE_TEXT("Kelvane", "Tube"), true, &makeWeightPage<WeightShape::Tube>},
    {"TabSheet6", KELVANE_TEXT("Kelvane", "Hollow Section"), false,
     &makeWeightPage<WeightShape::HollowSection>},
    {"TabSheet10", KELVANE_TEXT("Kelvane", "Turning"), false, &makePage<TurningPage>},
    {"TabSheet7", KELVANE_TEXT("Kelvane", "CE"), false, &makePage<CarbonPage>},
    {"TabSheet8", KELVANE_TEXT("Kelvane", "M/I"), true, &makePage<ConvertPage>},
    {"TabSheetQuote", KELVANE_TEXT("Kelvane", "Quote"), true, &makePage<QuotePage>},
    {"TabSheet9", KELVANE_TEXT("Kelvane", "Calc"), false, &makePage<CalculatorPage>},
};

} // namespace

std::span<const PageEntry> pageRegistry() {
    return kPages;
}

} // namespace kelvane
