// The about box from Help > About: its texts, fonts and places, the two links under
// the mouse and when clicked, and the ways it closes.

#include "DriveFixture.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"

#include <QPointer>

namespace kelvane::testing {
namespace {

class AboutBoxTest : public DriveTest {
protected:
    void openBox() {
        send(R"(["menu","Help","About"])");
        box_ = session_->window()->findChild<AboutBox*>();
        ASSERT_NE(box_, nullptr);
    }

    QJsonObject font(const std::string& control) {
        return value(R"(["get",)" + quoted(control) + "]").toObject()["font"].toObject();
    }

    std::string activeTitle() {
        return value(R"(["window"])").toObject()["title"].toString().toStdString();
    }

    QPointer<AboutBox> box_;
};

QJsonObject linkFont(const char* family, int pixels, bool bold, bool underline, const char* color) {
    return QJsonObject{{"family", family},
                       {"pixelSize", pixels},
                       {"bold", bold},
                       {"underline", underline},
                       {"color", color}};
}

TEST_F(AboutBoxTest, ShowsTheProgramsTextsInTheirFontsAndPlaces) {
    start();
    openBox();
    const QJsonObject window = value(R"(["window"])").toObject();
    EXPECT_EQ(window["title"].toString(), "About Kelvane");
    EXPECT_EQ(window["width"].toInt(), 353);
    EXPECT_EQ(window["height"].toInt(), 352);
    EXPECT_TRUE(window["modal"].toBool());

    EXPECT_EQ(text("TitleLabel"), "Kelvane");
    EXPECT_EQ(font("TitleLabel"), linkFont("Calibri", 27, true, false, "#800000"));
    EXPECT_EQ(text("VersionLabel"), "Version 2026.1.0");
    EXPECT_EQ(text("CopyrightLabel").rfind("Copyright \u00a9 2026 ", 0), 0u);
    EXPECT_EQ(text("VellEmailLabel"), "support@kelvane.example");
    EXPECT_EQ(text("VellWebsiteLabel"), "www.kelvane.example");
    for (const char* link : {"VellEmailLabel", "VellWebsiteLabel"})
        EXPECT_EQ(font(link), linkFont("Tahoma", 11, false, false, "#000000")) << link;
    EXPECT_EQ(text("NoticeMemo"), "\nAll weights calculated by this program are theoretical "
                                  "and are for guidance only.");
    EXPECT_TRUE(value(R"(["get","OKButton"])").toObject()["focused"].toBool());

    const std::pair<const char*, QRect> places[] = {
        {"ProgramIcon", QRect(8, 8, 64, 64)},      {"TitleLabel", QRect(80, 8, 265, 65)},
        {"NoticeMemo", QRect(8, 200, 337, 81)},    {"OKButton", QRect(141, 320, 70, 25)},
        {"VersionLabel", QRect(8, 80, -1, -1)},    {"CopyrightLabel", QRect(8, 96, -1, -1)},
        {"VellEmailLabel", QRect(8, 120, -1, -1)}, {"VellWebsiteLabel", QRect(8, 136, -1, -1)},
    };
    for (const auto& [name, place] : places) {
        auto* control = box_->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->pos(), place.topLeft()) << name;
        if (place.width() > 0) {
            EXPECT_EQ(control->size(), place.size()) << name;
        }
    }
}

TEST_F(AboutBoxTest, LinksTurnMaroonAndUnderlinedUnderTheMouse) {
    start();
    openBox();
    for (const char* link : {"VellEmailLabel", "VellWebsiteLabel"}) {
        send(R"(["hover",)" + quoted(link) + "]");
        EXPECT_EQ(font(link), linkFont("Tahoma", 11, false, true, "#800000")) << link;
        send(R"(["leave",)" + quoted(link) + "]");
        EXPECT_EQ(font(link), linkFont("Tahoma", 11, false, false, "#000000")) << link;
    }
}

TEST_F(AboutBoxTest, ClickingALinkHandsItToTheShell) {
    const std::pair<const char*, const char*> links[] = {
        {"VellEmailLabel", "mailto:support@kelvane.example"},
        {"VellWebsiteLabel", "http://www.kelvane.example"},
    };
    start();
    openBox();
    for (const auto& [label, link] : links) {
        send(R"(["click",)" + quoted(label) + "]");
        ASSERT_EQ(lastEvents().size(), 1) << label;
        const QJsonObject opened = lastEvents()[0].toObject();
        EXPECT_EQ(opened["type"].toString(), "open");
        EXPECT_EQ(opened["link"].toString(), link);
        EXPECT_EQ(opened["result"].toString(), "ok");
    }
    EXPECT_EQ(activeTitle(), "About Kelvane");
}

TEST_F(AboutBoxTest, ALinkTheShellRefusesIsReportedAndTheBoxStaysOpen) {
    start();
    openBox();
    send(R"(["shell","fail"])");
    send(R"(["click","VellEmailLabel"])");
    const QJsonArray events = lastEvents();
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].toObject()["result"].toString(), "failed");
    const QJsonObject error = events[1].toObject();
    EXPECT_EQ(error["type"].toString(), "error");
    EXPECT_EQ(error["title"].toString(), "Kelvane");
    EXPECT_EQ(error["text"].toString(), R"(Can't access URL "mailto:support@kelvane.example")");
    EXPECT_EQ(activeTitle(), "About Kelvane");
    EXPECT_FALSE(box_.isNull());
}

TEST_F(AboutBoxTest, EveryShowingIsAFreshBox) {
    start();
    openBox();
    send(R"(["focus","NoticeMemo"])");
    send(R"(["type","edited "])");
    send(R"(["click","OKButton"])");
    EXPECT_TRUE(box_.isNull());
    EXPECT_EQ(activeTitle(), "Kelvane");

    openBox();
    EXPECT_EQ(session_->window()->findChildren<AboutBox*>().size(), 1);
    EXPECT_EQ(text("NoticeMemo").rfind("\nAll weights", 0), 0u);
}

TEST_F(AboutBoxTest, EnterAndEscapeBothCloseItWithOk) {
    for (const char* key : {"Enter", "Escape"}) {
        start();
        openBox();
        int result = -1;
        QObject::connect(box_, &QDialog::finished, [&result](int code) { result = code; });
        send(R"(["key",)" + quoted(key) + "]");
        EXPECT_EQ(result, QDialog::Accepted) << key;
        EXPECT_TRUE(box_.isNull()) << key;
        EXPECT_EQ(activeTitle(), "Kelvane") << key;
        session_.reset();
    }
}

} // namespace
} // namespace kelvane::testing
