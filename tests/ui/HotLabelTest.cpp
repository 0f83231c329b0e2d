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
        EXPECT_EQ(linkRecognised(link), recognised) << link;
        if (recognised) {
            EXPECT_NO_THROW(checkLink(link)) << link;
        } else {
            EXPECT_THROW(checkLink(link), LinkError) << link;
        }
    }
}

TEST(HotLabelLinkCheck, MessagesQuoteTheLink) {
    try {
        checkLink("www.kelvane.example");
        FAIL() << "a bare host name passed";
    } catch (const Error& error) { // the program's one error type
        EXPECT_STREQ(error.what(), R"(Protocol not recognised for URL "www.kelvane.example")");
    }
    EXPECT_EQ(cantAccessLinkText("mailto:a@b"), R"(Can't access URL "mailto:a@b")");
}

class HotLabelTest : public ::testing::Test {
protected:
    ScriptedPlatform platform_{Separators{".", ","}, "/tmp/"};
    HotLabel label_{platform_};

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
class RefusingLabel final : public HotLabel {
public:
    using HotLabel::HotLabel;

protected:
    void checkUrl(const QString& url) override {
        if (!url.isEmpty())
            throw LinkError("refused");
    }
};

TEST_F(HotLabelTest, CaptionAndLinkFollowEachOtherAndAreChecked) {
    EXPECT_EQ(label_.caption(), "http://localhost/"); // the placeholder link
    label_.setUrl(QStringLiteral("MAILTO:a@b"));
    EXPECT_EQ(label_.caption(), "MAILTO:a@b");
    EXPECT_THROW(label_.setUrl(QStringLiteral("kelvane.example")), LinkError);
    EXPECT_THROW(label_.setCaption(QStringLiteral("kelvane.example")), LinkError);
    EXPECT_EQ(label_.url(), "MAILTO:a@b"); // a refused link leaves the old one
    EXPECT_EQ(label_.caption(), "MAILTO:a@b");
    label_.setCaption(QStringLiteral("ftp://files.example"));
    EXPECT_EQ(label_.url(), "ftp://files.example");

    label_.setCaptionIsUrl(false);
    label_.setCaption(QStringLiteral("Write to us")); // free text, unchecked
    EXPECT_EQ(label_.url(), "ftp://files.example");
    label_.setCaptionIsUrl(true);
    EXPECT_EQ(label_.caption(), "ftp://files.example");
}

TEST_F(HotLabelTest, SwitchingValidationOnReplacesABadLinkAndRaisesAgain) {
    label_.setValidatesUrl(false);
    label_.setUrl(QStringLiteral("kelvane.example"));
    EXPECT_EQ(label_.caption(), "kelvane.example");
    EXPECT_THROW(label_.setValidatesUrl(true), LinkError);
    EXPECT_TRUE(label_.validatesUrl());
    EXPECT_EQ(label_.url(), "http://localhost/");
    EXPECT_EQ(label_.caption(), "http://localhost/");

    // A label whose check refuses even the placeholder is left with no link.
    RefusingLabel refusing(platform_);
    refusing.setValidatesUrl(false);
    refusing.setUrl(QStringLiteral("http://x"));
    EXPECT_THROW(refusing.setValidatesUrl(true), LinkError);
    EXPECT_EQ(refusing.url(), "");
}

TEST_F(HotLabelTest, LoadingTakesLinksUncheckedAndThenCaptionsThem) {
    label_.beginLoading();
    label_.setUrl(QStringLiteral("kelvane.example"));
    EXPECT_EQ(label_.caption(), "http://localhost/");
    label_.endLoading();
    EXPECT_EQ(label_.url(), "kelvane.example");
    EXPECT_EQ(label_.caption(), "kelvane.example");
}

TEST_F(HotLabelTest, HighlightShowsUnderTheMouseAndAFontSetMeanwhileWaits) {
    LinkFont normal{label_.linkFont().font, Qt::black};
    normal.font.setUnderline(false);
    LinkFont highlight{normal.font, QColor(128, 0, 0)};
    highlight.font.setUnderline(true);
    label_.setLinkFont(normal);
    label_.setHighlightFont(highlight);
    hover(true);
    EXPECT_EQ(label_.linkFont(), normal); // no highlight without highlightsUrl
    EXPECT_FALSE(label_.highlighted());
    hover(false);

    label_.setHighlightsUrl(true);
    hover(true);
    EXPECT_TRUE(label_.highlighted());
    EXPECT_EQ(label_.palette().color(label_.foregroundRole()), highlight.color);
    EXPECT_TRUE(label_.font().underline());
    LinkFont changed{normal.font, Qt::green};
    changed.font.setBold(true);
    label_.setLinkFont(changed);
    EXPECT_EQ(label_.linkFont(), changed); // reads the normal font while highlighted
    EXPECT_EQ(label_.palette().color(label_.foregroundRole()), highlight.color);
    hover(false);
    EXPECT_FALSE(label_.highlighted());
    EXPECT_EQ(label_.linkFont(), changed);
    EXPECT_EQ(label_.palette().color(label_.foregroundRole()), QColor(Qt::green));
    EXPECT_TRUE(label_.font().bold());
}

TEST_F(HotLabelTest, TooltipFollowsTheHintStyle) {
    label_.setToolTip(QStringLiteral("Our web site"));
    label_.setUrl(QStringLiteral("http://www.kelvane.example"));
    EXPECT_EQ(label_.hintText(), "Our web site");
    label_.setHintStyle(LinkHintStyle::Link);
    EXPECT_EQ(label_.hintText(), "http://www.kelvane.example");
    label_.setHintStyle(LinkHintStyle::Custom);
    EXPECT_EQ(label_.hintText(), "Our web site"); // no handler: the ordinary hint
    label_.setOnCustomHint(
        [](HotLabel& sender, QString& hint) { hint += QStringLiteral(" - ") + sender.url(); });
    EXPECT_EQ(label_.hintText(), "Our web site - http://www.kelvane.example");
}

TEST_F(HotLabelTest, ClickOpensTheLinkThenFiresTheClickEvent) {
    int clicks = 0;
    QObject::connect(&label_, &HotLabel::clicked, [&clicks] { ++clicks; });
    label_.setUrl(QStringLiteral("mailto:a@b"));
    label_.click();
    EXPECT_EQ(clicks, 1);
    auto events = platform_.takeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].link, "mailto:a@b");

    platform_.setShellAccepts(false);
    try {
        label_.click();
        FAIL() << "a refused link raised nothing";
    } catch (const LinkError& error) {
        EXPECT_STREQ(error.what(), R"(Can't access URL "mailto:a@b")");
    }
    EXPECT_EQ(clicks, 1);

    label_.setUrl(QString()); // an empty link only fires the click event
    platform_.takeEvents();
    label_.click();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(platform_.takeEvents().empty());
}

} // namespace
} // namespace kelvane
