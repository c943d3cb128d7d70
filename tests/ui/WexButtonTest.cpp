// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "KeltoImageView.h"
#include "OrvexWidgetFactory.h"
#include "WexBtnDelege.h"
#include "WexButton.h"
#include "messaging/InProcessNotifier.h"

#include <QBitmap>
#include <QEnterEvent>
#include <QSignalSpy>

#include <memory>

using namespace orvex;

namespace {

struct RecordingDelegate : WexBtnDelege
{
    QList<int> types;
    void onMouseEvent(QObject *, QEvent *, int type) override { types.append(type); }
};

void sendEnter(QWidget *widget)
{
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(widget, &enter);
}

void sendLeave(QWidget *widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

// The events a window system delivers for a double click: press, release,
// double-click (in place of the second press), release.
void doubleClick(QWidget *widget, const QPoint &at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &second);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

} // namespace

class WexButtonTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<KeltoImageView> parent;
    const QRect buttonRect{10, 20, 30, 40};

private Q_SLOTS:
    void init()
    {
        parent = std::make_unique<KeltoImageView>(QRect(0, 0, 100, 100));
        parent->setBgImage(test::patternPicture(QSize(100, 100), 0));
        parent->setOverImage(test::patternPicture(QSize(100, 100), 1));
        parent->setDownImage(test::patternPicture(QSize(100, 100), 2));
        parent->setDisableImage(test::patternPicture(QSize(100, 100), 3));
    }

    void cleanup() { parent.reset(); }

