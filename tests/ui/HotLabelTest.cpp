// The hyperlink label on its own: the link check, the link and caption settings,
// the highlight under the mouse, the tooltip styles and the click.

#include "app/HotLabel.h"
#include "app/HotLink.h"
#include "drive/ScriptedPlatform.h"

#include <QApplication>
#include <QEnterEvent>

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(HotLabelLinkCheck, KnownPrefixesPassInAnyCase) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"http://www.kelvane.example", true},
        {"HTTP://WWW.KELVANE.EXAMPLE", true},
        {"Https://secure.example", true},
        {"mailto:support@kelvane.example", true},
        {"MailTo:support@kelvane.example", true},
        {"mailtosupport", true}, // the e-mail prefix carries no colon
        {"FILE:///tmp/x", true},
        {"ftp://files.example", true},
        {"www.kelvane.example", false},
        {"http:/www.kelvane.example", false},
        {" http://www.kelvane.example", false},
        {"ftp:files.example", false},
        {"mail:support@kelvane.example", false},
    };
    for (const auto& [link, recognised] : cases) {
        EXPECT_EQ(LinkRecognised(link), recognised) << link;
        if (recognised) {
            EXPECT_NO_THROW(CheckLink(link)) << link;
        } else {
            EXPECT_THROW(CheckLink(link), EVellURLError) << link;
        }
    }
}

TEST(HotLabelLinkCheck, MessagesQuoteTheLink) {
    try {
        CheckLink("www.kelvane.example");
        FAIL() << "a bare host name passed";
    } catch (const Error& error) { // the program's one error type
        EXPECT_STREQ(error.what(), R"(Protocol not recognised for URL "www.kelvane.example")");
    }
    EXPECT_EQ(CantAccessLinkText("mailto:a@b"), R"(Can't access URL "mailto:a@b")");
}

class HotLabelTest : public ::testing::Test {
protected:
    ScriptedPlatform platform_{Separators{".", ","}, "/tmp/"};
    TVellHotLabel label_{platform_};

    void hover(bool enter) {
        if (enter) {
            QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(&label_, &event);
        } else {
            QEvent event(QEvent::Leave);
            QApplication::sendEvent(&label_, &event);
        }
    }
};

// A label whose own check refuses every link but the empty one.
class RefusingLabel final : public TVellHotLabel {
public:
    using TVellHotLabel::TVellHotLabel;

protected:
    void CheckURL(const QString& url) override {
        if (!url.isEmpty())
            throw EVellURLError("refused");
    }
};

TEST_F(HotLabelTest, CaptionAndLinkFollowEachOtherAndAreChecked) {
    EXPECT_EQ(label_.Caption(), "http://localhost/"); // the placeholder link
    label_.setURL(QStringLiteral("MAILTO:a@b"));
    EXPECT_EQ(label_.Caption(), "MAILTO:a@b");
    EXPECT_THROW(label_.setURL(QStringLiteral("kelvane.example")), EVellURLError);
    EXPECT_THROW(label_.setCaption(QStringLiteral("kelvane.example")), EVellURLError);
    EXPECT_EQ(label_.URL(), "MAILTO:a@b"); // a refused link leaves the old one
    EXPECT_EQ(label_.Caption(), "MAILTO:a@b");
    label_.setCaption(QStringLiteral("ftp://files.example"));
    EXPECT_EQ(label_.URL(), "ftp://files.example");

    label_.setCaptionIsURL(false);
    label_.setCaption(QStringLiteral("Write to us")); // free text, unchecked
    EXPECT_EQ(label_.URL(), "ftp://files.example");
    label_.setCaptionIsURL(true);
    EXPECT_EQ(label_.Caption(), "ftp://files.example");
}

