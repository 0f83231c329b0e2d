#include "app/PageRegistry.h"

#include "calculator/CalculatorPage.h"
#include "carbon/CarbonPage.h"
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
    {"TabSheet1", "Round", true, &makeWeightPage<WeightShape::Round>},
    {"TabSheet2", "Polygon", true, &makeWeightPage<WeightShape::Polygon>},
    {"TabSheet3", "Flat/Square", true, &makeWeightPage<WeightShape::FlatSquare>},
    {"TabSheet4", "Plate/Sheet", true, &makeWeightPage<WeightShape::PlateSheet>},
    {"TabSheet5", "Tube", true, &makeWeightPage<WeightShape::Tube>},
    {"TabSheet6", "Hollow Section", false, &makeWeightPage<WeightShape::HollowSection>},
    {"TabSheet10", "Turning", false, &makePage<TurningPage>},
    {"TabSheet7", "CE", false, &makePage<CarbonPage>},
    {"TabSheet8", "M/I", true, &makePage<ConvertPage>},
    {"TabSheetQuote", "Quote", true, &makePage<QuotePage>},
    {"TabSheet9", "Calc", false, &makePage<CalculatorPage>},
};

} // namespace

std::span<const PageEntry> pageRegistry() {
    return kPages;
}

} // namespace kelvane
