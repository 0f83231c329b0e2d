// The layout as measured through the driver: on every page every text fits its
// control, no two controls overlap and each lies whole within the page, at the first
// window size and at the smallest. The ctest entries run these at 100 %, 150 % and
// 200 % scaling (QT_SCALE_FACTOR).

#include "DriveFixture.h"

#include "app/MainWindow.h"
#include "app/PageControl.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvane::testing {
namespace {

// Every page, and the seven a user can reach; the others have no tab and set no
// minimum size, so the smallest window is judged on the seven.
const std::vector<std::string> kPages = {"Round", "Polygon",        "Flat/Square", "Plate/Sheet",
                                         "Tube",  "Hollow Section", "Turning",     "CE",
                                         "M/I",   "Calc",           "Quote"};
const std::vector<std::string> kReachablePages = {"Round", "Polygon", "Flat/Square", "Plate/Sheet",
                                                  "Tube",  "M/I",     "Quote"};
// The page whose table takes the room a grown window gives, pushing what is below it down.
const std::string kGrowingPage = "Quote";

// The pages whose texts follow Options > Units, and the reachable ones among them.
const std::vector<std::string> kUnitPages = {
    "Round", "Polygon", "Flat/Square", "Plate/Sheet", "Tube", "Hollow Section", "Quote"};
const std::vector<std::string> kReachableUnitPages = {"Round",       "Polygon", "Flat/Square",
                                                      "Plate/Sheet", "Tube",    "Quote"};

QRect RectOf(const QJsonValue& geometry) {
    const QJsonObject g = geometry.toObject();
    return {g["x"].toInt(), g["y"].toInt(), g["width"].toInt(), g["height"].toInt()};
}

std::string Describe(const QJsonObject& control) {
    const QString name = control["name"].toString();
    const QRect r = RectOf(control["geometry"]);
    return (name.isEmpty() ? "\"" + control["text"].toString() + "\"" : name).toStdString() +
           " at " + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
           std::to_string(r.width()) + "x" + std::to_string(r.height());
}

class LayoutTest : public DriveTest {
protected:
    // Checks the page on display as the user sees it now.
    void expectWholePage(const std::string& page) {
        SCOPED_TRACE(page);
        const QJsonObject layout = value(R"(["layout"])").toObject();
        const QRect shown = RectOf(layout["page"]);
        const QRect pageControl = RectOf(layout["pageControl"]);
        EXPECT_LE(pageControl.bottom(), RectOf(layout["statusBar"]).top() - 1)
            << "the status bar covers the page control";
        const QJsonArray controls = layout["controls"].toArray();
        ASSERT_FALSE(controls.isEmpty());
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QJsonObject a = controls[i].toObject();
            const QRect ra = RectOf(a["geometry"]);
            EXPECT_TRUE(shown.contains(ra)) << Describe(a) << " reaches outside the page";
            if (a.contains("textWidth")) {
                EXPECT_LE(a["textWidth"].toInt(), a["textRoom"].toInt())
                    << Describe(a) << " cuts its text \"" << a["text"].toString().toStdString()
                    << "\"";
            }
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const QJsonObject b = controls[j].toObject();
                EXPECT_FALSE(ra.intersects(RectOf(b["geometry"])))
                    << Describe(a) << " overlaps " << Describe(b);
            }
        }
    }

    void expectEveryPageWhole(const std::vector<std::string>& pages) {
        for (const std::string& page : pages) {
            send(R"(["page",)" + quoted(page) + "]");
            expectWholePage(page);
        }
    }

    // The pages that follow the units again in inches and pounds, whose heading and captions
    // differ.
    void expectUnitPagesWholeInInches(const std::vector<std::string>& pages) {
        SCOPED_TRACE("Inches and Pounds");
        send(R"(["menu","Options","Units","Inches and Pounds"])");
        expectEveryPageWhole(pages);
    }
};

TEST_F(LayoutTest, EveryPageIsWholeAtTheFirstWindowSize) {
    start();
    expectEveryPageWhole(kPages);
    expectUnitPagesWholeInInches(kUnitPages);
}

TEST_F(LayoutTest, EveryPageIsWholeAtTheSmallestWindowSize) {
    start();
    send(R"(["resize",1,1])");
    const QJsonObject window = value(R"(["window"])").toObject();
    EXPECT_GT(window["width"].toInt(), 1);
    expectEveryPageWhole(kReachablePages);
    expectUnitPagesWholeInInches(kReachableUnitPages);
}

// Every page made in one language stays whole when the window changes to another.
TEST_F(LayoutTest, EveryPageIsWholeAfterTheLanguageChanges) {
    start();
    for (const char* language : {"Deutsch", "Fran\u00E7ais", "Nederlands", "Espa\u00F1ol",
                                 "Italiano", "Polski", "System Language"}) {
        SCOPED_TRACE(language);
        send(std::string(R"(["menu","Options","Language",)") + quoted(language) + "]");
        expectEveryPageWhole(kPages);
    }
}

