// The "CE" page as a user meets it: typed analyses, the value shown and the band
// the pointer stands at.

#include "DriveFixture.h"

#include "app/MainWindow.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace kelvane::testing {
namespace {

class CarbonPageTest : public DriveTest {
protected:
    void startOnPage() {
        start();
        send(R"(["page","CE"])");
    }

    int position() { return value(R"(["get","CEVTrackBar"])").toObject()["position"].toInt(); }
};

constexpr const char* kBoxes[] = {"CarbonEdit",   "ManganeseEdit", "ChromiumEdit", "MolyEdit",
                                  "VanadiumEdit", "CopperEdit",    "NickelEdit"};

TEST_F(CarbonPageTest, StartsAtZeroWithADisabledPointerAtTheTop) {
    startOnPage();
    EXPECT_EQ(text("CEVLbl"), "0.00");
    const QJsonObject pointer = value(R"(["get","CEVTrackBar"])").toObject();
    EXPECT_EQ(pointer["position"].toInt(), 0);
    EXPECT_EQ(pointer["max"].toInt(), 4);
    EXPECT_FALSE(pointer["enabled"].toBool());
}

TEST_F(CarbonPageTest, TypedAnalysesLandInTheirBands) {
    struct Case {
        std::vector<const char*> contents; // C, Mn, Cr, Mo, V, Cu, Ni; "" for none
        const char* shown;
        int position;
    };
    const Case cases[] = {
        {{"0.20", "1.00"}, "0.37", 1},
        {{"0.18", "1.40", "0.10", "0.05", "0.05", "0.30", "0.15"}, "0.48", 3},
        {{"0.60"}, "0.60", 4},
        {{"0.43"}, "0.43", 2},
        {{"0.35"}, "0.35", 0},
        // Between the written bands: each belongs to the band above its limit.
        {{"0.358"}, "0.36", 1},
        {{"0.405"}, "0.41", 2},
        {{"0.455"}, "0.46", 3},
        {{"0.505"}, "0.51", 4},
        {{"0.50"}, "0.50", 3},
        {{"", "", "", "", "", "", ""}, "0.00", 0},
    };
    startOnPage();
    send(R"(["paste","CarbonEdit","0.9"])"); // start each case away from its answer
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
            const char* entry = i < c.contents.size() ? c.contents[i] : "";
            send(R"(["paste",)" + quoted(kBoxes[i]) + "," + quoted(entry) + "]");
        }
        EXPECT_EQ(text("CEVLbl"), c.shown) << c.contents[0];
        EXPECT_EQ(position(), c.position) << c.contents[0];
    }
}

TEST_F(CarbonPageTest, TypingIntoOneBoxReadsOnlyThatBox) {
    startOnPage();
    typeInto("CarbonEdit", "0.2\r1");
    EXPECT_EQ(text("CEVLbl"), "0.37");
    // A text that reached the carbon box without its change handler must not be read
    // when another box changes.
    auto* carbon = session_->window()->findChild<QLineEdit*>(QStringLiteral("CarbonEdit"));
    ASSERT_NE(carbon, nullptr);
    {
        const QSignalBlocker blocker(carbon);
        carbon->setText(QStringLiteral("5"));
    }
    typeInto("NickelEdit", "1.5");
    EXPECT_EQ(text("CEVLbl"), "0.47"); // 0.2 + 1/6 + 1.5/15
    EXPECT_EQ(position(), 3);
    EXPECT_EQ(text("ManganeseEdit"), "1");
}

} // namespace
} // namespace kelvane::testing
