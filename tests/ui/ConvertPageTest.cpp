// The "M/I" page through the driver: keys typed one by one into the entry box, the
// ten result labels, the fraction option and the error report.

#include "DriveFixture.h"

#include <QClipboard>
#include <QGuiApplication>

#include <array>
#include <string>

namespace kelvane::testing {
namespace {

using Results = std::array<std::string, 10>;

constexpr const char* kResultLabels[] = {"ImpLabel1", "ImpLabel2", "ImpLabel3", "ImpLabel4",
                                         "ImpLabel5", "MetLabel1", "MetLabel2", "MetLabel3",
                                         "MetLabel4", "MetLabel5"};

class ConvertPageTest : public DriveTest {
protected:
    void open(const std::string& decimal = ".", const std::string& thousands = ",") {
        start(decimal, thousands);
        send(R"(["page","M/I"])");
        send(R"(["focus","MIConvEdit"])");
    }
    // Empties the box, then types `keys` one by one through the box's key filter.
    void enter(const std::string& keys) {
        send(R"(["paste","MIConvEdit",""])");
        send(R"(["type",)" + quoted(keys) + "]");
    }
    Results results() {
        Results texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = text(kResultLabels[i]);
        return texts;
    }
    bool fractionChecked(int item) {
        return value(R"(["menuitems","Options","Fractions"])")
            .toArray()[item]
            .toObject()["checked"]
            .toBool();
    }
};

TEST_F(ConvertPageTest, FirstStateShowsTheNotationHelpAndNothingElse) {
    open();
    EXPECT_EQ(text("Label87"),
              "To convert between metric and imperial dimensions  enter a number below\n\n"
              "Metric Format - enter in millimetres (mm):\n12345 or 12345.678 or 0.512\n\n"
              "Imperial Format - enter inches, feet, fractions or any combination::\n"
              "1'2\" or 34\" or 1.1/4\" or 12'9.3/4\"");
    EXPECT_EQ(text("MIConvEdit"), "");
    EXPECT_EQ(results(), Results{});
    EXPECT_TRUE(fractionChecked(0));
    EXPECT_FALSE(fractionChecked(1));
}

TEST_F(ConvertPageTest, TypedEntriesShowTheTenConversions) {
    const struct {
        const char* keys;
        Results expected;
    } cases[] = {
        {"1000",
         {"3'3.3/8\"", "39.3/8\"", "", "39.37\"", "39\"", "1000", "100", "1", "0.001", "1000"}},
        {"12'9.3/4\"",
         {"12'9.3/4\"", "153.3/4\"", "", "153.75\"", "154\"", "3905.25", "390.525", "3.905",
          "0.004", "3900"}},
        {"1/2\"",
         {"0'0.1/2\"", "0.1/2\"", "1/2\"", "0.5\"", "0\"", "12.7", "1.27", "0.013", "0", "25"}},
        {"0.512",
         {"0'0.1/32\"", "0.1/32\"", "1/32\"", "0.02\"", "0\"", "0.512", "0.051", "0.001", "0",
          "0"}},
        {"87.5",
         {"0'3.7/16\"", "3.7/16\"", "", "3.445\"", "3\"", "87.5", "8.75", "0.088", "0", "100"}},
        // A typed fraction of an inch or more shows what is left over in its own terms.
        {"5/4\"",
         {"0'1.1/4\"", "1.1/4\"", "", "1.25\"", "1\"", "31.75", "3.175", "0.032", "0", "25"}},
        // feet followed directly by a fraction of an inch.
        {"12'3/4\"",
         {"12'0.3/4\"", "144.3/4\"", "", "144.75\"", "145\"", "3676.65", "367.665", "3.677",
          "0.004", "3675"}},
        // A point with no digit after it adds nothing.
        {"1.\"", {"0'1\"", "1\"", "", "1\"", "1\"", "25.4", "2.54", "0.025", "0", "25"}},
        {"3/4", {}}, // a fraction is read only once the inch mark closes it
    };
    open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        enter(c.keys);
        EXPECT_EQ(results(), c.expected);
        EXPECT_TRUE(lastEvents().isEmpty());
    }
}

TEST_F(ConvertPageTest, KeyFilterRefusesWhatCannotBeRead) {
    const struct {
        const char* keys;
        const char* boxText;
    } cases[] = {
        {"'\"./1", "1"},        // no mark starts an entry
        {"1..2//", "1.2/"},     // each mark at most once
        {"1'2'\"\"", "1'2\""},  //
        {"1.'", "1."},          // no feet mark once there is a point
        {"1'.", "1'"},          // no point straight after a mark
        {"1/.", "1/"},          //
        {"1./", "1."},          // no slash straight after a point or a mark
        {"1'/", "1'"},          //
        {"3/4'.", "3/4"},       // no feet mark or point once there is a slash
        {"5\"3'./", "5\""},     // the inch mark completes the entry
        {"12\"\b5\"", "125\""}, // ...which can still be shortened
        {"12\"\r", "12\""},     // Enter is admitted but types nothing
        {"1a B,-+ 2", "12"},    // letters, blanks, signs and the comma
        {"1\x02", "1"},         // control characters other than the editing keys
        {"1\x16", "17"},        // Ctrl+V pastes, as the context menu's Paste does
    };
    open();
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        enter(c.keys);
        EXPECT_EQ(text("MIConvEdit"), c.boxText);
    }
}

