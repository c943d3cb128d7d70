// SPDX-License-Identifier: GPL-3.0-or-later
// The performance page, opened from the main view's button in its modal
// loop and driven as a screen reader would (accessible names, values and
// actions), against the virtual mouse, read back after each step, and the
// desktop settings in memory.
#include "AgentProcess.h"
#include "AppTestSupport.h"

#include "MainView.h"
#include "OrvexAction.h"
#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexNumberTextField.h"
#include "WexProgressBar.h"
#include "device/OnboardProfile.h"
#include "messaging/NotificationNames.h"
#include "pages/SettingDPIView.h"
#include "pages/SettingView.h"
#include "platform/GSettingsKey.h"
#include "platform/PreferencesFile.h"
#include "platform/WexMouseAction.h"
#include "profile/ProfieController.h"
#include "profile/ProfileValue.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTimer>

using namespace orvex;
using namespace orvex::test;

namespace {

std::unique_ptr<GSettingsKey> desktopKey(const char *key)
{
    return GSettingsKey::open(QLatin1String(WexMouseAction::MouseSchema), QLatin1String(key));
}

QAccessibleInterface *accessible(QWidget *widget)
{
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// The page's control that assistive technologies know by `name`.
QWidget *named(SettingView &page, const QString &name)
{
    for (QWidget *child : page.findChildren<QWidget *>()) {
        QAccessibleInterface *face = accessible(child);
        if (face && child->isVisibleTo(&page) && face->text(QAccessible::Name) == name)
            return child;
    }
    return nullptr;
}

QVariant valueOf(SettingView &page, const QString &name)
{
    QAccessibleInterface *face = accessible(named(page, name));
    return face && face->valueInterface() ? face->valueInterface()->currentValue() : QVariant();
}

bool setValue(SettingView &page, const QString &name, const QVariant &value)
{
    QAccessibleInterface *face = accessible(named(page, name));
    if (!face || !face->valueInterface())
        return false;
    face->valueInterface()->setCurrentValue(value);
    return true;
}

bool press(SettingView &page, const QString &name)
{
    QWidget *control = named(page, name);
    return control && pressAccessibly(control);
}

ORVEX_PROFILE onMouse()
{
    const auto read = OnboardProfile::read(OrvexAction::sysProCon->currFWProfileIndex());
    return read ? read->profile : ORVEX_PROFILE{};
}

ORVEX_PROFILE stored()
{
    return OrvexAction::sysProCon->currProfile()->profileData();
}

int level()
{
    return int(OrvexAction::selProfile.currSelectDPI);
}

} // namespace

class SettingViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ApplicationUnderTest> app;
    std::unique_ptr<GSettingsKey> speed;
    std::unique_ptr<GSettingsKey> doubleClick;

    void launch()
    {
        QVERIFY(app->launch());
        QVERIFY(app->waitUntilIdle());
    }

    // Opens the page from the main view and runs `steps` inside its modal
    // loop; a page the steps leave open is cancelled. Other dialogs get OK.
    void onPage(const std::function<void(SettingView &)> &steps)
    {
        bool ran = false;
        WexNoTitleWindow::setModalRunHook([&](WexNoTitleWindow *window) -> std::optional<int> {
            auto *page = qobject_cast<SettingView *>(window->contentView());
            if (!page)
                return SettingView::OkCode;
            QTimer::singleShot(0, window, [&, page, window] {
                ran = true;
                steps(*page);
                if (window->isModalRunning())
                    press(*page, QStringLiteral("Cancel"));
            });
            return std::nullopt;
        });
        app->control(QStringLiteral("settingBtn"))->performClick();
        WexNoTitleWindow::setModalRunHook({});
        QVERIFY(ran);
        QCOMPARE(app->view()->isModalSeron(), 0);
    }

    // The working record's active level gets these resolutions; the page
    // stores it into the selected profile before it opens.
    static void prepareLevel(int x, int y)
    {
        const int stage = level();
        OrvexAction::selProfile.xSensArr[stage] = std::uint32_t(x);
        OrvexAction::selProfile.ySensArr[stage] = std::uint32_t(y);
    }

private Q_SLOTS:
    void init()
    {
        speed = desktopKey(WexMouseAction::SpeedKey);
        doubleClick = desktopKey(WexMouseAction::DoubleClickKey);
        QVERIFY2(speed && doubleClick, "gsettings-desktop-schemas is not installed");
        speed->reset();
        doubleClick->reset();
        app = std::make_unique<ApplicationUnderTest>();
    }