    // Each state shows exactly the parent pictures' pixels of the button's
    // rectangle, both as the stored picture and as drawn.
    void statesShowTheParentSlice()
    {
        int clicks = 0;
        WexButton *button = OrvexWidgetFactory::AddButton(
            buttonRect, [&](WexButton *) { ++clicks; }, {}, parent.get());
        QCOMPARE(button->geometry(), buttonRect);
        const auto slice = [&](const QImage &source) {
            return source.copy(buttonRect).convertToFormat(QImage::Format_ARGB32);
        };
        using S = WexButton::State;
        QCOMPARE(button->image(S::Normal).convertToFormat(QImage::Format_ARGB32),
                 slice(parent->bgImage()));
        QCOMPARE(button->image(S::Hover).convertToFormat(QImage::Format_ARGB32),
                 slice(parent->overImage()));
        QCOMPARE(button->image(S::Down).convertToFormat(QImage::Format_ARGB32),
                 slice(parent->downImage()));
        QCOMPARE(button->image(S::Disable).convertToFormat(QImage::Format_ARGB32),
                 slice(parent->disableImage()));

        QCOMPARE(test::rendered(button), slice(parent->bgImage()));
        sendEnter(button);
        QCOMPARE(button->currentState(), S::Hover);
        QCOMPARE(test::rendered(button), slice(parent->overImage()));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(test::rendered(button), slice(parent->downImage()));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 1);
        button->setIsEnable(false);
        QCOMPARE(test::rendered(button), slice(parent->disableImage()));
    }

    void sliceOutsideTheSourceStaysTransparent()
    {
        const QImage source = test::patternPicture(QSize(100, 100), 0);
        const QImage slice = OrvexWidgetFactory::GetImageFromRect(source, QRect(90, 90, 20, 20));
        QCOMPARE(slice.size(), QSize(20, 20));
        QCOMPARE(QColor(slice.pixel(5, 5)).rgb(), QColor(source.pixel(95, 95)).rgb());
        QCOMPARE(qAlpha(slice.pixel(15, 15)), 0);
        QVERIFY(OrvexWidgetFactory::GetImageFromRect(QImage(), QRect(0, 0, 5, 5)).isNull());
    }

    void missingPicturesDrawNothing()
    {
        KeltoImageView bare(QRect(0, 0, 100, 100));
        WexButton *button = OrvexWidgetFactory::AddButton(buttonRect, {}, {}, &bare);
        QVERIFY(button->image(WexButton::State::Normal).isNull());
        QImage drawn = test::rendered(button);
        QCOMPARE(drawn.size(), buttonRect.size());
    }

    void rightClickWithoutRightActionDoesNothing()
    {
        int clicks = 0;
        WexButton *button = OrvexWidgetFactory::AddButton(
            buttonRect, [&](WexButton *) { ++clicks; }, {}, parent.get());
        QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 0);

        int rightClicks = 0;
        WexButton *withRight = OrvexWidgetFactory::AddButton(
            buttonRect, [&](WexButton *) { ++clicks; }, [&](WexButton *) { ++rightClicks; },
            parent.get());
        QTest::mouseClick(withRight, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(rightClicks, 1);
        QCOMPARE(clicks, 0);
    }

    void releaseOutsideIsNoClick()
    {
        int clicks = 0;
        WexButton *button = OrvexWidgetFactory::AddButton(
            buttonRect, [&](WexButton *) { ++clicks; }, {}, parent.get());
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(50, 5));
        QCOMPARE(clicks, 0);
    }

    void doubleClickRunsTheDoubleActionOnce()
    {
        int clicks = 0;
        int doubles = 0;
        WexButton *button = OrvexWidgetFactory::AddButton(
            buttonRect, [&](WexButton *) { ++clicks; }, {}, parent.get());
        doubleClick(button, QPoint(5, 5));
        // Without a double action the second click is an ordinary click.
        QCOMPARE(clicks, 2);
        clicks = 0;
        button->setDoubleAction([&](WexButton *) { ++doubles; });
        doubleClick(button, QPoint(5, 5));
        QCOMPARE(doubles, 1);
        QCOMPARE(clicks, 1);
    }

    void checkBoxFlipsBeforeItsActionAndShowsPressed()
    {
        bool seen = false;
        WexButton *box = OrvexWidgetFactory::AddCheckBox(
            buttonRect, [&](WexButton *sender) { seen = sender->Checked(); }, {}, parent.get());
        QVERIFY(box->isCheckBox());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(seen);
        QCOMPARE(box->currentState(), WexButton::State::Down);
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!box->Checked());
    }

    void delegateHearsEveryPointerEventAndTipsArePosted()
    {
        RecordingDelegate delegate;
        WexButton *button = OrvexWidgetFactory::AddButton(buttonRect, {}, {}, parent.get());
        button->setWexBtnDelege(&delegate);
        QSignalSpy posted(InProcessNotifier::shared(), &InProcessNotifier::notified);

        sendEnter(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseClick(button, Qt::MiddleButton, {}, QPoint(5, 5));
        sendLeave(button);

        QCOMPARE(delegate.types, (QList<int>{1, 4, 5, 6, 7, 8, 9, 3}));
        QCOMPARE(posted.size(), 2);
        QCOMPARE(posted.at(0).at(0).toString(), QStringLiteral("WexNotifyShowTipNameStr"));
        QCOMPARE(posted.at(0).at(1).value<QObject *>(), button);
        QCOMPARE(posted.at(1).at(0).toString(), QStringLiteral("WexNotifyHideTipNameStr"));
    }

    void captureModeReportsButSilencesSecondaryActions()
    {
        RecordingDelegate delegate;
        int clicks = 0;
        int rightClicks = 0;
        WexButton *button = OrvexWidgetFactory::AddButton(
            buttonRect, [&](WexButton *) { ++clicks; }, [&](WexButton *) { ++rightClicks; },
            parent.get());
        button->setWexBtnDelege(&delegate);
        button->setIsCaptureMouseEvent(true);
        QTest::mouseClick(button, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(delegate.types, (QList<int>{6, 7, 4, 5}));
        QCOMPARE(rightClicks, 0);
        QCOMPARE(clicks, 1);
    }

    void ownPicturesLeaveTransparentPixelsToWhatLiesBelow()
    {
        QImage picture(30, 40, QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 15; ++x)
                picture.setPixel(x, y, qRgba(200, 0, 0, 255));
        }
        WexButton *button = OrvexWidgetFactory::AddButton(buttonRect, {}, {}, parent.get());
        button->setNormalImage(picture);
        button->setIsNoanomaly(true);
        QVERIFY(button->mask().contains(QPoint(5, 20)));
        QVERIFY(!button->mask().contains(QPoint(25, 20)));
    }

    void titleIsDrawnWithinThePads()
    {
        KeltoImageView plain(QRect(0, 0, 100, 100));
        QImage black(100, 100, QImage::Format_ARGB32);
        black.fill(Qt::black);
        plain.setBgImage(black);
        WexButton *button = OrvexWidgetFactory::AddButton(QRect(0, 0, 100, 20), {}, {}, &plain);
        button->setTitle(QStringLiteral("A very long profile name that cannot fit"));
        button->setBtnColor(Qt::white);
        button->setLeftPad(2);
        button->setRightPad(18);
        const QImage drawn = test::rendered(button);
        for (int y = 0; y < 20; ++y) {
            for (int x = 82; x < 100; ++x)
                QCOMPARE(QColor(drawn.pixel(x, y)), QColor(Qt::black));
        }
    }
};

ORVEX_UI_TEST_MAIN(WexButtonTest)
#include "WexButtonTest.moc"
