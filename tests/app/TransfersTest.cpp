// SPDX-License-Identifier: GPL-3.0-or-later
// What the main view sends to the mouse, read back from the virtual mouse,
// and what happens when the mouse stops answering.
#include "AppTestSupport.h"

#include "FunctionButtons.h"
#include "LauncherFilePanel.h"
#include "MainView.h"
#include "MainViewControls.h"
#include "OrvexAction.h"
#include "ProfilePickList.h"
#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "device/FirmwareFunctionTable.h"
#include "device/OnboardProfile.h"
#include "device/SettingsTransfer.h"
#include "messaging/NotificationNames.h"
#include "profile/LauncherScreen.h"
#include "profile/ProfieController.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

using namespace orvex;
using namespace orvex::test;

namespace {

// The contents of every file of a folder, by name.
QMap<QString, QByteArray> folderContents(const QString &path)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo &file : QDir(path).entryInfoList(QDir::Files)) {
        QFile content(file.absoluteFilePath());
        content.open(QIODevice::ReadOnly);
        files.insert(file.fileName(), content.readAll());
    }
    return files;
}

// Chooses `path` in the launcher's file panel once it is open.
void chooseInFilePanel(const QString &path)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, path] {
        QFileDialog *panel = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *candidate = qobject_cast<QFileDialog *>(widget);
            if (candidate && candidate->isVisible())
                panel = candidate;
        }
        if (!panel)
            return;
        // Typed, as a person would: the panel reads folders in the
        // background, so a file chosen in its list may not be there yet.
        auto *fileName = panel->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!fileName)
            return;
        fileName->setText(path);
        timer->deleteLater();
        timer->stop();
        static_cast<QDialog *>(panel)->accept();
    });
    timer->start();
}

} // namespace

class TransfersTest : public LaunchedApplicationTest
{
    Q_OBJECT

private:
    MainView *view() const { return app->view(); }

private Q_SLOTS:
    void aProfileChosenFromThePickListReachesTheMouse()
    {
        const int slot = OrvexAction::sysProCon->currFWProfileIndex();
        const QString before = OrvexAction::sysProCon->currProfile()->name();
        app->control(QStringLiteral("currProfileBtn"))->performClick();
        WexMenulist *list = view()->pickList().profileMenuList();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->rowCount(), int(OrvexAction::sysProCon->profileArr.size()));
        int row = 0;
        while (list->rowCaption(row) == before)
            ++row;
        const QString chosen = list->rowCaption(row);
        QVERIFY(list->chooseRow(row));
        QVERIFY(app->waitUntilIdle());