    void cleanup()
    {
        WexNoTitleWindow::setModalRunHook({});
        app.reset();
    }

    void everyControlIsNamedAndSlidersAndFieldsTakeValues()
    {
        launch();
        onPage([](SettingView &page) {
            const QStringList names{QStringLiteral("Separate X and Y"),
                                    QStringLiteral("DPI level"),
                                    QStringLiteral("Resolution"),
                                    QStringLiteral("Resolution in DPI"),
                                    QStringLiteral("125 Hz"),
                                    QStringLiteral("250 Hz"),
                                    QStringLiteral("500 Hz"),
                                    QStringLiteral("1000 Hz"),
                                    QStringLiteral("Lift-off distance"),
                                    QStringLiteral("Pointer speed"),
                                    QStringLiteral("Scroll speed"),
                                    QStringLiteral("Double-click speed"),
                                    QStringLiteral("ONE SCREEN AT TIME"),
                                    QStringLiteral("RESET TO DEFAULT"),
                                    QStringLiteral("Apply"),
                                    QStringLiteral("Cancel"),
                                    QStringLiteral("OK")};
            for (const QString &name : names)
                QVERIFY2(named(page, name), qPrintable(name));
            QVERIFY(!named(page, QStringLiteral("Resolution X")));
            QVERIFY(press(page, QStringLiteral("Separate X and Y")));
            for (const char *name :
                 {"Resolution X", "Resolution Y", "Resolution X in DPI", "Resolution Y in DPI"})
                QVERIFY2(named(page, QLatin1String(name)), name);
            QVERIFY(!named(page, QStringLiteral("Resolution")));
            QCOMPARE(accessible(named(page, QStringLiteral("DPI level")))->role(),
                     QAccessible::Slider);
            QCOMPARE(accessible(named(page, QStringLiteral("Resolution X in DPI")))->role(),
                     QAccessible::SpinBox);
            // Neither the record nor the desktop has this one.
            QVERIFY(!named(page, QStringLiteral("ONE SCREEN AT TIME"))->isEnabled());
        });
    }

    void jointResolutionShowsTheLargerAxisAndSetsBoth()
    {
        launch();
        prepareLevel(16, 20);
        const int stage = level();
        onPage([](SettingView &page) {
            QCOMPARE(valueOf(page, QStringLiteral("Resolution in DPI")).toInt(), 1000);
            QCOMPARE(valueOf(page, QStringLiteral("Resolution")).toInt(), 20);
            QVERIFY(!page.hasSaved());
            QVERIFY(setValue(page, QStringLiteral("Resolution"), 24));
            QCOMPARE(valueOf(page, QStringLiteral("Resolution in DPI")).toInt(), 1200);
            // A number set in the field counts as the slider's move, in steps of 50.
            QVERIFY(setValue(page, QStringLiteral("Resolution in DPI"), 1530));
            QCOMPARE(valueOf(page, QStringLiteral("Resolution")).toInt(), 30);
            QCOMPARE(valueOf(page, QStringLiteral("Resolution in DPI")).toInt(), 1500);
            QVERIFY(setValue(page, QStringLiteral("Resolution in DPI"), 1200));
            QVERIFY(press(page, QStringLiteral("OK")));
        });
        const ORVEX_PROFILE mouse = onMouse();
        QCOMPARE(mouse.xSensArr[stage], 24u);
        QCOMPARE(mouse.ySensArr[stage], 24u);
        QCOMPARE(stored().xSensArr[stage], 24u);
        QCOMPARE(stored().ySensArr[stage], 24u);
    }

