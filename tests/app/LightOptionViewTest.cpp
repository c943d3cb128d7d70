// SPDX-License-Identifier: GPL-3.0-or-later
// The lighting page opened from the main window, used by its buttons'
// accessible actions and the pointer, with the LED zone bytes read back from
// the virtual mouse.
#include "AppTestSupport.h"

#include "LightOptionLayout.h"
#include "MainView.h"
#include "OrvexAction.h"
#include "VirtualMouseProcess.h"
#include "WexButton.h"
#include "WexImageView.h"
#include "WexNoTitleWindow.h"
#include "WexSetpPanelObj.h"
#include "device/MemoryMap.h"
#include "pages/LightOptionView.h"
#include "profile/ProfieController.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QTimer>

#include <functional>
#include <memory>

using namespace orvex;
using namespace orvex::test;

namespace {

using Layout = LightOptionLayout;

constexpr int Red = 0;
constexpr int Blue = 2;
constexpr int White = 4;
constexpr int Green = 6;
// A page a test does not end is closed after this long.
constexpr int PageTimeoutMs = 10000;

WexButton *zoneBtn(LightOptionView *page, int zone)
{
    return page->button(Layout::FirstZoneTag + zone - 1);
}

WexButton *colourBtn(LightOptionView *page, int colour)
{
    return page->button(Layout::FirstColourTag + colour);
}

// The byte the mouse should hold for a zone lit in `colour`, or dark.
int zoneByte(bool lit, int colour)
{
    if (!lit)
        return fwmem::LedOff;
    const std::uint8_t mode =
        OrvexAction::selProfile.modeType == 1 ? fwmem::LedBattle : fwmem::LedNormal;
    return OrvexAction::getColorIndex(colour + 1) | mode;
}

// The three LED zone bytes of the edited onboard profile, read from the mouse.
QList<int> zonesOnMouse()
{
    const int slot = OrvexAction::sysProCon->currFWProfileIndex();
    const std::uint16_t base = OrvexAction::getOffsetAdrBy(fwmem::LedZones, slot);
    QList<int> zones;
    for (int zone = 0; zone < fwmem::LedZoneCount; ++zone) {
        const auto byte = OrvexAction::readByteChecked(std::uint16_t(base + (zone + 1) % 3));
        zones << (byte ? int(*byte) : -1);
    }
    return zones;
}

ORVEX_PROFILE storedProfile()
{
    return OrvexAction::sysProCon->currProfile()->profileData();
}

void press(WexButton *button)
{
    QVERIFY2(pressAccessibly(button), qPrintable(button->objectName()));
}

} // namespace

class LightOptionViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ApplicationUnderTest> app;

    // Opens the page from the main window and hands it to `use` while its
    // modal run goes on; false when the page was left open (it is closed
    // then) or never opened.
    bool runPage(const std::function<void(LightOptionView *)> &use)
    {
        auto leftOpen = std::make_shared<bool>(false);
        bool used = false;
        WexNoTitleWindow::setModalRunHook([&](WexNoTitleWindow *window) -> std::optional<int> {
            auto *page = qobject_cast<LightOptionView *>(window->contentView());
            if (!page)
                return 1;
            QTimer::singleShot(0, window, [&use, &used, page] {
                use(page);
                used = true;
            });
            QTimer::singleShot(PageTimeoutMs, window, [window, leftOpen] {
                if (window->isModalRunning()) {
                    *leftOpen = true;
                    window->stopModal(0);
                }
            });
            return std::nullopt;
        });
        app->control(QStringLiteral("lightOptionBtn"))->performClick();
        WexNoTitleWindow::setModalRunHook({});
        return used && !*leftOpen;
    }

    // All three zones lit in `colour`, applied to the mouse.
    void lightAllZones(int colour)
    {
        QVERIFY(runPage([colour](LightOptionView *page) {
            press(page->button(Layout::LightOffTag));
            press(page->button(Layout::LightOnTag));
            press(colourBtn(page, colour));
            press(page->button(Layout::OkTag));
        }));
    }

