// Options > Units: the choice kept between runs in the settings file, which is written
// only when the user changes it, and which can never cost the favourite or start-up.

#include "DriveFixture.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace kelvane::testing {
namespace {

class UnitsTest : public DriveTest {
protected:
    // The Units entries as "caption:checked:accessKey".
    std::vector<std::string> unitsEntries();
    // Every text of the page on display, named or not.
    std::vector<std::string> pageTexts();
};

std::vector<std::string> UnitsTest::pageTexts() {
    std::vector<std::string> texts;
    for (const QJsonValue control : value(R"(["layout"])").toObject()["controls"].toArray())
        if (const QString text = control.toObject()["text"].toString(); !text.isEmpty())
            texts.push_back(text.toStdString());
    return texts;
}

bool contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

std::vector<std::string> UnitsTest::unitsEntries() {
    std::vector<std::string> entries;
    for (const QJsonValue entry : value(R"(["menuitems","Options","Units"])").toArray()) {
        const QJsonObject item = entry.toObject();
        EXPECT_TRUE(item["radio"].toBool());
        entries.push_back(item["caption"].toString().toStdString() + ":" +
                          (item["checked"].toBool() ? "checked" : "-") + ":" +
                          item["accessKey"].toString().toStdString());
    }
    return entries;
}

const std::vector<std::string> kMetricChecked = {"Millimetres and Kilograms:checked:Alt+M",
                                                 "Inches and Pounds:-:Alt+I"};
const std::vector<std::string> kImperialChecked = {"Millimetres and Kilograms:-:Alt+M",
                                                   "Inches and Pounds:checked:Alt+I"};

TEST_F(UnitsTest, TheChoiceIsKeptBetweenRunsAndWrittenOnlyWhenChanged) {
    writeFile("Data/Material.txt", "Mild Steel\r\n");
    start();
    EXPECT_EQ(unitsEntries(), kMetricChecked);
    send(R"(["menu","Options","Units","Millimetres and Kilograms"])"); // no change
    send(R"(["close"])");
    EXPECT_FALSE(fileExists("bin/Settings.txt"));

    session_.reset();
    start();
    send(R"(["menu","Options","Units","Inches and Pounds"])");
    EXPECT_EQ(lastEvents(), QJsonArray{});
    EXPECT_EQ(readFile("bin/Settings.txt"), "units=imperial\r\n");
    EXPECT_EQ(unitsEntries(), kImperialChecked);
    send(R"(["close"])");

    session_.reset();
    start();
    EXPECT_EQ(unitsEntries(), kImperialChecked);
    send(R"(["menu","Options","Units","Millimetres and Kilograms"])");
    EXPECT_EQ(readFile("bin/Settings.txt"), "units=metric\r\n");
    EXPECT_EQ(readFile("Data/Material.txt"), "Mild Steel\r\n");
}

// Four 12-foot bars of 2" round in mild steel, typed key by key; the figures follow
// the units, and a switch empties the boxes, whose numbers meant the other units.
TEST_F(UnitsTest, TheWeightPagesReadInchesAndShowPounds) {
    writeFile("Data/Material.txt", "Mild Steel\r\n");
    start();
    send(R"(["menu","Options","Units","Inches and Pounds"])");
    typeInto("RDiaEdit", "2\"x'");
    typeInto("RLengthEdit", "12'");
    typeInto("RQtyEdit", "4'");
    EXPECT_EQ(text("RDiaEdit"), "2\""); // nothing after the inch mark
    EXPECT_EQ(text("RLengthEdit"), "12'");
    EXPECT_EQ(text("RQtyEdit"), "4"); // a quantity takes no mark
    EXPECT_EQ(text("RKGMLabel"), "10.90 lb/ft");
    EXPECT_EQ(text("RKGBarLabel"), "130.75 lb");
    EXPECT_EQ(text("RKGQtyLabel"), "523.00 lb");
    const std::vector<std::string> imperial = pageTexts();
    for (const char* shown : {"Enter all dimensions in inches (in); feet with '", "Weight per Foot",
                              "Weight per Bar", "Total Weight"})
        EXPECT_TRUE(contains(imperial, shown)) << shown;
    EXPECT_EQ(control("RKGMCopyBtn")["toolTip"].toString(), "Copy the weight per foot");
    send(R"(["click","RKGQCopyBtn"])");
    EXPECT_EQ(value(R"(["clipboard"])").toString(), "523.00");

    // A page first made after the switch is made in the units chosen.
    send(R"(["page","Plate/Sheet"])");
    typeInto("SLengthEdit", "96");
    typeInto("SWidthEdit", "48");
    typeInto("SThicknessEdit", "1/4");
    EXPECT_EQ(text("SKGSQMLabel"), "10.40 lb/ft²");
    EXPECT_TRUE(contains(pageTexts(), "Weight per Sq. Foot"));

    send(R"(["menu","Options","Units","Millimetres and Kilograms"])");
    EXPECT_EQ(text("SLengthEdit"), "");
    EXPECT_EQ(text("SKGSQMLabel"), "0.00 kg");
    send(R"(["page","Round"])");
    EXPECT_EQ(text("RDiaEdit"), "");
    EXPECT_EQ(text("RKGQtyLabel"), "0.00 kg");
    const std::vector<std::string> metric = pageTexts();
    EXPECT_TRUE(contains(metric, "Enter all dimensions in millimetres (mm)"));
    EXPECT_TRUE(contains(metric, "Weight per Metre"));
    EXPECT_EQ(control("RKGMCopyBtn")["toolTip"].toString(), "Copy the weight per metre");
}

// Started with inches and pounds kept, the first page is in them from the start.
TEST_F(UnitsTest, APageStartsInTheUnitsKept) {
    writeFile("bin/Settings.txt", "units=imperial\r\n");
    writeFile("Data/Material.txt", "Mild Steel\r\n");
    start();
    EXPECT_TRUE(contains(pageTexts(), "Enter all dimensions in inches (in); feet with '"));
    send(R"(["paste","RDiaEdit","2"])");
    send(R"(["paste","RLengthEdit","12'"])");
    EXPECT_EQ(text("RKGBarLabel"), "130.75 lb");
}

TEST_F(UnitsTest, ABadSettingsFileChangesNothingButTheUnits) {
    struct Case {
        const char* what;
        const char* settingsFile; // nullptr: a folder in its place
        bool unreadable;
    };
    const Case cases[] = {
        {"garbage", "\x01\xFF\xFE units=inches\r\n=\r\n\x7F", false},
        {"a folder", nullptr, false},
        {"unreadable", "units=imperial\r\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
#ifdef _WIN32
        if (c.unreadable)
            continue; // a Windows file without read permission takes an access-control list
#else
        if (c.unreadable && geteuid() == 0)
            continue; // file permissions do not bind the superuser
#endif
        QDir(QString::fromStdString(path("bin"))).removeRecursively();
        QDir().mkpath(QString::fromStdString(path("bin")));
        writeFile("Data/Material.txt", "Mild Steel\r\n");
        if (c.settingsFile)
            writeFile("bin/Settings.txt", c.settingsFile);
        else
            QDir().mkpath(QString::fromStdString(path("bin/Settings.txt")));
        if (c.unreadable)
            QFile::setPermissions(QString::fromStdString(path("bin/Settings.txt")),
                                  QFile::WriteOwner);
        start();
        EXPECT_EQ(lastEvents(), QJsonArray{}); // no error box
        EXPECT_EQ(unitsEntries(), kMetricChecked);
        EXPECT_EQ(statusPanel(0), "Material: Mild Steel");
        EXPECT_TRUE(
            value(R"(["menuitems","Options"])").toArray()[0].toObject()["checked"].toBool());
        if (!c.settingsFile) {
            // The choice still holds for this run; that it cannot be kept is said once.
            send(R"(["menu","Options","Units","Inches and Pounds"])");
            EXPECT_EQ(lastEvents().size(), 1);
            EXPECT_EQ(lastEvents()[0].toObject()["text"].toString(), "File access denied.");
            EXPECT_EQ(unitsEntries(), kImperialChecked);
        }
        send(R"(["close"])");
        EXPECT_EQ(lastEvents(), (QJsonArray{QJsonObject{{"type", "closed"}}})); // nothing asked
        EXPECT_EQ(readFile("Data/Material.txt"), "Mild Steel\r\n");
        session_.reset();
    }
}

} // namespace
} // namespace kelvane::testing
