// SPDX-License-Identifier: GPL-3.0-or-later
// The display: the shipped pictures, the DPI composition, the hide timer and
// the window that holds it.
#include "EventLineRecorder.h"
#include "VirtualMouseProcess.h"

#include "OsdArtwork.h"
#include "OsdWindow.h"
#include "ShowMsgView.h"

#include "platform/ResourceFolder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

constexpr int ShortTickMs = 50;

QImage shipped(const char *fileName)
{
    return QImage(ResourceFolder::filePath(QLatin1String(osd::Folder) + QLatin1Char('/') +
                                           QLatin1String(fileName)))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The pixels where `composed` differs from `base`, as their bounding box;
// `outside` counts differing pixels that lie outside every rectangle of `allowed`.
QRect changedArea(const QImage &base, const QImage &composed, const QList<QRect> &allowed,
                  int *outside)
{
    QRect changed;
    *outside = 0;
    for (int y = 0; y < base.height(); ++y) {
        for (int x = 0; x < base.width(); ++x) {
            if (base.pixel(x, y) == composed.pixel(x, y))
                continue;
            changed |= QRect(x, y, 1, 1);
            bool inside = false;
            for (const QRect &rect : allowed)
                inside |= rect.contains(x, y);
            *outside += inside ? 0 : 1;
        }
    }
    return changed;
}

class ShowMsgViewTest : public ::testing::Test
{
protected:
    void SetUp() override { ShowMsgView::setTickInterval(ShowMsgView::DefaultTickMs); }
    void TearDown() override { ShowMsgView::setTickInterval(ShowMsgView::DefaultTickMs); }

    EventLineRecorder recorder;
};

TEST_F(ShowMsgViewTest, EveryPictureIsShippedAtTheWindowsSize)
{
    ShowMsgView view;
    EXPECT_EQ(view.imageCount(), int(osd::Pictures.size()));
    for (const osd::Picture &picture : osd::Pictures) {
        EXPECT_TRUE(view.hasImage(QLatin1String(picture.tag))) << picture.tag;
        EXPECT_EQ(shipped(picture.fileName).size(), QSize(osd::Width, osd::Height))
            << picture.fileName;
    }
}

TEST_F(ShowMsgViewTest, EqualResolutionsAreWrittenOnceCentredInTheLowerBand)
{
    ShowMsgView view;
    view.showDpi(1, 16, 16);
    int outside = 0;
    const QRect ink =
        changedArea(shipped("Level2.png"), view.showImage(), {osd::DpiValueRect}, &outside);
    EXPECT_EQ(outside, 0);
    ASSERT_TRUE(ink.isValid());
    EXPECT_NEAR(ink.center().x(), osd::DpiValueRect.center().x(), 3);
    EXPECT_NEAR(ink.center().y(), osd::DpiValueRect.center().y(), 3);
    EXPECT_EQ(view.showCaption(), QStringLiteral("DPI stage 2: 800"));
    EXPECT_EQ(recorder.lines(), QStringList{QStringLiteral("OSD dpi 1 16 16")});
}

TEST_F(ShowMsgViewTest, DifferentResolutionsAreWrittenXAboveY)
{
    ShowMsgView view;
    view.showDpi(3, 32, 16);
    const QImage base = shipped("LevelXY4.png");
    int outside = 0;
    changedArea(base, view.showImage(), {osd::DpiXRect, osd::DpiYRect}, &outside);
    EXPECT_EQ(outside, 0);
    int unused = 0;
    const QRect x =
        changedArea(base.copy(osd::DpiXRect), view.showImage().copy(osd::DpiXRect), {}, &unused);
    const QRect y =
        changedArea(base.copy(osd::DpiYRect), view.showImage().copy(osd::DpiYRect), {}, &unused);
    // "1600" above "800".
    ASSERT_TRUE(x.isValid() && y.isValid());
    EXPECT_GT(x.width(), y.width() * 5 / 4);
    EXPECT_EQ(view.showCaption(), QStringLiteral("DPI stage 4: 1600 × 800"));
}

TEST_F(ShowMsgViewTest, TheWidestResolutionStaysInsideItsPlace)
{
    ShowMsgView view;
    view.showDpi(0, 255, 255); // 12750 DPI
    int outside = 0;
    changedArea(shipped("Level1.png"), view.showImage(), {osd::DpiValueRect}, &outside);
    EXPECT_EQ(outside, 0);
}

TEST_F(ShowMsgViewTest, StageWithoutPictureShowsNothingAndUnknownTagShowsAnEmptyPicture)
{
    ShowMsgView view;
    view.showDpi(4, 16, 16);
    EXPECT_FALSE(view.isShowing());
    EXPECT_TRUE(recorder.lines().isEmpty());

    view.showWithImageTag(QStringLiteral("rate7"));
    EXPECT_TRUE(view.isShowing());
    EXPECT_TRUE(view.showImage().isNull());
    EXPECT_EQ(recorder.lines(), QStringList{QStringLiteral("OSD rate7")});
}

TEST_F(ShowMsgViewTest, EachDisplayRestartsTheCountOfSixTicks)
{
    ShowMsgView::setTickInterval(ShortTickMs);
    ShowMsgView view;
    int finished = 0;
    QObject::connect(&view, &ShowMsgView::finished, [&] { ++finished; });
    view.showWithImageTag(QStringLiteral("P1"));
    QElapsedTimer sinceFirst;
    sinceFirst.start();
    ASSERT_TRUE(waitUntil([&] { return sinceFirst.elapsed() >= 3 * ShortTickMs; }));
    ASSERT_EQ(finished, 0);

    view.showWithImageTag(QStringLiteral("P2"));
    QElapsedTimer sinceSecond;
    sinceSecond.start();
    ASSERT_TRUE(waitUntil([&] { return finished > 0; }));
    // Ticks keep their phase, so the count ends between 5 and 6 ticks after;
    // a coarse timer may fire each tick up to 5 % early.
    EXPECT_GE(sinceSecond.elapsed(), (ShowMsgView::HideTicks - 1) * ShortTickMs * 9 / 10);
    EXPECT_FALSE(view.isShowing());
    waitUntil([] { return false; }, 3 * ShortTickMs);
    EXPECT_EQ(finished, 1);
}

TEST_F(ShowMsgViewTest, WindowIsCentred100PixelsAboveTheBottomOfItsScreen)
{
    EXPECT_EQ(OsdWindow::placement(QRect(0, 0, 1920, 1080)),
              QPoint((1920 - osd::Width) / 2, 1080 - 100 - osd::Height));
    EXPECT_EQ(OsdWindow::placement(QRect(1920, 200, 2560, 1440)),
              QPoint(1920 + (2560 - osd::Width) / 2, 200 + 1440 - 100 - osd::Height));
}

TEST_F(ShowMsgViewTest, WindowStaysOnTopTakesNoFocusOrClicksAndHidesWhenTheCountEnds)
{
    ShowMsgView::setTickInterval(ShortTickMs);
    OsdWindow window;
    const Qt::WindowFlags flags = window.flags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));

    window.prepareForDisplay();
    EXPECT_FALSE(window.isVisible());
    window.contentView()->showWithImageTag(QStringLiteral("battle"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_NE(QGuiApplication::focusWindow(), &window);
    EXPECT_TRUE(waitUntil([&] { return !window.isVisible(); }));
}

} // namespace
} // namespace orvex::test
