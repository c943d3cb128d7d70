// SPDX-License-Identifier: GPL-3.0-or-later
// The main view's controls: where they sit and what they are called, the
// selectors and their rules, the function buttons, the page windows and the
// shipped files the view opens.
#include "AppTestSupport.h"

#include "ButtonInfoArea.h"
#include "FunctionButtons.h"
#include "MainView.h"
#include "MainViewControls.h"
#include "MainViewLayout.h"
#include "OrvexAction.h"
#include "PageWindows.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexSetpPanelObj.h"
#include "device/OnboardProfile.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"
#include "pages/SingleKeyView.h"
#include "platform/ResourceFolder.h"
#include "profile/ProfieController.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFile>

#include <cstring>

using namespace orvex;
using namespace orvex::test;

namespace {

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QString accessibleDescription(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

// A resource folder holding everything the build ships, and nothing more.
QString shippedResourcesOnly()
{
    const QDir shipped(ResourceFolder::path());
    const QString folder = useFreshResourceFolder();
    for (const QFileInfo &file : shipped.entryInfoList(QDir::Files))
        QFile::link(file.absoluteFilePath(), folder + QLatin1Char('/') + file.fileName());
    return folder;
}

} // namespace

// Receives what the view asks the desktop to open.
class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    OpenedUrls()
    {
        for (const QString &scheme : {QStringLiteral("file"), QStringLiteral("https")})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedUrls() override
    {
        for (const QString &scheme : {QStringLiteral("file"), QStringLiteral("https")})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

class MainViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ApplicationUnderTest> app;
    std::unique_ptr<DialogRecorder> dialogs;

    void start()
    {
        QVERIFY(app->launch());
        QVERIFY(app->waitUntilIdle());
    }
    MainView *view() const { return app->view(); }
    WexButton *control(const char *field) const { return app->control(QLatin1String(field)); }

private Q_SLOTS:
    void init()
    {
        dialogs = std::make_unique<DialogRecorder>();
        app = std::make_unique<ApplicationUnderTest>();
    }

    void cleanup()
    {
        app.reset();
        dialogs.reset();
    }

    void everyControlSitsAtItsRectangleWithItsTagAndName()
    {
        start();
        TooltipManager *tooltips = TooltipManager::shareTooltipManager();
        for (const MainViewLayout::Control &entry : MainViewLayout::controls()) {
            WexButton *button = view()->controls().byTag(entry.tag);
            QVERIFY2(button, qPrintable(entry.field));
            QCOMPARE(button->geometry(), entry.rect);
            QCOMPARE(button->objectName(), entry.field);
            QCOMPARE(button->isNoanomaly(), !entry.ownPicture.isEmpty());
            const QString key = MainViewControls::tooltipKey(entry.tag);
            if (!key.isEmpty())
                QCOMPARE(accessibleName(button), tooltips->getTooltip(key));
            else if (!entry.caption.isEmpty())
                QCOMPARE(accessibleName(button), entry.caption);
        }
        const QStringList names = MainViewControls::hotSpotNames();
        for (int i = 0; i < ButtonCount; ++i)
            QCOMPARE(accessibleName(app->hotSpot(i)), names.at(i));
        QCOMPARE(accessibleName(control("currProfileBtn")),
                 OrvexAction::sysProCon->currProfile()->name());
        QCOMPARE(view()->controls().menuButton()->geometry(), MainViewControls::MenuButtonRect);
        QCOMPARE(view()->controls().functionIcon()->geometry(), MainViewLayout::FunctionIcon);
        QCOMPARE(view()->controls().functionCaption()->geometry(), MainViewLayout::FunctionCaption);
        for (WexButton *button : view()->findChildren<WexButton *>())
            QVERIFY2(!accessibleName(button).isEmpty(), qPrintable(button->objectName()));
    }

    void hotSpotsCarryTheirFunctionAsDescription()
    {
        start();
        for (int i = 0; i < ButtonCount; ++i) {
            const BTN_INFO &record = OrvexAction::selProfile.btnInfo[i];
            QCOMPARE(accessibleDescription(app->hotSpot(i)), ButtonInfoArea::getBtnCaption(record));
        }
        app->hotSpot(3)->performClick();
        QVERIFY(view()->functionButtons().assignLauncher(QStringLiteral("/usr/bin/true")));
        QCOMPARE(accessibleDescription(app->hotSpot(3)), QStringLiteral("true"));
        QCOMPARE(view()->controls().functionCaption()->stringValue(), QStringLiteral("true"));
    }

    void theInfoAreaFollowsThePointerAndReturnsToTheSelection()
    {
        start();
        WexTextField *caption = view()->controls().functionCaption();
        const QString selected = ButtonInfoArea::getBtnCaption(OrvexAction::selProfile.btnInfo[0]);
        const QString pointed = ButtonInfoArea::getBtnCaption(OrvexAction::selProfile.btnInfo[4]);
        QVERIFY(selected != pointed);
        QCOMPARE(caption->stringValue(), selected);
        InProcessNotifier::shared()->post(QLatin1String(WexButton::ShowTipNotification),
                                          QVariant::fromValue<QObject *>(app->hotSpot(4)));
        QCOMPARE(caption->stringValue(), pointed);
        InProcessNotifier::shared()->post(QLatin1String(WexButton::HideTipNotification),
                                          QVariant::fromValue<QObject *>(app->hotSpot(4)));
        QCOMPARE(caption->stringValue(), selected);
        InProcessNotifier::shared()->post(QLatin1String(WexButton::ShowTipNotification),
                                          QVariant::fromValue<QObject *>(control("applyBtn")));
        QCOMPARE(caption->stringValue(), selected);
    }

    void middleClickShowsBothMarkers()
    {
        start();
        const MainViewControls &controls = view()->controls();
        app->hotSpot(1)->performClick();
        QCOMPARE(view()->selBtnIndex(), 2);
        QCOMPARE(controls.marker()->geometry(), MainViewLayout::MiddleClickMarker1);
        QCOMPARE(controls.marker2()->geometry(), MainViewLayout::MiddleClickMarker2);
        QVERIFY(controls.marker2()->isVisible());
        app->hotSpot(2)->performClick();
        const QRect right = app->hotSpot(2)->geometry();
        QCOMPARE(controls.marker()->geometry(),
                 QRect(right.x() + (right.width() - 14) / 2, right.y() + (right.height() - 14) / 2,
                       14, 14));
        QVERIFY(!controls.marker2()->isVisible());
    }

    void defaultButtonDependsOnFunctionTableAndKeysOnly()
    {
        start();
        WexButton *defaultBtn = control("defaultBtn");
        app->hotSpot(2)->performClick();
        BTN_INFO &record = OrvexAction::selProfile.btnInfo[2];
        record = OrvexAction::sysProCon->getDefBtnInfoByIndex(2);
        record.btnType = MemoryMap::LauncherButtonType;
        record.MacroID = 7;
        std::strcpy(record.app_path, "/usr/bin/true");
        view()->displayBtnInfo();
        QVERIFY(!defaultBtn->isEnabled());
        record.KeyBit[1] ^= 1;
        view()->displayBtnInfo();
        QVERIFY(defaultBtn->isEnabled());
        defaultBtn->performClick();
        QCOMPARE(record.KeyBit[1], OrvexAction::sysProCon->getDefBtnInfoByIndex(2).KeyBit[1]);
        QVERIFY(!defaultBtn->isEnabled());
        QVERIFY(OrvexAction::isNeedSave);
        QVERIFY(control("applyBtn")->isEnabled());
        QVERIFY(control("okBtn")->isEnabled());
    }

    void theLastLeftClickCannotBeTakenAway()
    {
        start();
        FunctionButtons &functions = view()->functionButtons();
        app->hotSpot(0)->performClick();
        QCOMPARE(OrvexAction::selProfile.btnInfo[0].FuncID, FunctionButtons::LeftClickFunction);
        const BTN_INFO before = OrvexAction::selProfile.btnInfo[0];
        control("launchProBtn")->performClick();
        control("tkeyBtn")->performClick();
        QCOMPARE(dialogs->count(QStringLiteral("WarningNeedLeft")), 2);
        QVERIFY(std::memcmp(&before, &OrvexAction::selProfile.btnInfo[0], sizeof before) == 0);
        QCOMPARE(view()->isModalSeron(), 0);
        OrvexAction::selProfile.btnInfo[4].FuncID = FunctionButtons::LeftClickFunction;
        QVERIFY(functions.checkOnlyLeft(1));
    }

    void unsentChangesAskBeforeSwitchingTabs()
    {
        start();
        app->hotSpot(3)->performClick();
        QVERIFY(view()->functionButtons().assignLauncher(QStringLiteral("/usr/bin/true")));
        const ORVEX_PROFILE edited = OrvexAction::selProfile;
        WexButton *tab2 = view()->controls().tabs().at(1);

        dialogs->answerNext(0);
        tab2->performClick();
        QCOMPARE(dialogs->count(QStringLiteral("WarningNeedSave")), 1);
        QCOMPARE(view()->profileStep()->currentSetp(), 1);
        QVERIFY(std::memcmp(&edited, &OrvexAction::selProfile, sizeof edited) == 0);
        QVERIFY(control("applyBtn")->isEnabled());
        QVERIFY(control("okBtn")->isEnabled());

        tab2->performClick();
        QCOMPARE(dialogs->count(QStringLiteral("WarningNeedSave")), 2);
        QCOMPARE(view()->profileStep()->currentSetp(), 2);
        QCOMPARE(OrvexAction::sysProCon->currFWProfileIndex(), 1);
        const ORVEX_PROFILE slot2 = OrvexAction::sysProCon->getProfileByFWProId(1)->profileData();
        QVERIFY(std::memcmp(&slot2, &OrvexAction::selProfile, sizeof slot2) == 0);
        QVERIFY(!control("applyBtn")->isEnabled());
        QVERIFY(!control("okBtn")->isEnabled());
        QCOMPARE(OrvexAction::getFWProfile(), 1);
    }

    void battleModeWarnsSendsTheLightingAndTellsTheAgent()
    {
        AgentRecorder agent;
        start();
        if (view()->modeStep()->currentSetp() != 1)
            control("normalModeBtn")->performClick();
        agent.clear();
        control("battleModeBtn")->performClick();
        QCOMPARE(dialogs->count(QStringLiteral("WarningBattle")), 1);
        QCOMPARE(OrvexAction::selProfile.modeType, 1u);
        QVERIFY(agent.waitFor(notify::ShowChange, {notify::ShowMode, 1}));
        const auto onMouse = OnboardProfile::read(OrvexAction::sysProCon->currFWProfileIndex());
        QVERIFY(onMouse);
        QCOMPARE(onMouse->profile.modeType, 1u);
    }

    void aPageWindowBlocksTheMainViewUntilItCloses()
    {
        start();
        PageWindows &pages = view()->pageWindows();
        control("macroBtn")->performClick();
        WexNoTitleWindow *macros = pages.window(PageWindows::Page::Macro);
        QVERIFY(macros && macros->isVisible());
        QCOMPARE(macros->size(), QSize(603, 474));
        QCOMPARE(view()->isModalSeron(), 1);
        view()->controls().tabs().at(2)->performClick();
        QVERIFY(pressAccessibly(view()->controls().tabs().at(3)));
        QCOMPARE(view()->profileStep()->currentSetp(), 1);
        control("profileOptionBtn")->performClick();
        QVERIFY(!pages.window(PageWindows::Page::Profile));
        macros->close();
        QCOMPARE(view()->isModalSeron(), 0);
        QVERIFY(!pages.hasModalSession());

        app->hotSpot(2)->performClick();
        const BTN_INFO record = OrvexAction::selProfile.btnInfo[2];
        control("singleBtn")->performClick();
        WexNoTitleWindow *single = pages.window(PageWindows::Page::SingleKey);
        QVERIFY(single);
        QCOMPARE(single->size(), QSize(282, 181));
        auto *page = qobject_cast<SingleKeyView *>(single->contentView());
        const BTN_INFO handedOver = page->tmpBtnInfo();
        QVERIFY(std::memcmp(&record, &handedOver, sizeof record) == 0);
        QVERIFY(pressAccessibly(page->cancelBtn()));
        QCOMPARE(view()->isModalSeron(), 0);

        control("lightOptionBtn")->performClick();
        control("settingBtn")->performClick();
        QCOMPARE(dialogs->shown(),
                 (QStringList{QStringLiteral("Lighting"), QStringLiteral("Performance settings")}));
        QCOMPARE(view()->isModalSeron(), 0);
    }

    void accessibleActionsDoWhatClicksDo()
    {
        start();
        QVERIFY(pressAccessibly(app->hotSpot(4)));
        QCOMPARE(view()->selBtnIndex(), 5);
        QVERIFY(pressAccessibly(view()->controls().tabs().at(4)));
        QCOMPARE(view()->profileStep()->currentSetp(), 5);
        QVERIFY(!pressAccessibly(control("applyBtn")));
        if (view()->modeStep()->currentSetp() == 2)
            QVERIFY(pressAccessibly(control("normalModeBtn")));
        QVERIFY(pressAccessibly(control("battleModeBtn")));
        QCOMPARE(view()->modeStep()->currentSetp(), 2);
        QVERIFY(pressAccessibly(control("profileOptionBtn")));
        QVERIFY(view()->pageWindows().window(PageWindows::Page::Profile));
        view()->pageWindows().window(PageWindows::Page::Profile)->close();
        QVERIFY(pressAccessibly(control("closeBtn")));
        QCOMPARE(app->quitRequests(), 1);
    }

    void filmsGuideAndWebSiteOpenOrSayTheyAreMissing()
    {
        const QString resources = shippedResourcesOnly();
        QDir(resources).mkpath(QStringLiteral("Media"));
        const QString film = resources + QStringLiteral("/Media/M_mouse_Air_through.mp4");
        QFile(film).open(QIODevice::WriteOnly);
        OpenedUrls opened;
        start();
        control("moiveAirBtn")->performClick();
        control("moive3dBtn")->performClick();
        control("helpBtn")->performClick();
        control("homeBtn")->performClick();
        QCOMPARE(opened.urls,
                 (QList<QUrl>{QUrl::fromLocalFile(film),
                              QUrl(QStringLiteral("https://www.orvex-mouse.example"))}));
        QCOMPARE(dialogs->messages(),
                 (QStringList{QStringLiteral("The film \"3D Axis movement\" is not installed."),
                              QStringLiteral("The user guide is not installed.")}));
    }
};

int main(int argc, char **argv)
{
    MainViewTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "MainViewTest.moc"
