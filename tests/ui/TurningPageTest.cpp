// The "Turning" page as a user meets it: typed figures, the cost bases, Clear, the
// copy button, and figures that follow the density in use.

#include "DriveFixture.h"

#include "turning/TurningCost.h"

namespace kelvane::testing {
namespace {

class TurningPageTest : public DriveTest {
protected:
    // 0.95 rounds to a density of 1.25, 7.85 to 8.
    void startOnPage() {
        writeFile("Data/Density_Plastics.csv", "Test Grade,0.95\r\nMild Steel,7.85\r\n");
        start();
        send(R"(["page","Turning"])");
    }

    void paste(const std::string& box, const std::string& text) {
        send(R"(["paste",)" + quoted(box) + "," + quoted(text) + "]");
    }

    bool checked(const std::string& control) {
        return value(R"(["get",)" + quoted(control) + "]").toObject()["checked"].toBool();
    }

    // The page's seven result texts, top to bottom.
    std::vector<std::string> results() {
        std::vector<std::string> texts;
        for (const char* label :
             {"TurnFeedDiaKGMLabel", "TurnFeedLengthLabel", "TurnFeedQtyLabel", "TotalCostLabel",
              "ProdLossLabel", "TurnProdDiaKGMLabel", "TurnProdCostLabel"})
            texts.push_back(text(label));
        return texts;
    }

    // The worked order: 50 × 3000 × 10 feedstock, 800 per tonne of stock, a turning
    // lump sum of 150, turned down to 45, every figure typed as a user would.
    void typeWorkedOrder() {
        typeInto("TurnFeedDiaEdit", "50\r3000\r10\r800");
        typeInto("TurnCost2Edit", "150");
        send(R"(["click","TurnCost2LumpRadio"])");
        typeInto("TurnProdDiaEdit", "45");
    }

    const std::vector<std::string> kStartTexts = {
        "0.00 kg/m", "0.00 kg", "0.00 kg", "Total Cost", "Production loss 0.00%",
        "0.00 kg/m", "0.00"};
    const std::vector<std::string> kWorkedTexts = {
        "2.45 kg/m", "7.36 kg", "73.63 kg", "Total Cost 208.90", "Production loss 19.00%",
        "1.99 kg/m", "3502.70"};
};

TEST_F(TurningPageTest, WorkedOrderShowsEveryFigure) {
    startOnPage();
    EXPECT_EQ(results(), kStartTexts);
    EXPECT_TRUE(checked("TurnCost1TonneRadio"));
    EXPECT_TRUE(checked("TurnCost2TonneRadio"));

    typeWorkedOrder();
    EXPECT_EQ(results(), kWorkedTexts);
    // Each pair is exclusive on its own: the stock cost keeps "Tonne".
    EXPECT_TRUE(checked("TurnCost1TonneRadio"));
    EXPECT_FALSE(checked("TurnCost2TonneRadio"));
}

TEST_F(TurningPageTest, MissingInputsLeaveOnlyTheFiguresTheyFeed) {
    struct Case {
        const char* name;
        std::array<const char*, 6> entries; // the six boxes in tab order
        bool stockLump, turningLump;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"costs of 0 add nothing whatever their basis",
         {"50", "3000", "10", "0", "0", "45"},
         true,
         false,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "Total Cost 0.00", "Production loss 19.00%",
          "1.99 kg/m", "0.00"}},
        {"no produced diameter",
         {"50", "3000", "10", "800", "", ""},
         false,
         false,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "Total Cost 58.90", "Production loss 0.00%",
          "0.00 kg/m", "0.00"}},
        {"no quantity: a lump sum still counts in full",
         {"50", "3000", "", "800", "150", "45"},
         false,
         true,
         {"2.45 kg/m", "7.36 kg", "0.00 kg", "Total Cost 150.00", "Production loss 0.00%",
          "1.99 kg/m", "0.00"}},
        {"a produced diameter above the feedstock",
         {"50", "3000", "10", "", "100", "55"},
         false,
         true,
         {"2.45 kg/m", "7.36 kg", "73.63 kg", "Total Cost 100.00", "Production loss -21.00%",
          "2.97 kg/m", "1122.42"}},
    };
    for (const Case& c : cases) {
        startOnPage();
        if (c.stockLump)
            send(R"(["click","TurnCost1LumpRadio"])");
        if (c.turningLump)
            send(R"(["click","TurnCost2LumpRadio"])");
        for (std::size_t i = 0; i < kTurningBoxes.size(); ++i)
            paste(std::string(kTurningBoxes[i].objectName), c.entries[i]);
        EXPECT_EQ(results(), c.expected) << c.name;
        session_.reset();
    }
}

TEST_F(TurningPageTest, ChangingTheBasisRecalculatesAtOnce) {
    startOnPage();
    typeWorkedOrder();
    send(R"(["click","TurnCost2TonneRadio"])"); // 150 per tonne of 73.63 kg
    EXPECT_EQ(text("TotalCostLabel"), "Total Cost 69.95");
    EXPECT_FALSE(checked("TurnCost2LumpRadio"));
    send(R"(["click","TurnCost1LumpRadio"])"); // 800 as one sum
    EXPECT_EQ(text("TotalCostLabel"), "Total Cost 811.04");
}

// The page reads the density, so it follows a change made while it is on display and
// one made while it was out of view, and copies what it then shows. Before it has been
// worked out at all it keeps its first texts.
TEST_F(TurningPageTest, FiguresFollowTheDensityOnDisplayAndComingIntoView) {
    const struct {
        const char* label;
        const char* change;
        bool away; // the change is made on the Round page
        const char* feedPerMetre;
    } cases[] = {
        {"material on display", R"(["menu","Material","Mild Steel"])", false, "15.71 kg/m"},
        {"material out of view", R"(["menu","Material","Mild Steel"])", true, "15.71 kg/m"},
        {"rounding off out of view", R"(["menu","Options","Commercial Rounding"])", true,
         "1.87 kg/m"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        startOnPage();
        typeWorkedOrder();
        if (c.away)
            send(R"(["page","Round"])");
        send(c.change);
        send(R"(["page","Turning"])");
        EXPECT_EQ(text("TurnFeedDiaKGMLabel"), c.feedPerMetre);
        EXPECT_EQ(text("ProdLossLabel"), "Production loss 19.00%"); // no density in it
        send(R"(["click","TurnProdCostCopyBtn"])");
        EXPECT_EQ(value(R"(["clipboard"])").toString().toStdString(), text("TurnProdCostLabel"));
        EXPECT_NE(text("TurnProdCostLabel"), "3502.70");
        send(R"(["close"])");
        session_.reset();
    }

    startOnPage();
    send(R"(["page","Round"])");
    send(R"(["menu","Material","Mild Steel"])");
    send(R"(["page","Turning"])");
    EXPECT_EQ(results(), kStartTexts);
}

} // namespace
} // namespace kelvane::testing
