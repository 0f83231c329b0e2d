// kelvane-calc and the window, fed the same seeded random inputs, show the same texts:
// every weight page, the conversion page, turning and CE. The program is run through
// its library entry point, the code its main() runs.

#include "DriveFixture.h"

#include "carbon/CarbonEquivalent.h"
#include "cli/CalcProgram.h"
#include "common/Caption.h"
#include "convert/ConversionResults.h"
#include "turning/TurningCost.h"
#include "weights/WeightPageModel.h"

#include <functional>
#include <random>
#include <sstream>

namespace kelvane::testing {
namespace {

constexpr int kCasesPerPage = 200;
constexpr int kImperialCasesPerPage = 300;

class CalcCrossCheckTest : public DriveTest {
protected:
    // The program's results, from its JSON, by caption name.
    QJsonObject calcResults(const std::vector<std::string>& arguments) {
        std::vector<std::string> withJson = arguments;
        withJson.push_back("--json");
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const CalcEnvironment environment{path("bin/"), {}, Separators{".", ","}};
        const int status = runCalc(withJson, environment, in, out, err);
        EXPECT_EQ(status, 0) << err.str();
        lastErr_ = err.str();
        return QJsonDocument::fromJson(QByteArray::fromStdString(out.str()))
            .object()["results"]
            .toObject();
    }

    std::string lastErr_; // standard error of the last run
    int notedCases_ = 0;  // weighings with a note, such as a wall past the centre

    static std::string shown(const QJsonObject& results, std::string_view caption) {
        return results[QString::fromStdString(std::string(captionName(caption)))]
            .toString()
            .toStdString();
    }

    // A number as a user might type it: up to `digits` digits before the point, up to
    // three after it, now and then 0.
    static std::string number(std::mt19937& random, int digits) {
        if (random() % 12 == 0)
            return "0";
        std::string text = std::to_string(random() % static_cast<unsigned>(std::pow(10, digits)));
        const unsigned decimals = random() % 4;
        if (decimals > 0) {
            text += '.';
            for (unsigned i = 0; i < decimals; ++i)
                text += static_cast<char>('0' + random() % 10);
        }
        return text;
    }

    // A material from the table, chosen from the menu, with commercial rounding on or
    // (switched off from the Options menu) off; the program's options for the same.
    std::vector<std::string> chooseMaterial(std::mt19937& random) {
        static const char* const kMaterials[] = {"Acetal", "Mild Steel", "Nylon 6"};
        const std::string material = kMaterials[random() % 3];
        send(R"(["menu","Material",)" + quoted(material) + "]");
        std::vector<std::string> options = {"--material", material};
        if (random() % 3 == 0) {
            send(R"(["menu","Options","Commercial Rounding"])");
            options.push_back("--exact");
        }
        return options;
    }

    // A dimension in inches as a user might type it: inches with decimals, feet with
    // or without inches, or inches with a fraction.
    static std::string imperialDimension(std::mt19937& random) {
        switch (random() % 4) {
        case 0:
            return number(random, 2);
        case 1:
            return std::to_string(random() % 25) + "'";
        case 2:
            return std::to_string(random() % 25) + "'" + std::to_string(random() % 12) + "\"";
        default: {
            const unsigned denominator = 2u << (random() % 5);
            const std::string fraction = std::to_string(1 + random() % (denominator - 1)) + "/" +
                                         std::to_string(denominator);
            const unsigned whole = random() % 12;
            return whole == 0 ? fraction + "\"" : std::to_string(whole) + "." + fraction;
        }
        }
    }

    void paste(const std::string& box, const std::string& text) {
        send(R"(["paste",)" + quoted(box) + "," + quoted(text) + "]");
    }

