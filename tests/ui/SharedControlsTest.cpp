// The controls that several pages share, tried once on every page that has them: the
// entry boxes' number keys and Enter, the copy buttons, and Clear.

#include "DriveFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvane::testing {
namespace {

// Driver command lines, so that the tables below read as what a user does.
std::string page(const char* caption) {
    return R"(["page",)" + quoted(caption) + "]";
}
std::string focus(const char* box) {
    return R"(["focus",)" + quoted(box) + "]";
}
std::string type(const char* keys) {
    return R"(["type",)" + quoted(keys) + "]";
}
std::string key(const char* name) {
    return R"(["key",)" + quoted(name) + "]";
}
std::string click(const char* control) {
    return R"(["click",)" + quoted(control) + "]";
}
std::string material(const char* name) {
    return R"(["menu","Material",)" + quoted(name) + "]";
}
std::string select(const char* box, const char* item) {
    return R"(["select",)" + quoted(box) + "," + quoted(item) + "]";
}

// What a user does on a page, from start-up, with the density table it is meant for.
struct Order {
    const char* table = nullptr; // nullptr: the fixture's default table
    std::vector<std::string> commands;
};

// 50 × 3000 × 4 of Acetal at 1.75: 3.44, 10.31 and 41.23 kg.
const Order kRoundOrder{.commands = {type("50\r3000\r4")}};
// A triangle of 20 × 1000 × 3, Enter then back in the first box (the shape box is no
// tab stop).
const Order kPolygonOrder{.commands = {page("Polygon"), focus("PAFEdit"), type("20\r1000\r3"),
                                       select("PCombo", "Triangle"), type("\r")}};
// 60 × 5 × 6000 × 2 of Mild Steel at 8: 6.91, 41.47 and 82.94 kg.
const Order kTubeOrder{
    .commands = {material("Mild Steel"), page("Tube"), focus("TODEdit"), type("60\r5\r6000\r2")}};
// 50 × 3000 × 10 at 1.25, 800 per tonne of stock, a turning lump sum of 150, turned
// down to 45: a produced cost of 3502.70.
const Order kTurningOrder{.table = "Test Grade,0.95\r\nMild Steel,7.85\r\n",
                          .commands = {page("Turning"), focus("TurnFeedDiaEdit"),
                                       type("50\r3000\r10\r800"), focus("TurnCost2Edit"),
                                       type("150"), click("TurnCost2LumpRadio"),
                                       focus("TurnProdDiaEdit"), type("45")}};

class SharedControlsTest : public DriveTest {
protected:
    void fill(const Order& order) {
        if (order.table)
            writeFile("Data/Density_Plastics.csv", order.table);
        start();
        for (const std::string& line : order.commands)
            send(line);
    }
};

// ---- Number keys and Enter --------------------------------------------------------

struct KeysCase {
    const char* name;
    Order opening;
    const char* box;    // typed into first
    const char* keys;   // mixed keys, of which the filter lets only the number keys in
    const char* shown;  // what the box then holds
    const char* enters; // Enter keys that walk on...
    const char* next;   // ...to this box
    const char* last;   // the last box, from which Enter goes back...
    const char* first;  // ...to the first
};

void PrintTo(const KeysCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberKeysTest : public SharedControlsTest, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(NumberKeysTest, BoxesTakeOnlyNumberKeysAndEnterWalksThem) {
    const KeysCase& c = GetParam();
    fill(c.opening);
    send(focus(c.box));
    send(type(c.keys));
    EXPECT_EQ(text(c.box), c.shown);
    send(type(c.enters));
    EXPECT_EQ(text(c.box), c.shown); // leaving by Enter keeps the text
    EXPECT_TRUE(focused(c.next));

    send(focus(c.last));
    send(key("Ctrl+B")); // a control character that is no editing key
    EXPECT_EQ(text(c.last), "");
    send(key("Enter"));
    EXPECT_TRUE(focused(c.first));
    send(key("Backspace")); // arriving by Enter selects the whole text
    EXPECT_EQ(text(c.first), "");
}

const KeysCase kKeysCases[] = {
    {"Round", {}, "RDiaEdit", "1a-, 2", "12", "\r\r", "RQtyEdit", "RQtyEdit", "RDiaEdit"},
    {"Turning",
     {.commands = {page("Turning")}},
     "TurnFeedQtyEdit",
     "a-, 1.5x",
     "1.5",
     "\r",
     "TurnCost1Edit",
     "TurnProdDiaEdit",
     "TurnFeedDiaEdit"},
    {"CarbonEquivalent",
     {.commands = {page("CE")}},
     "CarbonEdit",
     "C0,-. 1e5",
     "0.15",
     "\r",
     "ManganeseEdit",
     "NickelEdit",
     "CarbonEdit"},
};

INSTANTIATE_TEST_SUITE_P(Pages, NumberKeysTest, ::testing::ValuesIn(kKeysCases),
                         caseName<KeysCase>);

// ---- Copy buttons -----------------------------------------------------------------

struct CopyCase {
    const char* name;
    Order order;
    std::vector<std::pair<const char*, const char*>> copies; // button, figure copied
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.name;
}

class CopyButtonTest : public SharedControlsTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyButtonTest, PutsTheFigureWithoutUnitAndConfirmsIt) {
    const CopyCase& c = GetParam();
    fill(c.order);
    for (const auto& [button, figure] : c.copies) {
        SCOPED_TRACE(button);
        send(click(button));
        EXPECT_EQ(lastEvents(), (QJsonArray{QJsonObject{{"type", "clipboard"}, {"text", figure}}}));
        EXPECT_EQ(value(R"(["clipboard"])").toString().toStdString(), figure);
        const QJsonObject tip = value(R"(["tooltip"])").toObject();
        EXPECT_EQ(tip["text"].toString().toStdString(), std::string("Copied ") + figure);
        EXPECT_TRUE(tip["visible"].toBool());
    }
}

const CopyCase kCopyCases[] = {
    {"Round", kRoundOrder, {{"RKGMCopyBtn", "3.44"}, {"RKGQCopyBtn", "41.23"}}},
    {"Tube",
     kTubeOrder,
     {{"TKGMCopyBtn", "6.91"}, {"TKGBarCopyBtn", "41.47"}, {"TKGQtyCopyBtn", "82.94"}}},
    {"Turning", kTurningOrder, {{"TurnProdCostCopyBtn", "3502.70"}}},
};

INSTANTIATE_TEST_SUITE_P(Pages, CopyButtonTest, ::testing::ValuesIn(kCopyCases),
                         caseName<CopyCase>);

// ---- Clear --------------------------------------------------------------------------

// A page's boxes, and its result labels with their texts after Clear.
struct Cleared {
    std::vector<const char*> boxes;
    std::vector<std::pair<const char*, const char*>> results;
};

// A choice that Clear leaves as it is: a property of a control and its value as text
// ("true" for a checked button).
struct Kept {
    const char* control = nullptr;
    const char* property = nullptr;
    const char* value = nullptr;
};

struct ClearCase {
    const char* name;
    Order order;
    std::string clear; // the click or the access key
    Cleared cleared;
    const char* focused; // the box that had the focus keeps it
    const char* copy;    // a copy button, which then copies "0.00"
    Kept kept = {};
};

void PrintTo(const ClearCase& c, std::ostream* os) {
    *os << c.name;
}

class ClearTest : public SharedControlsTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearTest, EmptiesTheBoxesAndKeepsTheFocusAndTheChoices) {
    const ClearCase& c = GetParam();
    fill(c.order);
    send(c.clear);
    for (const char* box : c.cleared.boxes)
        EXPECT_EQ(text(box), "") << box;
    for (const auto& [label, shown] : c.cleared.results)
        EXPECT_EQ(text(label), shown) << label;
    EXPECT_TRUE(focused(c.focused));
    if (c.kept.control) {
        EXPECT_EQ(control(c.kept.control)[c.kept.property].toVariant().toString().toStdString(),
                  c.kept.value);
    }
    send(click(c.copy));
    EXPECT_EQ(value(R"(["clipboard"])").toString().toStdString(), "0.00");
}