TEST_F(ConvertPageTest, FractionOptionRecomputesAtOnce) {
    open();
    send(R"(["menu","Options","Fractions","Nearest 1/64\""])");
    EXPECT_EQ(results(), Results{}); // an empty box stays empty
    EXPECT_TRUE(fractionChecked(1));
    EXPECT_FALSE(fractionChecked(0));

    enter("0.512");
    EXPECT_EQ(text("ImpLabel1"), "0'0.1/64\"");
    EXPECT_EQ(text("ImpLabel3"), "1/64\"");
    enter("3/16\""); // a typed fraction keeps its own denominator under either option
    EXPECT_EQ(text("ImpLabel3"), "3/16\"");
    send(R"(["menu","Options","Fractions","Nearest 1/32\""])");
    EXPECT_EQ(text("ImpLabel3"), "3/16\"");
    enter("0.512");
    EXPECT_EQ(text("ImpLabel1"), "0'0.1/32\"");
}

TEST_F(ConvertPageTest, OversizedGroupIsReportedAndLeavesTheResultsEmpty) {
    open();
    enter("2147483647");
    EXPECT_EQ(text("MetLabel1"), "2147483647");
    send(R"(["key","Backspace"])");
    send(R"(["type","8"])");
    ASSERT_EQ(lastEvents().size(), 1);
    const QJsonObject event = lastEvents()[0].toObject();
    EXPECT_EQ(event["type"].toString().toStdString(), "error");
    EXPECT_EQ(event["title"].toString().toStdString(), "Kelvane");
    EXPECT_EQ(event["text"].toString().toStdString(), "'2147483648' is not a valid integer value.");
    EXPECT_EQ(results(), Results{});

    send(R"(["type","0"])"); // every further change while too large is reported again
    EXPECT_EQ(lastEvents().size(), 1);
    send(R"(["key","Backspace"])");
    send(R"(["key","Backspace"])");
    EXPECT_TRUE(lastEvents().isEmpty());
    EXPECT_EQ(text("MetLabel1"), "214748364");
}

TEST_F(ConvertPageTest, PastedTextsTheFilterWouldRefuse) {
    open();
    send(R"(["paste","MIConvEdit","1'2.3/4\"5"])"); // more than four groups: not read
    EXPECT_TRUE(lastEvents().isEmpty());
    EXPECT_EQ(results(), Results{});
    send(R"(["paste","MIConvEdit","'5\""])"); // the feet have no digits
    ASSERT_EQ(lastEvents().size(), 1);
    EXPECT_EQ(lastEvents()[0].toObject()["text"].toString().toStdString(),
              "'' is not a valid integer value.");
    EXPECT_EQ(results(), Results{});
}

TEST_F(ConvertPageTest, RegionalDecimalSeparatorInTheResults) {
    open(",", ".");
    enter("1000");
    EXPECT_EQ(results(), (Results{"3'3.3/8\"", "39.3/8\"", "", "39,37\"", "39\"", "1000", "100",
                                  "1", "0,001", "1000"}));
    enter("12345.678");
    EXPECT_EQ(text("MetLabel1"), "12345,678");
    enter("1000,5,5"); // the comma key is the point, and a second point is refused
    EXPECT_EQ(text("MIConvEdit"), "1000.55");
    EXPECT_EQ(text("MetLabel1"), "1000,55");
}

} // namespace
} // namespace kelvane::testing
