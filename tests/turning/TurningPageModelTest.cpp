#include "turning/TurningPageModel.h"

#include <gtest/gtest.h>

#include <array>

namespace kelvane {
namespace {

std::array<std::string, 7> Texts(const TurningPageModel& model) {
    const TurningTexts& t = model.texts();
    return {t.feedPerMetre, t.feedPerBar,     t.feedTotal,   t.producedPerMetre,
            t.totalCost,    t.productionLoss, t.producedCost};
}

TEST(TurningPageModelTest, ShowsTheStartTextsUntilFirstWorkedOut) {
    TurningPageModel model(Separators{});
    model.storeValue(0, 50);
    EXPECT_EQ(Texts(model),
              (std::array<std::string, 7>{"0.00 kg/m", "0.00 kg", "0.00 kg", "0.00 kg/m",
                                          "Total Cost", "Production loss 0.00%", "0.00"}));
    EXPECT_EQ(model.copyText(), "0.00");
}

// Each box stores its own figure: the worked order typed box by box, in the page's
// tab order, gives the worked figures.
TEST(TurningPageModelTest, EachBoxStoresItsOwnFigure) {
    const std::array<double, kTurningBoxes.size()> typed = {50, 3000, 10, 800, 150, 45};
    TurningPageModel model(Separators{",", "."});
    for (std::size_t box = 0; box < typed.size(); ++box)
        model.storeValue(box, typed[box]);
    model.storeBases(CostBasis::Tonne, CostBasis::LumpSum);
    model.recalculate(1.25);
    EXPECT_EQ(Texts(model), (std::array<std::string, 7>{"2,45 kg/m", "7,36 kg", "73,63 kg",
                                                        "1,99 kg/m", "Total Cost 208,90",
                                                        "Production loss 19,00%", "3502,70"}));
    EXPECT_EQ(model.copyText(), "3502,70");
}

} // namespace
} // namespace kelvane