    void theXSliderAloneChangesOnlyXAndTypedNumbersSetTheirAxis()
    {
        launch();
        prepareLevel(16, 20);
        const int stage = level();
        onPage([](SettingView &page) {
            QVERIFY(press(page, QStringLiteral("Separate X and Y")));
            QCOMPARE(valueOf(page, QStringLiteral("Resolution X")).toInt(), 16);
            QCOMPARE(valueOf(page, QStringLiteral("Resolution Y in DPI")).toInt(), 1000);
            QVERIFY(setValue(page, QStringLiteral("Resolution X"), 30));
            QCOMPARE(valueOf(page, QStringLiteral("Resolution X in DPI")).toInt(), 1500);
            QCOMPARE(valueOf(page, QStringLiteral("Resolution Y")).toInt(), 20);

            // Typed: the slider follows each key; the field keeps what is
            // typed until Return.
            auto *field = qobject_cast<WexNumberTextField *>(
                named(page, QStringLiteral("Resolution Y in DPI")));
            QVERIFY(field);
            page.window()->activateWindow();
            field->setFocus();
            QTRY_VERIFY(field->hasFocus());
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("1234"));
            QCOMPARE(field->text(), QStringLiteral("1234"));
            QCOMPARE(valueOf(page, QStringLiteral("Resolution Y")).toInt(), 24);
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(field->text(), QStringLiteral("1200"));
            QVERIFY(press(page, QStringLiteral("OK")));
        });
        const ORVEX_PROFILE mouse = onMouse();
        QCOMPARE(mouse.xSensArr[stage], 30u);
        QCOMPARE(mouse.ySensArr[stage], 24u);
    }

    void theLevelSliderWritesTheLevelAtOnceAndCancelPutsItBack()
    {
        AgentRecorder agent;
        launch();
        const int before = level();
        const int chosen = before == 2 ? 1 : 2;
        const ORVEX_PROFILE record = OrvexAction::selProfile;
        onPage([&](SettingView &page) {
            const int sent = app->mouse().requestCount();
            QVERIFY(setValue(page, QStringLiteral("DPI level"), chosen));
            QVERIFY(app->mouse().requestCount() > sent);
            QCOMPARE(int(onMouse().currSelectDPI), chosen);
            QVERIFY(agent.waitFor(notify::ShowChange,
                                  {notify::ShowDpi, chosen, int(record.xSensArr[chosen]),
                                   int(record.ySensArr[chosen])}));
            QCOMPARE(valueOf(page, QStringLiteral("Resolution")).toInt(),
                     int(qMax(record.xSensArr[chosen], record.ySensArr[chosen])));
            QVERIFY(press(page, QStringLiteral("Cancel")));
        });
        QCOMPARE(int(onMouse().currSelectDPI), before);
        QCOMPARE(level(), before);
    }

    void rateAndLiftReachTheMouseOnlyWithTheOtherSettings()
    {
        AgentRecorder agent;
        launch();
        OrvexAction::selProfile.poRate = 3;
        OrvexAction::selProfile.liftHeight = 2;
        onPage([&](SettingView &page) {
            const int sent = app->mouse().requestCount();
            QVERIFY(press(page, QStringLiteral("500 Hz")));
            QVERIFY(setValue(page, QStringLiteral("Lift-off distance"), 7));
            QVERIFY(agent.waitFor(notify::ShowChange, {notify::ShowRate, 2}));
            QCOMPARE(app->mouse().requestCount(), sent);
            QVERIFY(page.hasSaved());
            QVERIFY(press(page, QStringLiteral("OK")));
        });
        QCOMPARE(onMouse().poRate, 2u);
        QCOMPARE(onMouse().liftHeight, 7u);
        QCOMPARE(stored().poRate, 2u);
    }

    void applyWithoutChangesStillWritesAndCancelThenWritesNothing()
    {
        launch();
        // Stored, not yet on the mouse.
        const std::uint32_t lift = onMouse().liftHeight == 9 ? 10 : 9;
        OrvexAction::selProfile.liftHeight = lift;
        onPage([&](SettingView &page) {
            QVERIFY(!page.hasSaved());
            QVERIFY(press(page, QStringLiteral("Apply")));
            QCOMPARE(onMouse().liftHeight, lift);
            const int sent = app->mouse().requestCount();
            QVERIFY(press(page, QStringLiteral("Cancel")));
            QTest::qWait(100);
            QCOMPARE(app->mouse().requestCount(), sent);
        });
    }

    void afterResetOkWritesNothingMore()
    {
        launch();
        prepareLevel(100, 100);
        const ORVEX_PROFILE defaults = OrvexAction::sysProCon->defaultProfile()->profileData();
        onPage([&](SettingView &page) {
            QVERIFY(setValue(page, QStringLiteral("Pointer speed"), 9));
            QVERIFY(press(page, QStringLiteral("RESET TO DEFAULT")));
            QVERIFY(!page.hasSaved());
            const int stage = int(defaults.currSelectDPI);
            QCOMPARE(valueOf(page, QStringLiteral("DPI level")).toInt(), stage);
            QCOMPARE(onMouse().xSensArr[stage], defaults.xSensArr[stage]);
            QCOMPARE(OrvexAction::selMouseAction->getValueByType(WexMouseAction::Acceleration),
                     int(defaults.acceler));
            const int sent = app->mouse().requestCount();
            QVERIFY(press(page, QStringLiteral("OK")));
            QTest::qWait(100);
            QCOMPARE(app->mouse().requestCount(), sent);
        });
        for (int stage = 0; stage < DpiStageCount; ++stage)
            QCOMPARE(stored().xSensArr[stage], defaults.xSensArr[stage]);
    }

    void aDpiChangeOnTheMouseMovesTheLevelSliderAndMarksThePageChanged()
    {
        AgentProcess agent;
        QVERIFY(
            agent.start(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), app->mouse().socketPath));
        launch();
        OrvexAction::selProfile.currSelectDPI = 0;
        QVERIFY(OrvexAction::setCurrDPILevelToDev());
        onPage([&](SettingView &page) {
            QCOMPARE(valueOf(page, QStringLiteral("DPI level")).toInt(), 0);
            QVERIFY(!page.hasSaved());
            QCOMPARE(app->mouse().send({QStringLiteral("dpi-up")}), 0);
            QTRY_COMPARE(valueOf(page, QStringLiteral("DPI level")).toInt(), 1);
            QVERIFY(page.hasSaved());
            const ORVEX_PROFILE mouse = onMouse();
            QCOMPARE(mouse.currSelectDPI, 1u);
            QCOMPARE(valueOf(page, QStringLiteral("Resolution in DPI")).toInt(),
                     int(qMax(mouse.xSensArr[1], mouse.ySensArr[1])) * 50);
            QVERIFY(press(page, QStringLiteral("OK")));
        });
        QCOMPARE(stored().currSelectDPI, 1u);
    }

    void desktopSettingsApplyAtOnceAndCancelOrOkDecides()
    {
        launch();
        const double speedBefore = speed->value();
        const double doubleClickBefore = doubleClick->value();
        const int scrollBefore =
            OrvexAction::selMouseAction->getValueByType(WexMouseAction::ScrollSpeed);
        const ORVEX_PROFILE record = OrvexAction::selProfile;
        onPage([&](SettingView &page) {
            QVERIFY(setValue(page, QStringLiteral("Pointer speed"), 10));
            QVERIFY(setValue(page, QStringLiteral("Double-click speed"), 1));
            QVERIFY(setValue(page, QStringLiteral("Scroll speed"), scrollBefore == 8 ? 9 : 8));
            QCOMPARE(speed->value(), 1.0);
            QCOMPARE(doubleClick->value(), 1000.0);
            // Apply sends to the mouse; Cancel still undoes it all.
            QVERIFY(press(page, QStringLiteral("Apply")));
            QVERIFY(press(page, QStringLiteral("Cancel")));
        });
        QCOMPARE(speed->value(), speedBefore);
        QCOMPARE(doubleClick->value(), doubleClickBefore);
        QCOMPARE(OrvexAction::selMouseAction->getValueByType(WexMouseAction::ScrollSpeed),
                 scrollBefore);
        QCOMPARE(OrvexAction::selProfile.acceler, record.acceler);

        // Closing the window is a Cancel too; OK keeps the values.
        onPage([](SettingView &page) {
            QVERIFY(setValue(page, QStringLiteral("Pointer speed"), 10));
            page.window()->close();
        });
        QCOMPARE(speed->value(), speedBefore);
        onPage([](SettingView &page) {
            QVERIFY(setValue(page, QStringLiteral("Pointer speed"), 10));
            QVERIFY(press(page, QStringLiteral("OK")));
        });
        QCOMPARE(speed->value(), 1.0);
        QCOMPARE(stored().acceler, 10u);
        OrvexAction::resetSysProSettingToDef();
        QCOMPARE(speed->value(), 1.0);
    }
};

int main(int argc, char **argv)
{
    SettingViewTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "SettingViewTest.moc"
