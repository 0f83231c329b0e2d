// Options > Units: the choice kept between runs in the settings file, which is written
// only when the user changes it, and which can never cost the favourite or start-up.

#include "DriveFixture.h"

#include <QDir>
#include <QFile>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace kelvane::testing {
namespace {

class UnitsTest : public DriveTest {
protected:
    // The Units entries as "caption:checked:accessKey".
    std::vector<std::string> unitsEntries();
};

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
        EXPECT_TRUE(value(R"(["menuitems","Options"])").toArray()[0].toObject()["checked"].toBool());
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