private Q_SLOTS:
    void init()
    {
        app = std::make_unique<ApplicationUnderTest>();
        QVERIFY(app->launch());
        QVERIFY(app->waitUntilIdle());
    }

    void cleanup() { app.reset(); }

    void withNoZoneSelectedChoicesColourOrDarkenAllThree()
    {
        const QList<int> green(3, zoneByte(true, Green));
        QVERIFY(runPage([&green](LightOptionView *page) {
            QCOMPARE(page->currSelectedBtn(), LightOptionView::AllZones);
            press(page->button(Layout::LightOffTag));
            press(page->button(Layout::LightOnTag));
            press(colourBtn(page, Green));
            QVERIFY(page->hasSaved());
            press(page->button(Layout::ApplyTag));
            QVERIFY(!page->hasSaved());
            QCOMPARE(zonesOnMouse(), green);

            press(page->button(Layout::LightOffTag));
            QCOMPARE(page->colorSetp()->currentSetp(), 0);
            QVERIFY(!colourBtn(page, Red)->isEnabled());
            for (int zone = 1; zone <= Layout::ZoneCount; ++zone)
                QVERIFY(page->lightBtn(zone)->image().isNull());
            press(page->button(Layout::OkTag));
        }));
        QCOMPARE(zonesOnMouse(), QList<int>(3, fwmem::LedOff));
        // The colour survives the dark: the control showing none stored nothing.
        const ORVEX_PROFILE stored = storedProfile();
        for (int zone = 0; zone < Layout::ZoneCount; ++zone) {
            QCOMPARE(stored.islightOnArr[zone], 0u);
            QCOMPARE(stored.lightColorIndexArr[zone], std::uint32_t(Green));
        }
    }

    void okWritesTheZonesAndStoresTheProfile()
    {
        lightAllZones(Red);
        QVERIFY(runPage([](LightOptionView *page) {
            press(zoneBtn(page, 2));
            press(colourBtn(page, Blue));
            press(zoneBtn(page, 3));
            press(page->button(Layout::LightOffTag));
            press(page->button(Layout::OkTag));
        }));
        const QList<int> expected{zoneByte(true, Red), zoneByte(true, Blue), zoneByte(false, 0)};
        QCOMPARE(zonesOnMouse(), expected);
        const ORVEX_PROFILE stored = storedProfile();
        QCOMPARE(stored.lightColorIndexArr[1], std::uint32_t(Blue));
        QCOMPARE(stored.islightOnArr[2], 0u);
        QVERIFY(app->relaunch());
        QVERIFY(app->waitUntilIdle());
        QCOMPARE(storedProfile().lightColorIndexArr[1], std::uint32_t(Blue));
    }

    void applyThenCancelKeepsTheAppliedLighting()
    {
        lightAllZones(Red);
        const ORVEX_PROFILE before = storedProfile();
        int requestsAfterApply = 0;
        QVERIFY(runPage([this, &requestsAfterApply](LightOptionView *page) {
            press(zoneBtn(page, 1));
            press(colourBtn(page, White));
            press(page->button(Layout::ApplyTag));
            requestsAfterApply = app->mouse().requestCount();
            press(page->button(Layout::CancelTag));
        }));
        QCOMPARE(app->mouse().requestCount(), requestsAfterApply);
        QCOMPARE(zonesOnMouse().at(0), zoneByte(true, White));
        QCOMPARE(OrvexAction::selProfile.lightColorIndexArr[0], std::uint32_t(White));
        QCOMPARE(storedProfile().lightColorIndexArr[0], before.lightColorIndexArr[0]);
    }

    void cancelOrOkWithoutChangesSendsNothing()
    {
        const int requests = app->mouse().requestCount();
        QVERIFY(runPage([](LightOptionView *page) {
            press(zoneBtn(page, 2));
            press(zoneBtn(page, 1));
            QVERIFY(!page->hasSaved());
            press(page->button(Layout::CancelTag));
        }));
        QVERIFY(runPage([](LightOptionView *page) { press(page->button(Layout::OkTag)); }));
        QCOMPARE(app->mouse().requestCount(), requests);
    }

    void aChangeUndoneByCancelIsSentBack()
    {
        lightAllZones(Green);
        QVERIFY(runPage([](LightOptionView *page) {
            press(colourBtn(page, Blue));
            press(page->button(Layout::ApplyTag));
            press(page->button(Layout::LightOffTag));
            press(page->button(Layout::CancelTag));
        }));
        QCOMPARE(zonesOnMouse(), QList<int>(3, zoneByte(true, Green)));
        QCOMPARE(OrvexAction::selProfile.lightColorIndexArr[0], std::uint32_t(Green));
    }

    // What the page shows of the zones: the on/off control, the colour, the
    // pictures and the line follow the selected zone.
    void theSelectedZoneShowsItsLightColourAndLine()
    {
        QVERIFY(runPage([](LightOptionView *page) {
            press(page->button(Layout::LightOffTag));
            press(zoneBtn(page, 1));
            press(page->button(Layout::LightOnTag));
            press(colourBtn(page, White));
            press(page->button(Layout::OkTag));
        }));
        QVERIFY(runPage([](LightOptionView *page) {
            // Exactly one zone lit shows "on" for all zones, and no colour.
            QCOMPARE(page->lightBtnSetp()->currentSetp(), 1);
            QCOMPARE(page->colorSetp()->currentSetp(), 0);
            QVERIFY(page->lightLineImageView()->image().isNull());
            QCOMPARE(page->lightBtn(1)->image(), page->lightImage(White, 1));
            QVERIFY(!page->lightImage(White, 1).isNull());
            QVERIFY(page->lightBtn(2)->image().isNull());

            press(zoneBtn(page, 2));
            QCOMPARE(page->currSelectedBtn(), 2);
            QCOMPARE(page->lightBtnSetp()->currentSetp(), 2);
            QCOMPARE(page->colorSetp()->currentSetp(), 0);
            QVERIFY(!colourBtn(page, White)->isEnabled());
            QVERIFY(page->lightLineImageView()->image().isNull());

            press(zoneBtn(page, 1));
            QCOMPARE(page->lightBtnSetp()->currentSetp(), 1);
            QCOMPARE(page->colorSetp()->currentSetp(), White + 1);
            QVERIFY(colourBtn(page, White)->isEnabled());
            QCOMPARE(page->lightLineImageView()->image(), page->lineImage(White, 1));
            QVERIFY(zoneBtn(page, 1)->Checked() && !zoneBtn(page, 2)->Checked());
            QVERIFY(!page->hasSaved());

            // The colour control emptied from outside the page's own display
            // reports index 0: the zone keeps its colour.
            QVERIFY(page->colorSetp()->selectindex(0));
            QCOMPARE(OrvexAction::selProfile.lightColorIndexArr[0], std::uint32_t(White));
            QCOMPARE(page->lightBtn(1)->image(), page->lightImage(White, 1));
            QVERIFY(!page->hasSaved());
            press(page->button(Layout::CancelTag));
        }));
    }

    void pointingAtAZoneButtonMarksItsZone()
    {
        QVERIFY(runPage([](LightOptionView *page) {
            for (int zone = 1; zone <= Layout::ZoneCount; ++zone)
                QVERIFY(!page->lightSelImg(zone)->isVisible());
            QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), QPointF(4, 4));
            QApplication::sendEvent(zoneBtn(page, 3), &enter);
            QVERIFY(page->lightSelImg(3)->isVisible());
            QVERIFY(!page->lightSelImg(1)->isVisible() && !page->lightSelImg(2)->isVisible());
            QVERIFY(!page->lightSelImg(3)->image().isNull());
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(zoneBtn(page, 3), &leave);
            QVERIFY(!page->lightSelImg(3)->isVisible());
            press(page->button(Layout::CancelTag));
        }));
    }

    void everyControlIsNamed()
    {
        QVERIFY(runPage([](LightOptionView *page) {
            const auto nameOf = [](QWidget *widget) {
                return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
            };
            for (int zone = 1; zone <= Layout::ZoneCount; ++zone)
                QCOMPARE(nameOf(zoneBtn(page, zone)), QStringLiteral("Zone %1").arg(zone));
            const QStringList colours{QStringLiteral("Red"),   QStringLiteral("Purple"),
                                      QStringLiteral("Blue"),  QStringLiteral("Light blue"),
                                      QStringLiteral("White"), QStringLiteral("Yellow"),
                                      QStringLiteral("Green")};
            for (int colour = 0; colour < Layout::ColourCount; ++colour) {
                QCOMPARE(nameOf(colourBtn(page, colour)), colours.at(colour));
                QCOMPARE(colourBtn(page, colour)->toolTip(), colours.at(colour));
            }
            QCOMPARE(nameOf(page->button(Layout::LightOnTag)),
                     QStringLiteral("Always turn on LEDs"));
            QCOMPARE(nameOf(page->button(Layout::LightOffTag)),
                     QStringLiteral("Always turn off LEDs"));
            QCOMPARE(nameOf(page->button(Layout::ApplyTag)), QStringLiteral("Apply"));
            press(page->button(Layout::CancelTag));
        }));
    }
};

int main(int argc, char **argv)
{
    LightOptionViewTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "LightOptionViewTest.moc"