    void checkWeightPage(std::mt19937& random, const std::string& caption,
                         const WeightPageDefinition& page, const std::string& command,
                         Units units = Units::Metric) {
        send(R"(["page",)" + quoted(caption) + "]");
        std::vector<std::string> arguments = chooseMaterial(random);
        if (units == Units::Imperial) {
            send(R"(["menu","Options","Units","Inches and Pounds"])");
            arguments.insert(arguments.end(), {"--units", "imperial"});
        }
        arguments.push_back(command);
        if (!page.shapes.empty()) {
            const std::string shape(page.shapes[random() % page.shapes.size()].name);
            send(R"(["select",)" + quoted(std::string(page.shapeBoxName)) + "," + quoted(shape) +
                 "]");
            arguments.push_back(shape); // the program reads the shape in any case
        }
        const bool withoutQuantity = random() % 4 == 0;
        for (std::size_t i = 0; i < page.boxes.size(); ++i) {
            const bool quantity = i + 1 == page.boxes.size();
            const std::string value = quantity && withoutQuantity ? "1"
                                      : quantity || units == Units::Metric
                                          ? number(random, 4)
                                          : imperialDimension(random);
            paste(std::string(page.boxes[i].objectName), value);
            if (!(quantity && withoutQuantity))
                arguments.push_back(value);
        }
        const QJsonObject results = calcResults(arguments);
        WeightPageModel captions(page);
        captions.setUnits(units);
        for (std::size_t i = 0; i < page.results.size(); ++i)
            EXPECT_EQ(text(std::string(page.results[i].labelName)),
                      shown(results, captions.resultCaption(i)))
                << page.results[i].labelName;
        // A note on a box (a wall that reaches the centre) is the program's note.
        std::string notes;
        for (const EntryBoxDefinition& box : page.boxes) {
            const QJsonObject state =
                value(R"(["get",)" + quoted(std::string(box.objectName)) + "]").toObject();
            if (state.contains("toolTip"))
                notes += state["toolTip"].toString().toStdString() + "\n";
        }
        EXPECT_EQ(lastErr_, notes);
        notedCases_ += notes.empty() ? 0 : 1;
        if (!page.machiningLabelName.empty()) {
            EXPECT_EQ(text(std::string(page.machiningLabelName)),
                      shown(results, kMachiningCaption));
        }
    }

    void checkConversion(std::mt19937& random) {
        send(R"(["page","M/I"])");
        const bool sixtyFourths = random() % 2 == 0;
        send(sixtyFourths ? R"(["menu","Options","Fractions","Nearest 1/64\""])"
                          : R"(["menu","Options","Fractions","Nearest 1/32\""])");
        std::string entry;
        switch (random() % 3) {
        case 0:
            entry = number(random, 5);
            break;
        case 1:
            entry = std::to_string(random() % 40) + "'" + std::to_string(random() % 12) + "\"";
            break;
        default: {
            const unsigned denominator = 2u << (random() % 6);
            entry = std::to_string(random() % 30) + "." +
                    std::to_string(1 + random() % (denominator - 1)) + "/" +
                    std::to_string(denominator) + "\"";
        }
        }
        paste("MIConvEdit", entry);
        const QJsonObject results =
            calcResults({"convert", entry, "--fractions", sixtyFourths ? "64" : "32"});
        for (std::size_t i = 0; i < kImperialCaptions.size(); ++i) {
            const std::string row = std::to_string(i + 1);
            EXPECT_EQ(text("ImpLabel" + row), shown(results, kImperialCaptions[i])) << entry;
            EXPECT_EQ(text("MetLabel" + row), shown(results, kMetricCaptions[i])) << entry;
        }
    }

    void checkTurning(std::mt19937& random) {
        send(R"(["page","Turning"])");
        std::vector<std::string> arguments = chooseMaterial(random);
        arguments.push_back("turning");
        for (const TurningBoxDefinition& box : kTurningBoxes) {
            const std::string value = number(random, 4);
            paste(std::string(box.objectName), value);
            arguments.push_back(value);
        }
        const bool stockLump = random() % 2 == 0;
        const bool turningLump = random() % 2 == 0;
        send(stockLump ? R"(["click","TurnCost1LumpRadio"])"
                       : R"(["click","TurnCost1TonneRadio"])");
        send(turningLump ? R"(["click","TurnCost2LumpRadio"])"
                         : R"(["click","TurnCost2TonneRadio"])");
        if (stockLump)
            arguments.push_back("--stock-lump-sum");
        if (turningLump)
            arguments.push_back("--turning-lump-sum");
        const QJsonObject results = calcResults(arguments);
        const char* const labels[] = {
            "TurnFeedDiaKGMLabel", "TurnFeedLengthLabel", "TurnFeedQtyLabel", "TurnProdDiaKGMLabel",
            "TotalCostLabel",      "ProdLossLabel",       "TurnProdCostLabel"};
        for (std::size_t i = 0; i < std::size(labels); ++i) {
            const std::string_view caption = kTurningResultCaptions[i];
            // The total cost and the loss labels start with their own caption.
            const bool captioned = std::string(labels[i]) == "TotalCostLabel" ||
                                   std::string(labels[i]) == "ProdLossLabel";
            const std::string expected =
                (captioned ? std::string(caption) + " " : "") + shown(results, caption);
            EXPECT_EQ(text(labels[i]), expected) << labels[i];
        }
    }

    void checkCarbon(std::mt19937& random) {
        send(R"(["page","CE"])");
        std::vector<std::string> arguments = {"ce"};
        for (const ElementDefinition& element : kElements) {
            // Contents of a few per cent at most, as an analysis gives them.
            const std::string value = std::to_string(random() % 3) + "." +
                                      std::to_string(random() % 10) + std::to_string(random() % 10);
            paste(std::string(element.objectName), value);
            arguments.push_back(value);
        }
        const QJsonObject results = calcResults(arguments);
        EXPECT_EQ(text("CEVLbl"), shown(results, kCarbonResultCaption));
        const int position = value(R"(["get","CEVTrackBar"])").toObject()["position"].toInt();
        EXPECT_EQ(std::string(kCarbonBands.at(static_cast<std::size_t>(position)).rating),
                  shown(results, kCarbonRatingCaption));
    }
};