const Cleared kRoundCleared{
    {"RDiaEdit", "RLengthEdit", "RQtyEdit"},
    {{"RKGMLabel", "0.00 kg"}, {"RKGBarLabel", "0.00 kg"}, {"RKGQtyLabel", "0.00 kg"}}};
const Cleared kPolygonCleared{{"PAFEdit", "PLengthEdit", "PQtyEdit"},
                              {{"PKGMLabel", "0.00 kg"},
                               {"PKGBarLabel", "0.00 kg"},
                               {"PKGQtyLabel", "0.00 kg"},
                               {"PMachineDiameter", "0.00 mm"}}};
const Cleared kTubeCleared{
    {"TODEdit", "TThicknessEdit", "TLengthEdit", "TQtyEdit"},
    {{"TKGMLabel", "0.00 kg"}, {"TKGBarLabel", "0.00 kg"}, {"TKGQtyLabel", "0.00 kg"}}};
const Cleared kTurningCleared{{"TurnFeedDiaEdit", "TurnFeedLengthEdit", "TurnFeedQtyEdit",
                               "TurnCost1Edit", "TurnCost2Edit", "TurnProdDiaEdit"},
                              {{"TurnFeedDiaKGMLabel", "0.00 kg/m"},
                               {"TurnFeedLengthLabel", "0.00 kg"},
                               {"TurnFeedQtyLabel", "0.00 kg"},
                               {"TotalCostLabel", "Total Cost 0.00"},
                               {"ProdLossLabel", "Production loss 0.00%"},
                               {"TurnProdDiaKGMLabel", "0.00 kg/m"},
                               {"TurnProdCostLabel", "0.00"}}};

const ClearCase kClearCases[] = {
    {"Round", kRoundOrder, click("RClearButton"), kRoundCleared, "RQtyEdit", "RKGQCopyBtn"},
    {"RoundByAltC", kRoundOrder, key("Alt+C"), kRoundCleared, "RQtyEdit", "RKGMCopyBtn"},
    {"PolygonKeepsItsShape",
     kPolygonOrder,
     click("PClearButton"),
     kPolygonCleared,
     "PAFEdit",
     "PKGMCopyBtn",
     {"PCombo", "current", "Triangle"}},
    {"TubeByAltC", kTubeOrder, key("Alt+C"), kTubeCleared, "TQtyEdit", "TKGQtyCopyBtn"},
    {"TurningByAltCKeepsTheBases",
     kTurningOrder,
     key("Alt+C"),
     kTurningCleared,
     "TurnProdDiaEdit",
     "TurnProdCostCopyBtn",
     {"TurnCost2LumpRadio", "checked", "true"}},
};

INSTANTIATE_TEST_SUITE_P(Pages, ClearTest, ::testing::ValuesIn(kClearCases), caseName<ClearCase>);

} // namespace
} // namespace kelvane::testing
