// The five further weight pages as a user types into them.

#include "DriveFixture.h"

#include "app/MainWindow.h"

#include <QLineEdit>
#include <QPalette>

namespace kelvane::testing {
namespace {

using WeightPagesTest = DriveTest;

struct PageCase {
    const char* material; // chosen from the menu: Acetal 1.75, Mild Steel 8
    const char* page;
    const char* firstBox;
    const char* typed; // boxes separated by Enter
    const char* shape; // polygon shape, or nullptr
    std::array<const char*, 3> labels;
    std::array<const char*, 3> weights;
    const char* machiningLabel; // or nullptr
    const char* machining;
};

TEST_F(WeightPagesTest, EachPageShowsItsWeights) {
    const PageCase cases[] = {
        {"Acetal",
         "Polygon",
         "PAFEdit",
         "20\r1000\r3",
         "Hexagon",
         {"PKGMLabel", "PKGBarLabel", "PKGQtyLabel"},
         {"0.61 kg", "0.61 kg", "1.82 kg"},
         "PMachineDiameter",
         "23.09 mm"},
        {"Acetal",
         "Polygon",
         "PAFEdit",
         "20\r1000\r3",
         "Square",
         {"PKGMLabel", "PKGBarLabel", "PKGQtyLabel"},
         {"0.70 kg", "0.70 kg", "2.10 kg"},
         "PMachineDiameter",
         "28.28 mm"},
        {"Acetal",
         "Polygon",
         "PAFEdit",
         "20\r1000\r3",
         "Triangle",
         {"PKGMLabel", "PKGBarLabel", "PKGQtyLabel"},
         {"0.91 kg", "0.91 kg", "2.73 kg"},
         "PMachineDiameter",
         "40.00 mm"},
        {"Mild Steel",
         "Polygon",
         "PAFEdit",
         "36\r3000\r2",
         "Hexagon",
         {"PKGMLabel", "PKGBarLabel", "PKGQtyLabel"},
         {"8.98 kg", "26.94 kg", "53.87 kg"},
         "PMachineDiameter",
         "41.57 mm"},
        {"Acetal",
         "Flat/Square",
         "BWidthEdit",
         "50\r10\r2000\r5",
         nullptr,
         {"BKGMLabel", "BKGBarLabel", "BKGQtyLabel"},
         {"0.88 kg", "1.75 kg", "8.75 kg"},
         "BMachineDiameter",
         "50.99 mm"},
        {"Acetal",
         "Plate/Sheet",
         "SLengthEdit",
         "2000\r1000\r10\r3",
         nullptr,
         {"SKGSQMLabel", "SKGSheetLabel", "SKGQtyLabel"},
         {"17.50 kg", "35.00 kg", "105.00 kg"},
         nullptr,
         nullptr},
        {"Mild Steel",
         "Tube",
         "TODEdit",
         "60\r5\r6000\r2",
         nullptr,
         {"TKGMLabel", "TKGBarLabel", "TKGQtyLabel"},
         {"6.91 kg", "41.47 kg", "82.94 kg"},
         nullptr,
         nullptr},
        {"Acetal",
         "Tube",
         "TODEdit",
         "60\r5\r6000\r2",
         nullptr,
         {"TKGMLabel", "TKGBarLabel", "TKGQtyLabel"},
         {"1.51 kg", "9.07 kg", "18.14 kg"},
         nullptr,
         nullptr},
        {"Mild Steel",
         "Hollow Section",
         "HHeightEdit",
         "100\r50\r5\r6000\r2",
         nullptr,
         {"HKGMLabel", "HKGBarLabel", "HKGQtyLabel"},
         {"11.15 kg", "66.88 kg", "133.76 kg"},
         nullptr,
         nullptr},
        {"Mild Steel",
         "Hollow Section",
         "HHeightEdit",
         "10\r10\r20\r1000\r1",
         nullptr,
         {"HKGMLabel", "HKGBarLabel", "HKGQtyLabel"},
         {"0.80 kg", "0.80 kg", "0.80 kg"},
         nullptr,
         nullptr},
    };
    for (const PageCase& c : cases) {
        start();
        send(R"(["menu","Material",)" + quoted(c.material) + "]");
        send(R"(["page",)" + quoted(c.page) + "]");
        if (c.shape)
            send(R"(["select","PCombo",)" + quoted(c.shape) + "]");
        send(R"(["focus",)" + quoted(c.firstBox) + "]");
        send(R"(["type",)" + quoted(c.typed) + "]");
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(text(c.labels[i]), c.weights[i]) << c.page << " " << c.labels[i];
        if (c.machiningLabel) {
            EXPECT_EQ(text(c.machiningLabel), c.machining) << c.page;
        }
        send(R"(["close"])");
        session_.reset();
    }
}

TEST_F(WeightPagesTest, ShapeChangeRecalculatesAtOnceAndClearKeepsTheShape) {
    start();
    send(R"(["page","Polygon"])");
    send(R"(["focus","PAFEdit"])");
    send(R"(["type","20\r1000\r3"])");
    send(R"(["select","PCombo","Triangle"])");
    EXPECT_EQ(text("PKGQtyLabel"), "2.73 kg");
    EXPECT_EQ(text("PMachineDiameter"), "40.00 mm");
    send(R"(["type","\r"])"); // the shape box is no tab stop: Enter goes back to the first box
    EXPECT_TRUE(value(R"(["get","PAFEdit"])").toObject()["focused"].toBool());
    send(R"(["click","PClearButton"])");
    EXPECT_EQ(text("PKGMLabel"), "0.00 kg");
    EXPECT_EQ(text("PMachineDiameter"), "0.00 mm");
    EXPECT_EQ(value(R"(["get","PCombo"])").toObject()["current"].toString(), "Triangle");
}

TEST_F(WeightPagesTest, HalfwayResultsRoundUpAndDensityZeroLeavesTheDiagonal) {
    writeFile("Data/Density_Plastics.csv", "Half,1\r\nNothing,0\r\nMinus,-0.25\r\n");
    start();
    send(R"(["page","Flat/Square"])");
    send(R"(["focus","BWidthEdit"])");
    send(R"(["type","50\r10"])");
    EXPECT_EQ(text("BKGMLabel"), "0.63 kg"); // 50 × 10 × 1.25 ÷ 1000 = 0.625
    send(R"(["menu","Material","Minus"])");  // rounds to exactly 0
    EXPECT_EQ(text("BKGMLabel"), "0.00 kg");
    EXPECT_EQ(text("BMachineDiameter"), "50.99 mm");
    send(R"(["menu","Options","Commercial Rounding"])"); // -0.25 exactly
    send(R"(["page","Polygon"])");
    send(R"(["focus","PAFEdit"])");
    send(R"(["menu","Material","Minus"])");
    send(R"(["type","20"])");
    EXPECT_EQ(text("PMachineDiameter"), "0.00 mm");
}

TEST_F(WeightPagesTest, CopyButtonsPutTheFiguresWithoutUnit) {
    start();
    send(R"(["menu","Material","Mild Steel"])");
    send(R"(["page","Tube"])");
    send(R"(["focus","TODEdit"])");
    send(R"(["type","60\r5\r6000\r2"])");
    const std::pair<const char*, const char*> copies[] = {
        {"TKGMCopyBtn", "6.91"}, {"TKGBarCopyBtn", "41.47"}, {"TKGQtyCopyBtn", "82.94"}};
    for (const auto& [button, figure] : copies) {
        send(R"(["click",)" + quoted(button) + "]");
        EXPECT_EQ(value(R"(["clipboard"])").toString().toStdString(), figure) << button;
    }
    send(R"(["key","Alt+C"])");
    for (const char* box : {"TODEdit", "TThicknessEdit", "TLengthEdit", "TQtyEdit"})
        EXPECT_EQ(text(box), "") << box;
    EXPECT_EQ(text("TKGQtyLabel"), "0.00 kg");
}

// A page coming into view is worked out afresh with the density in use, so neither
// what it shows nor what it copies belongs to a material no longer in use.
TEST_F(WeightPagesTest, APageComingIntoViewShowsTheFiguresOfTheDensityInUse) {
    const struct {
        const char* label;
        const char* change; // made on the Round page
        const char* perSquareMetre;
        const char* total;
    } cases[] = {
        {"another material", R"(["menu","Material","Mild Steel"])", "80.00 kg", "480.00"},
        {"commercial rounding off", R"(["menu","Options","Commercial Rounding"])", "13.80 kg",
         "82.80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        start();
        send(R"(["page","Plate/Sheet"])");
        send(R"(["focus","SLengthEdit"])");
        send(R"(["type","2000\r1000\r10\r3"])");
        EXPECT_EQ(text("SKGSQMLabel"), "17.50 kg");
        send(R"(["page","Round"])");
        send(c.change);
        send(R"(["page","Plate/Sheet"])");
        EXPECT_EQ(text("SKGSQMLabel"), c.perSquareMetre);
        send(R"(["click","SKGQtyCopyBtn"])");
        EXPECT_EQ(value(R"(["clipboard"])").toString().toStdString(), c.total);
        EXPECT_EQ(text("SLengthEdit"), "2000"); // the values stay as typed
        send(R"(["close"])");
        session_.reset();
    }
}

// A wall that reaches the centre is weighed as the solid bar, and its box says so
// with a tint and a tooltip, until the wall is thinner again.
TEST_F(WeightPagesTest, AWallPastTheCentreIsMarkedOnItsBox) {
    const std::string note = "The wall reaches the centre: weighed as a solid bar";
    start();
    send(R"(["menu","Material","Mild Steel"])");
    send(R"(["page","Tube"])");
    send(R"(["focus","TODEdit"])");
    send(R"(["type","60.3\r40"])");
    EXPECT_EQ(text("TKGMLabel"), "22.85 kg");
    auto* box = session_->window()->findChild<QLineEdit*>(QStringLiteral("TThicknessEdit"));
    ASSERT_NE(box, nullptr);
    const QColor normal = box->parentWidget()->palette().color(QPalette::Base);
    EXPECT_EQ(value(R"(["get","TThicknessEdit"])").toObject()["toolTip"].toString().toStdString(),
              note);
    EXPECT_EQ(box->accessibleDescription().toStdString(), note);
    EXPECT_NE(box->palette().color(QPalette::Base), normal);

    send(R"(["type","\b\b5"])");
    EXPECT_FALSE(value(R"(["get","TThicknessEdit"])").toObject().contains("toolTip"));
    EXPECT_EQ(box->palette().color(QPalette::Base), normal);
}

} // namespace
} // namespace kelvane::testing