TEST_F(CalcCrossCheckTest, WindowAndProgramShowTheSameTexts) {
    const auto weightPage = [&](WeightShape shape, const char* caption, const char* command) {
        return [this, shape, caption, command](std::mt19937& random) {
            checkWeightPage(random, caption, weightPageDefinition(shape), command);
        };
    };
    const struct {
        const char* page;
        std::function<void(std::mt19937&)> check;
    } checks[] = {
        {"Round", weightPage(WeightShape::Round, "Round", "round")},
        {"Polygon", weightPage(WeightShape::Polygon, "Polygon", "polygon")},
        {"Flat/Square", weightPage(WeightShape::FlatSquare, "Flat/Square", "flat")},
        {"Plate/Sheet", weightPage(WeightShape::PlateSheet, "Plate/Sheet", "plate")},
        {"Tube", weightPage(WeightShape::Tube, "Tube", "tube")},
        {"Hollow Section", weightPage(WeightShape::HollowSection, "Hollow Section", "hollow")},
        {"M/I",
         [this](std::mt19937& random) {
             checkConversion(random);
         }},
        {"Turning",
         [this](std::mt19937& random) {
             checkTurning(random);
         }},
        {"CE",
         [this](std::mt19937& random) {
             checkCarbon(random);
         }},
    };
    start();
    for (const auto& check : checks) {
        SCOPED_TRACE(check.page);
        std::mt19937 random(20261208);
        for (int i = 0; i < kCasesPerPage && !HasFailure(); ++i) {
            SCOPED_TRACE(i);
            check.check(random);
        }
    }
    // About half the random tubes and hollow sections have walls past the centre.
    EXPECT_GT(notedCases_, kCasesPerPage / 2);
}

// In inches and pounds, typed in the inch notation: the window's figures are the
// program's, which its own tests show to be the metric figures converted.
TEST_F(CalcCrossCheckTest, WindowAndProgramShowTheSameTextsInInchesAndPounds) {
    const struct {
        WeightShape shape;
        const char* caption;
        const char* command;
    } pages[] = {
        {WeightShape::Round, "Round", "round"},
        {WeightShape::Polygon, "Polygon", "polygon"},
        {WeightShape::FlatSquare, "Flat/Square", "flat"},
        {WeightShape::PlateSheet, "Plate/Sheet", "plate"},
        {WeightShape::Tube, "Tube", "tube"},
        {WeightShape::HollowSection, "Hollow Section", "hollow"},
    };
    start();
    for (const auto& page : pages) {
        SCOPED_TRACE(page.caption);
        std::mt19937 random(20261209);
        for (int i = 0; i < kImperialCasesPerPage && !HasFailure(); ++i) {
            SCOPED_TRACE(i);
            checkWeightPage(random, page.caption, weightPageDefinition(page.shape), page.command,
                            Units::Imperial);
        }
    }
}

} // namespace
} // namespace kelvane::testing