        QCOMPARE(OrvexAction::sysProCon->getProfileByFWProId(slot)->name(), chosen);
        QCOMPARE(app->control(QStringLiteral("currProfileBtn"))->title(), chosen);
        const auto onMouse = OnboardProfile::read(slot);
        QVERIFY(onMouse);
        QCOMPARE(onMouse->name, chosen);
        const ORVEX_PROFILE stored =
            OrvexAction::sysProCon->getProfileByName(chosen)->profileData();
        for (int button = 0; button < ButtonCount; ++button)
            QCOMPARE(onMouse->profile.btnInfo[button].FuncTableId,
                     stored.btnInfo[button].FuncTableId);
        QCOMPARE(onMouse->profile.xSensArr[0], stored.xSensArr[0]);
    }

    void anAppliedLauncherReachesTheMouse()
    {
        const QString program = QStringLiteral("/usr/bin/true");
        app->hotSpot(3)->performClick();
        chooseInFilePanel(program);
        app->control(QStringLiteral("launchProBtn"))->performClick();
        QCOMPARE(LauncherScreen::pathOf(OrvexAction::selProfile.btnInfo[3]), program);
        QVERIFY(app->control(QStringLiteral("applyBtn"))->isEnabled());
        app->control(QStringLiteral("applyBtn"))->performClick();
        QVERIFY(app->waitUntilIdle());
        QVERIFY(!app->control(QStringLiteral("applyBtn"))->isEnabled());

        const int slot = OrvexAction::sysProCon->currFWProfileIndex();
        const auto onMouse = OnboardProfile::read(slot);
        QVERIFY(onMouse);
        QCOMPARE(onMouse->profile.btnInfo[3].FuncTableId, std::uint32_t(fwfunc::Launcher));
        const ORVEX_PROFILE stored = OrvexAction::sysProCon->currProfile()->profileData();
        QCOMPARE(LauncherScreen::pathOf(stored.btnInfo[3]), program);
        QVERIFY(dialogs->messages().isEmpty());
    }

    void theFilePanelOffersDesktopEntriesAndPrograms()
    {
        const QString folder = freshFolder(QStringLiteral("launchables"));
        for (const char *name : {"editor.desktop", "tool", "notes.txt"}) {
            QFile file(folder + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFile::setPermissions(folder + QStringLiteral("/tool"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(
            LauncherFilePanel::isLaunchable(QFileInfo(folder + QStringLiteral("/editor.desktop"))));
        QVERIFY(LauncherFilePanel::isLaunchable(QFileInfo(folder + QStringLiteral("/tool"))));
        QVERIFY(!LauncherFilePanel::isLaunchable(QFileInfo(folder + QStringLiteral("/notes.txt"))));
        QVERIFY(!LauncherFilePanel::isLaunchable(QFileInfo(folder)));
    }

    void aLauncherPathTooLongForTheRecordIsRefused()
    {
        app->hotSpot(3)->performClick();
        const BTN_INFO before = OrvexAction::selProfile.btnInfo[3];
        const QString longPath = QStringLiteral("/usr/bin/") + QString(250, QLatin1Char('x'));
        QVERIFY(!view()->functionButtons().assignLauncher(longPath));
        QCOMPARE(dialogs->messages().size(), 1);
        QVERIFY(dialogs->messages().first().contains(QStringLiteral("too long")));
        QVERIFY(std::memcmp(&before, &OrvexAction::selProfile.btnInfo[3], sizeof before) == 0);
        QVERIFY(!OrvexAction::isNeedSave);
        // 255 bytes of UTF-8 fit, whatever the number of characters.
        const QString accented = QStringLiteral("/tmp/") + QString(125, QChar(0xE9));
        QCOMPARE(accented.toUtf8().size(), 255);
        view()->functionButtons().assignLauncher(accented);
        QVERIFY(!dialogs->messages().last().contains(QStringLiteral("too long")));
    }

    void aFailedImportIsToldAndLeavesTheStoredProfiles()
    {
        AgentRecorder agent;
        const QString profiles = OrvexAction::sysProCon->sysProPath();
        const QMap<QString, QByteArray> before = folderContents(profiles);
        const QString shown = app->control(QStringLiteral("currProfileBtn"))->title();
        // Slow enough to be caught in the middle.
        OrvexAction::setReportPause(std::chrono::milliseconds(3));
        const int sent = app->mouse().requestCount();
        ApplicationUnderTest::postDevStatus(notify::StatusPlugged);
        QVERIFY(waitUntil([&] { return view()->isModalSeron() == 1; }));
        QVERIFY(app->mouse().waitForRequests(sent + 40, 10000));
        QCOMPARE(app->mouse().send({QStringLiteral("unplug")}), 0);
        QVERIFY(app->waitUntilIdle());
        QCOMPARE(dialogs->messages().size(), 1);
        QVERIFY(dialogs->messages().first().contains(QStringLiteral("could not be read")));
        QCOMPARE(folderContents(profiles), before);
        QCOMPARE(app->control(QStringLiteral("currProfileBtn"))->title(), shown);
        QTest::qWait(100);
        QCOMPARE(agent.count(notify::ReloadProfiles), 0);
    }
};

int main(int argc, char **argv)
{
    TransfersTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "TransfersTest.moc"