TEST_F(HotLabelTest, SwitchingValidationOnReplacesABadLinkAndRaisesAgain) {
    label_.setValidateURL(false);
    label_.setURL(QStringLiteral("kelvane.example"));
    EXPECT_EQ(label_.Caption(), "kelvane.example");
    EXPECT_THROW(label_.setValidateURL(true), EVellURLError);
    EXPECT_TRUE(label_.ValidateURL());
    EXPECT_EQ(label_.URL(), "http://localhost/");
    EXPECT_EQ(label_.Caption(), "http://localhost/");

    // A label whose check refuses even the placeholder is left with no link.
    RefusingLabel refusing(platform_);
    refusing.setValidateURL(false);
    refusing.setURL(QStringLiteral("http://x"));
    EXPECT_THROW(refusing.setValidateURL(true), EVellURLError);
    EXPECT_EQ(refusing.URL(), "");
}

TEST_F(HotLabelTest, LoadingTakesLinksUncheckedAndThenCaptionsThem) {
    label_.beginLoading();
    label_.setURL(QStringLiteral("kelvane.example"));
    EXPECT_EQ(label_.Caption(), "http://localhost/");
    label_.endLoading();
    EXPECT_EQ(label_.URL(), "kelvane.example");
    EXPECT_EQ(label_.Caption(), "kelvane.example");
}

TEST_F(HotLabelTest, HighlightShowsUnderTheMouseAndAFontSetMeanwhileWaits) {
    TVellFont normal{label_.Font().font, Qt::black};
    normal.font.setUnderline(false);
    TVellFont highlight{normal.font, QColor(128, 0, 0)};
    highlight.font.setUnderline(true);
    label_.setFont(normal);
    label_.setHighlightFont(highlight);
    hover(true);
    EXPECT_EQ(label_.Font(), normal); // no highlight without HighlightURL
    EXPECT_FALSE(label_.highlighted());
    hover(false);

    label_.setHighlightURL(true);
    hover(true);
    EXPECT_TRUE(label_.highlighted());
    EXPECT_EQ(label_.palette().color(label_.foregroundRole()), highlight.color);
    EXPECT_TRUE(label_.font().underline());
    TVellFont changed{normal.font, Qt::green};
    changed.font.setBold(true);
    label_.setFont(changed);
    EXPECT_EQ(label_.Font(), changed); // reads the normal font while highlighted
    EXPECT_EQ(label_.palette().color(label_.foregroundRole()), highlight.color);
    hover(false);
    EXPECT_FALSE(label_.highlighted());
    EXPECT_EQ(label_.Font(), changed);
    EXPECT_EQ(label_.palette().color(label_.foregroundRole()), QColor(Qt::green));
    EXPECT_TRUE(label_.font().bold());
}

TEST_F(HotLabelTest, TooltipFollowsTheHintStyle) {
    label_.setToolTip(QStringLiteral("Our web site"));
    label_.setURL(QStringLiteral("http://www.kelvane.example"));
    EXPECT_EQ(label_.HintText(), "Our web site");
    label_.setHintStyle(TVellHLHintStyle::hsURL);
    EXPECT_EQ(label_.HintText(), "http://www.kelvane.example");
    label_.setHintStyle(TVellHLHintStyle::hsCustom);
    EXPECT_EQ(label_.HintText(), "Our web site"); // no handler: the ordinary hint
    label_.setOnCustomHint(
        [](TVellHotLabel& sender, QString& hint) { hint += QStringLiteral(" - ") + sender.URL(); });
    EXPECT_EQ(label_.HintText(), "Our web site - http://www.kelvane.example");
}

TEST_F(HotLabelTest, ClickOpensTheLinkThenFiresTheClickEvent) {
    int clicks = 0;
    QObject::connect(&label_, &TVellHotLabel::clicked, [&clicks] { ++clicks; });
    label_.setURL(QStringLiteral("mailto:a@b"));
    label_.Click();
    EXPECT_EQ(clicks, 1);
    auto events = platform_.takeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].link, "mailto:a@b");

    platform_.setShellAccepts(false);
    try {
        label_.Click();
        FAIL() << "a refused link raised nothing";
    } catch (const EVellURLError& error) {
        EXPECT_STREQ(error.what(), R"(Can't access URL "mailto:a@b")");
    }
    EXPECT_EQ(clicks, 1);

    label_.setURL(QString()); // an empty link only fires the click event
    platform_.takeEvents();
    label_.Click();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(platform_.takeEvents().empty());
}

} // namespace
} // namespace kelvane
