// The five further weight pages as a user types into them.

#include "DriveFixture.h"

#include "app/MainWindow.h"

#include <QLineEdit>
#include <QPalette>

namespace kelvane::testing {
namespace {

using WeightPagesTest = DriveTest;

// A weight page's names: its first box, its three result labels and, where it has
// one, its machining diameter.
struct PageNames {
    const char* page;
    const char* firstBox;
    std::array<const char*, 3> labels;
    const char* machiningLabel = nullptr;
};

const PageNames kPolygon{
    "Polygon", "PAFEdit", {"PKGMLabel", "PKGBarLabel", "PKGQtyLabel"}, "PMachineDiameter"};
const PageNames kFlat{
    "Flat/Square", "BWidthEdit", {"BKGMLabel", "BKGBarLabel", "BKGQtyLabel"}, "BMachineDiameter"};
const PageNames kPlate{
    "Plate/Sheet", "SLengthEdit", {"SKGSQMLabel", "SKGSheetLabel", "SKGQtyLabel"}};
const PageNames kTube{"Tube", "TODEdit", {"TKGMLabel", "TKGBarLabel", "TKGQtyLabel"}};
const PageNames kHollow{
    "Hollow Section", "HHeightEdit", {"HKGMLabel", "HKGBarLabel", "HKGQtyLabel"}};

struct PageCase {
    const char* name;
    const char* material; // chosen from the menu: Acetal 1.75, Mild Steel 8
    PageNames names;
    const char* typed; // boxes separated by Enter
    const char* shape; // polygon shape, or nullptr
    std::array<const char*, 3> weights;
    const char* machining = nullptr;
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

class EachWeightPageTest : public DriveTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(EachWeightPageTest, ShowsItsWeights) {
    const PageCase& c = GetParam();
    start();
    send(R"(["menu","Material",)" + quoted(c.material) + "]");
    send(R"(["page",)" + quoted(c.names.page) + "]");
    if (c.shape)
        send(R"(["select","PCombo",)" + quoted(c.shape) + "]");
    typeInto(c.names.firstBox, c.typed);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(text(c.names.labels[i]), c.weights[i]) << c.names.labels[i];
    if (c.names.machiningLabel) {
        EXPECT_EQ(text(c.names.machiningLabel), c.machining);
    }
}

const PageCase kPageCases[] = {
    {"PolygonHexagon",
     "Acetal",
     kPolygon,
     "20\r1000\r3",
     "Hexagon",
     {"0.61 kg", "0.61 kg", "1.82 kg"},
     "23.09 mm"},
    {"PolygonSquare",
     "Acetal",
     kPolygon,
     "20\r1000\r3",
     "Square",
     {"0.70 kg", "0.70 kg", "2.10 kg"},
     "28.28 mm"},
    {"PolygonTriangle",
     "Acetal",
     kPolygon,
     "20\r1000\r3",
     "Triangle",
     {"0.91 kg", "0.91 kg", "2.73 kg"},
     "40.00 mm"},
    {"PolygonHexagonOfSteel",
     "Mild Steel",
     kPolygon,
     "36\r3000\r2",
     "Hexagon",
     {"8.98 kg", "26.94 kg", "53.87 kg"},
     "41.57 mm"},
    {"FlatSquare",
     "Acetal",
     kFlat,
     "50\r10\r2000\r5",
     nullptr,
     {"0.88 kg", "1.75 kg", "8.75 kg"},
     "50.99 mm"},
    {"PlateSheet",
     "Acetal",
     kPlate,
     "2000\r1000\r10\r3",
     nullptr,
     {"17.50 kg", "35.00 kg", "105.00 kg"}},
    {"TubeOfSteel",
     "Mild Steel",
     kTube,
     "60\r5\r6000\r2",
     nullptr,
     {"6.91 kg", "41.47 kg", "82.94 kg"}},
    {"Tube", "Acetal", kTube, "60\r5\r6000\r2", nullptr, {"1.51 kg", "9.07 kg", "18.14 kg"}},
    {"HollowSection",
     "Mild Steel",
     kHollow,
     "100\r50\r5\r6000\r2",
     nullptr,
     {"11.15 kg", "66.88 kg", "133.76 kg"}},
    // A wall that reaches the centre is weighed as the solid bar.
    {"HollowSectionWallPastTheCentre",
     "Mild Steel",
     kHollow,
     "10\r10\r20\r1000\r1",
     nullptr,
     {"0.80 kg", "0.80 kg", "0.80 kg"}},
};

INSTANTIATE_TEST_SUITE_P(Pages, EachWeightPageTest, ::testing::ValuesIn(kPageCases),
                         caseName<PageCase>);

TEST_F(WeightPagesTest, ShapeChangeRecalculatesAtOnce) {
    start();
    send(R"(["page","Polygon"])");
    send(R"(["focus","PAFEdit"])");
    send(R"(["type","20\r1000\r3"])");
    send(R"(["select","PCombo","Triangle"])");
    EXPECT_EQ(text("PKGQtyLabel"), "2.73 kg");
    EXPECT_EQ(text("PMachineDiameter"), "40.00 mm");
    send(R"(["type","\r"])"); // the shape box is no tab stop: Enter goes back to the first box
    EXPECT_TRUE(value(R"(["get","PAFEdit"])").toObject()["focused"].toBool());
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
