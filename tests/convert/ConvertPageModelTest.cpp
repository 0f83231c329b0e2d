#include "convert/ConvertPageModel.h"

#include "common/KelvaneError.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(ConvertPageModelTest, WorksTheStoredEntryOutAtTheFractionsChoice) {
    ConvertPageModel model(Separators{}, 32);
    EXPECT_EQ(model.texts(), ConversionTexts{});
    model.storeEntry("10");
    const ConversionTexts at32 = model.texts();
    EXPECT_EQ(at32, convertDimensionText("10", 32, Separators{}));
    model.storeFractionResolution(64);
    EXPECT_EQ(model.texts(), convertDimensionText("10", 64, Separators{}));
    EXPECT_NE(model.texts().imperial, at32.imperial);
    model.storeEntry("2147483648");
    EXPECT_THROW(model.texts(), Error);
}

} // namespace
} // namespace kelvane
