// Options > Language: the language switched at run time changes every text at once and
// keeps every figure and entry; the choice is kept in the settings file, which a broken
// line never turns into an error.

#include "DriveFixture.h"

#include "platform/ShownText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QPushButton>

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
    EXPECT_EQ(control("RKGMCopyBtn")["toolTip"].toString().toStdString(),
              "Gewicht je Meter kopieren");
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* copy = window->findChild<QPushButton*>(QStringLiteral("RKGMCopyBtn"))) {
            EXPECT_EQ(copy->accessibleName().toStdString(), "Gewicht je Meter kopieren");
        }
    }
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

// The quote's captions, descriptions and totals follow a switch of language while the
// Quote page is on display, and come back byte for byte in English.
TEST_F(LanguageTest, TheQuoteFollowsTheLanguage) {
    writeFile("Data/Material.txt", "Mild Steel\r\n");
    start();
    typeInto("RDiaEdit", "50\r3000\r4");
    send(R"(["click","RAddBtn"])");
    send(R"(["page","Quote"])");
    const auto quote = [this] {
        const QJsonObject table = control("QuoteTable");
        return std::vector<std::string>{
            table["headers"].toArray()[0].toString().toStdString(),
            table["rows"].toArray()[0].toArray()[0].toString().toStdString(),
            text("QuoteTotalLabel"), text("QuoteCountLabel")};
    };
    const std::vector<std::string> english = quote();
    EXPECT_EQ(english[1], std::string("Round 50 \u00D7 3000 mm, Mild Steel"));

    send(R"(["menu","Options","Language","Deutsch"])");
    EXPECT_EQ(quote(),
              (std::vector<std::string>{
                  std::string("Position"), std::string("Rundstab 50 \u00D7 3000 mm, Mild Steel"),
                  std::string("Summe: 188.50 kg"), std::string("1 Position")}));
    send(R"(["menu","Options","Language","System Language"])");
    EXPECT_EQ(quote(), english);
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

// A core text made of a caption and a value keeps the value as it is.
TEST_F(LanguageTest, CompositeTextsTranslateTheirCaptionAndKeepTheirValue) {
    startSession();
    session_->platform().setLanguage("de");
    send(R"(["start"])");
    struct Case {
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {"Total Cost 208.90", "Gesamtkosten 208.90"},
        {"Material: Copper CW004A", "Material: Copper CW004A"},
        {"Material: Copper", "Material: Copper"}, // a name is never translated
        {"Density: 7.85 g/cm\u00B3", "Dichte: 7.85 g/cm\u00B3"},
        {"'1 2' is not a valid floating point value", "'1 2' ist keine g\u00FCltige Dezimalzahl"},
        {"&Polygon", "&Mehrkant"},
        {"&Next Page\tCtrl+Tab", "&N\u00E4chste Seite\tCtrl+Tab"},
        {"12.34 kg", "12.34 kg"},
        {"Copper", "Kupfer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.english);
        EXPECT_EQ(shownText(c.english).toStdString(), c.german);
    }
    // Qt's own texts, from Qt's translations: the message boxes' buttons and the entry
    // boxes' context menu.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Ja");
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo").toStdString(),
              "&R\u00FCckg\u00E4ngig");
}

// The density and rounding panels are whole in every language (a material's name may be
// cut, with the whole name as the panel's tooltip).
TEST_F(LanguageTest, TheStatusBarPanelsAreWholeInEveryLanguage) {
    for (const char* language : {"en", "de", "fr", "nl", "es", "it", "pl"}) {
        SCOPED_TRACE(language);
        startSession();
        session_->platform().setLanguage(language);
        send(R"(["start"])");
        for (const char* panel : {"JvStatusBar1Panel1", "JvStatusBar1Panel2"}) {
            const QJsonObject shown = control(panel);
            EXPECT_LE(shown["textWidth"].toInt(), shown["textRoom"].toInt()) << panel;
        }
    }
}

// The error box and the favourite question in the language in use.
TEST_F(LanguageTest, TheErrorBoxAndTheFavouriteQuestionAreTranslated) {
    writeFile("Data/Density_Plastics.csv", "Acetal,1.38\r\nSteel,abc\r\n");
    startSession();
    session_->platform().setLanguage("fr");
    send(R"(["start"])");
    ASSERT_EQ(lastEvents().size(), 1);
    EXPECT_EQ(lastEvents()[0].toObject()["text"].toString().toStdString(),
              "'abc' n'est pas un nombre d\u00E9cimal valide.");
    send(R"(["answer","no"])");
    send(R"(["close"])");
    const QJsonObject question = lastEvents()[0].toObject();
    EXPECT_EQ(question["title"].toString().toStdString(), "Confirmer");
    EXPECT_EQ(question["text"].toString().toStdString(),
              "Enregistrer la nouvelle mati\u00E8re favorite ?");
}

} // namespace
} // namespace kelvane::testing