TEST_F(LayoutTest, EntryBoxesStayPutWhenResultsGrow) {
    start();
    const auto boxPositions = [this] {
        QJsonArray positions;
        for (const char* box : {"RDiaEdit", "RLengthEdit", "RQtyEdit", "RClearButton"})
            positions.append(value(R"(["get",)" + quoted(box) + "]").toObject()["geometry"]);
        return positions;
    };
    const QJsonArray before = boxPositions();
    send(R"(["type","1234567\r1234567\r1234567"])");
    EXPECT_EQ(boxPositions(), before);
    expectWholePage("Round with long results");
}

// A grown (maximised) window keeps each page's content together: every control
// stays where it stood, and the spare room goes to the right and the bottom. The pages
// a user can reach stand as at the first size; a page without a tab may need a little
// more than the first size has, so it is held to the place it takes once it has room.
TEST_F(LayoutTest, ContentStaysTogetherWhenTheWindowGrows) {
    start();
    send(R"(["type","1234\r5678\r9"])");
    const auto positions = [this](const std::string& page) {
        send(R"(["page",)" + quoted(page) + "]");
        std::vector<QPoint> points;
        for (const QJsonValue& control : value(R"(["layout"])").toObject()["controls"].toArray())
            points.push_back(RectOf(control.toObject()["geometry"]).topLeft());
        return points;
    };
    std::vector<std::vector<QPoint>> first;
    for (const std::string& page : kReachablePages)
        first.push_back(positions(page));
    send(R"(["resize",900,650])");
    std::vector<std::vector<QPoint>> roomy;
    for (const std::string& page : kPages)
        roomy.push_back(positions(page));
    send(R"(["resize",1400,1000])");
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        SCOPED_TRACE(kPages[i]);
        const std::vector<QPoint> grown = positions(kPages[i]);
        expectWholePage(kPages[i] + " in a grown window");
        if (kPages[i] == kGrowingPage) { // the table stays at the top, growing down
            EXPECT_EQ(grown.front(), roomy[i].front());
            continue;
        }
        EXPECT_EQ(grown, roomy[i]);
        const auto reachable = std::find(kReachablePages.begin(), kReachablePages.end(), kPages[i]);
        if (reachable != kReachablePages.end()) {
            EXPECT_EQ(grown, first[static_cast<std::size_t>(reachable - kReachablePages.begin())]);
        }
    }
}

TEST_F(LayoutTest, PageFrameIsDrawnOnEverySide) {
    start();
    PageControl& pages = session_->window()->pageControl();
    const QImage image = pages.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QRect frame = RectOf(value(R"(["layout"])").toObject()["page"])
                            .adjusted(-1, -1, 1, 1)
                            .translated(-pages.mapTo(session_->window(), QPoint(0, 0)));
    const QColor line = pages.palette().color(QPalette::Window).darker(130);
    // Whether a device pixel near the point (in the page control's pixels) has the
    // frame's colour.
    const auto framed = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.pixelColor(qRound(x * scale) + dx, qRound(y * scale) + dy).rgb() ==
                    line.rgb())
                    return true;
        return false;
    };
    const QPoint middle = frame.center();
    EXPECT_TRUE(framed(frame.right() - 20, frame.top())) << "top, right of the tabs";
    EXPECT_TRUE(framed(frame.right(), middle.y())) << "right";
    EXPECT_TRUE(framed(frame.left(), middle.y())) << "left";
    EXPECT_TRUE(framed(middle.x(), frame.bottom())) << "bottom";
}

TEST_F(LayoutTest, TheMaterialTableBoxIsWholeAtItsFirstAndSmallestSize) {
    start();
    send(R"(["menu","Material","Edit Materials…"])");
    for (const bool smallest : {false, true}) {
        SCOPED_TRACE(smallest ? "smallest" : "first size");
        if (smallest)
            send(R"(["resize",1,1,"MaterialTableDialog"])");
        const QJsonObject layout = value(R"(["layout","MaterialTableDialog"])").toObject();
        const QRect window = RectOf(layout["window"]);
        EXPECT_GT(window.width(), 1);
        const QJsonArray controls = layout["controls"].toArray();
        ASSERT_GE(controls.size(), 7); // the table, six buttons and the problem line
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QJsonObject a = controls[i].toObject();
            const QRect ra = RectOf(a["geometry"]);
            EXPECT_TRUE(QRect(0, 0, window.width(), window.height()).contains(ra))
                << Describe(a) << " reaches outside the box";
            if (a.contains("textWidth")) {
                EXPECT_LE(a["textWidth"].toInt(), a["textRoom"].toInt()) << Describe(a);
            }
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                EXPECT_FALSE(ra.intersects(RectOf(controls[j].toObject()["geometry"])))
                    << Describe(a) << " overlaps " << Describe(controls[j].toObject());
            }
        }
    }
}

TEST_F(LayoutTest, ControlsNamesTheVisibleControlsOfThePageOnDisplay) {
    start();
    const QJsonArray round = value(R"(["controls"])").toArray();
    for (const char* name : {"RDiaEdit", "RKGMLabel", "RKGMCopyBtn", "RClearButton"})
        EXPECT_TRUE(round.contains(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(round.contains(QStringLiteral("PAFEdit")));
    send(R"(["page","Polygon"])");
    EXPECT_TRUE(value(R"(["controls"])").toArray().contains(QStringLiteral("PAFEdit")));
}

} // namespace
} // namespace kelvane::testing
