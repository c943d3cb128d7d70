// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the agent's device statuses, the menu and the end of transfers.
#include "AppTestSupport.h"

#include "ApplicationMenu.h"
#include "FunctionButtons.h"
#include "LoadingOverlay.h"
#include "MainView.h"
#include "MainViewLayout.h"
#include "OrvexAction.h"
#include "OrvexOptionAppDelegate.h"
#include "VirtualMouseProcess.h"
#include "WexButton.h"
#include "WexSetpPanelObj.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"
#include "profile/ProfieController.h"

#include <QAction>
#include <QDir>
#include <QFile>

using namespace orvex;
using namespace orvex::test;

namespace {

constexpr int SettlingImportMs = 1500;

int selectedTab(const ApplicationUnderTest &app)
{
    return app.view()->profileStep()->currentSetp();
}

// Lets queued device statuses reach the view.
void deliverStatuses()
{
    QTest::qWait(200);
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutTheMouseOneWarningThenTheEnd()
    {
        DialogRecorder dialogs;
        ApplicationUnderTest app({.withMouse = false});
        QVERIFY(!app.launch());
        QCOMPARE(dialogs.shown(), QStringList{QStringLiteral("WarningPlusIn")});
        QCOMPARE(app.quitRequests(), 1);
        QVERIFY(!app.delegate().window()->isVisible());
        QCOMPARE(app.view()->isModalSeron(), 0);
    }

    void startsOnTheActiveProfileAndImportsTheMouse()
    {
        AgentRecorder agent;
        ApplicationUnderTest app;
        QCOMPARE(app.mouse().send({QStringLiteral("profile"), QStringLiteral("3")}), 0);
        QVERIFY(app.launch());
        WexNoTitleWindow *window = app.delegate().window();
        QCOMPARE(window->size(), MainViewLayout::ViewSize);
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(window->isCanDrag());
        QCOMPARE(window->dragHeight(), MainViewLayout::DragHeight);
        QCOMPARE(selectedTab(app), 4);
        QCOMPARE(app.view()->modeStep()->currentSetp(), int(OrvexAction::selProfile.modeType) + 1);
        QCOMPARE(app.view()->selBtnIndex(), 1);
        QCOMPARE(app.view()->isModalSeron(), 1);
        QVERIFY(app.waitUntilIdle());
        QVERIFY(agent.waitFor(notify::OsdSwitch, {true}));
        QVERIFY(agent.waitFor(notify::ReloadProfiles));
        QVERIFY(!LoadingOverlay::isShown());
        QCOMPARE(OrvexAction::sysProCon->currFWProfileIndex(), 3);
    }

    void aStoredProfileBoundToASlotButMissingFallsBack()
    {
        ApplicationUnderTest app;
        QVERIFY(app.launch());
        QVERIFY(app.waitUntilIdle());
        ProfieController *store = OrvexAction::sysProCon;
        const ProfileValuePtr gone = store->addProfileByName(QStringLiteral("Gone"), nullptr);
        store->setCurrFWProfileIndex(2);
        store->setProfileToFWPro(gone->profileId());
        QVERIFY(store->saveToSys());
        QVERIFY(QFile::remove(store->sysProPath() + QStringLiteral("/Gone.pro")));
        QCOMPARE(app.mouse().send({QStringLiteral("profile"), QStringLiteral("2")}), 0);

        // The slots are looked at before the import binds them again.
        app.setSettlePause(std::chrono::milliseconds(SettlingImportMs));
        QVERIFY(app.relaunch());
        QCOMPARE(selectedTab(app), 3);
        const ProfileValuePtr shown = OrvexAction::sysProCon->currProfile();
        QVERIFY(shown);
        QVERIFY(shown->name() != QStringLiteral("Gone"));
        QCOMPARE(app.control(QStringLiteral("currProfileBtn"))->title(), shown->name());
        QVERIFY(app.waitUntilIdle());
    }

    void osdMenuItemFollowsTheSwitch()
    {
        AgentRecorder agent;
        ApplicationUnderTest app;
        QVERIFY(app.launch());
        QVERIFY(app.waitUntilIdle());
        QAction *item = app.view()->applicationMenu().osdMenu();
        QCOMPARE(item->text(), QStringLiteral("Disable the OSD"));
        QCOMPARE(item->data().toInt(), ApplicationMenu::DisableOsdTag);
        agent.clear();
        item->trigger();
        QVERIFY(agent.waitFor(notify::OsdSwitch, {false}));
        QVERIFY(!OrvexAction::sysProCon->isOSD());
        QCOMPARE(item->text(), QStringLiteral("Enable the OSD"));
        QCOMPARE(item->data().toInt(), ApplicationMenu::EnableOsdTag);
        item->trigger();
        QVERIFY(agent.waitFor(notify::OsdSwitch, {true}));
        QCOMPARE(item->data().toInt(), ApplicationMenu::DisableOsdTag);
    }

    void transferEndsNeverTakeTheCountBelowZero()
    {
        AgentRecorder agent;
        ApplicationUnderTest app;
        QVERIFY(app.launch());
        QVERIFY(app.waitUntilIdle());
        QVERIFY(agent.waitFor(notify::ReloadProfiles));
        LoadingOverlay::showLoadViewPro();
        agent.clear();
        InProcessNotifier::shared()->post(QLatin1String(notify::HideLoadEvent));
        InProcessNotifier::shared()->post(QLatin1String(notify::HideLoadEvent));
        QTest::qWait(100);
        QCOMPARE(app.view()->isModalSeron(), 0);
        QVERIFY(!LoadingOverlay::isShown());
        QCOMPARE(agent.count(notify::ReloadProfiles), 0);
        InProcessNotifier::shared()->post(QLatin1String(notify::HideLoadEvent), 1);
        QVERIFY(agent.waitFor(notify::ReloadProfiles));
        QCOMPARE(app.view()->isModalSeron(), 0);
    }

    void aProfileSwitchOnTheMouseSelectsTheTabWithoutAsking()
    {
        DialogRecorder dialogs;
        AgentRecorder agent;
        ApplicationUnderTest app;
        QVERIFY(app.launch());
        QVERIFY(app.waitUntilIdle());
        app.hotSpot(2)->performClick();
        QVERIFY(app.view()->functionButtons().assignLauncher(QStringLiteral("/usr/bin/true")));
        QVERIFY(OrvexAction::isNeedSave);
        agent.clear();
        ApplicationUnderTest::postDevStatus(notify::StatusProfile, 2);
        QVERIFY(waitUntil([&] { return selectedTab(app) == 3; }));
        QCOMPARE(dialogs.count(QStringLiteral("WarningNeedSave")), 0);
        QCOMPARE(OrvexAction::sysProCon->currFWProfileIndex(), 2);
        QCOMPARE(OrvexAction::getFWProfile(), 2);
        QVERIFY(agent.waitFor(notify::ShowChange, {notify::ShowProfile, 2}));
        deliverStatuses();
        QCOMPARE(agent.count(notify::ShowChange, {notify::ShowProfile, 2}), 1);
    }

    void anUnplugDuringTheImportIsSilentAndEndsAllStatuses()
    {
        DialogRecorder dialogs;
        ApplicationUnderTest app(
            {.withMouse = true, .settlePause = std::chrono::milliseconds(SettlingImportMs)});
        QVERIFY(app.launch());
        QCOMPARE(app.view()->isModalSeron(), 1);
        ApplicationUnderTest::postDevStatus(notify::StatusUnplugged);
        QVERIFY(waitUntil([] { return MainView::isOutPlusTag; }));
        ApplicationUnderTest::postDevStatus(notify::StatusProfile, 3);
        deliverStatuses();
        QCOMPARE(selectedTab(app), 1);
        QVERIFY(app.waitUntilIdle());
        ApplicationUnderTest::postDevStatus(notify::StatusUnplugged);
        deliverStatuses();
        QCOMPARE(dialogs.count(QStringLiteral("WarningPlusIn")), 0);
        QCOMPARE(app.quitRequests(), 0);
    }

    void twoUnplugsWarnOnceAndEnd()
    {
        DialogRecorder dialogs;
        ApplicationUnderTest app;
        QVERIFY(app.launch());
        QVERIFY(app.waitUntilIdle());
        ApplicationUnderTest::postDevStatus(notify::StatusUnplugged);
        ApplicationUnderTest::postDevStatus(notify::StatusUnplugged);
        QVERIFY(waitUntil([&] { return app.quitRequests() > 0; }));
        deliverStatuses();
        QCOMPARE(dialogs.count(QStringLiteral("WarningPlusIn")), 1);
        QCOMPARE(app.quitRequests(), 1);
    }

    void aDpiSwitchIsPassedOnUnchanged()
    {
        ApplicationUnderTest app;
        QVERIFY(app.launch());
        QVERIFY(app.waitUntilIdle());
        QVariantMap received;
        const auto connection =
            connect(InProcessNotifier::shared(), &InProcessNotifier::notified, this,
                    [&](const QString &name, const QVariant &, const QVariantMap &info) {
                        if (name == QLatin1String(notify::DpiChange))
                            received = info;
                    });
        AgentMessaging::sendDevStatus(notify::StatusDpi, QList<int>{2, 32, 16});
        QVERIFY(waitUntil([&] { return !received.isEmpty(); }));
        disconnect(connection);
        QCOMPARE(received.value(QStringLiteral("type")).toInt(), int(notify::StatusDpi));
        QCOMPARE(received.value(QStringLiteral("value2")).toInt(), 32);
    }
};

int main(int argc, char **argv)
{
    StartupTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "StartupTest.moc"
