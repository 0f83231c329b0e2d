// Options > Language: the language switched at run time changes every text at once and
// keeps every figure and entry; the choice is kept in the settings file, which a broken
// line never turns into an error.

#include "DriveFixture.h"

#include <QJsonArray>

#include <string>
#include <vector>

namespace kelvane::testing {
namespace {

class LanguageTest : public DriveTest {
protected:
    // Every text of the page on display, the tabs and the status bar, in order.
    std::vector<std::string> shownTexts() {
        std::vector<std::string> texts;
        for (const QJsonValue control : value(R"(["layout"])").toObject()["controls"].toArray())
            texts.push_back(control.toObject()["text"].toString().toStdString());
        for (const QJsonValue tab : value(R"(["tabs"])").toObject()["visible"].toArray())
            texts.push_back(tab.toString().toStdString());
        for (int panel = 0; panel < 3; ++panel)
            texts.push_back(statusPanel(panel));
        return texts;
    }
};

TEST_F(LanguageTest, SwitchingChangesEveryTextAndKeepsEveryFigure) {
    writeFile("Data/Material.txt", "Mild Steel\r\n");
    start();
    typeInto("RDiaEdit", "50\r3000\r4");
    const std::vector<std::string> english = shownTexts();
    const std::string perBar = text("RKGBarLabel");

    send(R"(["menu","Options","Language","Deutsch"])");
    const std::vector<std::string> german = shownTexts();
    ASSERT_EQ(german.size(), english.size());
    EXPECT_EQ(text("RKGBarLabel"), perBar); // figures and entries stay
    EXPECT_EQ(control("RDiaEdit")["text"].toString().toStdString(), "50");
    EXPECT_EQ(text("RClearButton"), "&Löschen");
    EXPECT_EQ(statusPanel(1), "Dichte: 8 g/cm\u00B3");
    EXPECT_EQ(value(R"(["page","Round"])").toString().toStdString(), "Rundstab");
    EXPECT_EQ(readFile("bin/Settings.txt"), "units=metric\r\nlanguage=de\r\n");

    // Back in English every text is as it was, byte for byte; the menus are found by
    // their English captions in any language.
    send(R"(["menu","Options","Language","System Language"])");
    EXPECT_EQ(shownTexts(), english);
    EXPECT_EQ(readFile("bin/Settings.txt"), "units=metric\r\n");

    // The choice is kept for the next run.
    send(R"(["menu","Options","Language","Polski"])");
    send(R"(["close"])");
    start();
    EXPECT_EQ(statusPanel(2), "Zaokr\u0105glanie handlowe: w\u0142.");
}

TEST_F(LanguageTest, AnUnknownOrBrokenLanguageLineMeansTheSystemsLanguage) {
    for (const char* line : {"language=xx\r\n", "language\r\n", "language=\xFF\xFE\r\n"}) {
        SCOPED_TRACE(line);
        writeFile("bin/Settings.txt", line);
        start();
        EXPECT_TRUE(lastEvents().isEmpty());
        EXPECT_EQ(statusPanel(2), "Commercial Rounding: On");
        send(R"(["close"])");
    }
}

} // namespace
} // namespace kelvane::testing
