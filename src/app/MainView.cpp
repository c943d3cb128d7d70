// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainView.h"

#include "ApplicationIdentity.h"
#include "ApplicationMenu.h"
#include "ButtonInfoArea.h"
#include "FunctionButtons.h"
#include "MainViewControls.h"
#include "MainViewLayout.h"
#include "MainViewObservers.h"
#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "PageWindows.h"
#include "ProfilePickList.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexSetpPanelObj.h"
#include "WexUiAction.h"
#include "device/TransferWorker.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"
#include "platform/ProcessState.h"
#include "platform/ResourceFolder.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>

namespace orvex {

namespace {

// Tags of the controls the click dispatch knows (MainViewLayout's table).
enum Tag
{
    ProfileListTag = 28,
    LightOptionTag = 29,
    ResetTag = 257,
    WebSiteTag = 258,
    HelpTag = 259,
    CloseTag = 260,
    MacroEditorTag = 272,
    ProfilePageTag = 273,
    SettingPageTag = 274,
    MacroFunctionTag = 275,
    SingleKeyTag = 276,
    DefaultFunctionTag = 277,
    ApplyTag = 278,
    OkTag = 279,
    CancelTag = 280,
    LauncherTag = 293,
    AirFilmTag = 294,
    AxisFilmTag = 295,
};

// What the "CloseWindow" notification's type 100 means: a page has changed
// the working record's buttons.
constexpr int ButtonsChangedWindowType = 100;
constexpr int WholeDeviceTransfer = 1;

const QString AirFilm = QStringLiteral("Media/M_mouse_Air_through.mp4");
const QString AxisFilm = QStringLiteral("Media/M_mouse_3D_steering.mp4");
const QString UserGuide = QStringLiteral("Help/UserInterfaceSetupGuide_en.html");

ProfieController *store()
{
    return OrvexAction::sysProCon;
}

const bool registeredReset = ProcessState::add("MainView", &MainView::resetState);

} // namespace

bool MainView::isOutPlusTag = false;

void MainView::resetState()
{
    isOutPlusTag = false;
}

MainView::MainView(const QRect &frame, QWidget *parent)
    : KeltoImageView(frame, parent), m_controls(std::make_unique<MainViewControls>(*this)),
      m_infoArea(std::make_unique<ButtonInfoArea>(*this)),
      m_functions(std::make_unique<FunctionButtons>(*this)),
      m_pickList(std::make_unique<ProfilePickList>(*this)),
      m_pages(std::make_unique<PageWindows>(*this)),
      m_observers(std::make_unique<MainViewObservers>(*this)),
      m_menu(std::make_unique<ApplicationMenu>(*this))
{
    setAccessibleName(QLatin1String(ApplicationIdentity::DisplayName));
}

MainView::~MainView()
{
    m_observers->removeAll();
}

void MainView::initData()
{
    WexAction::setLoggerTempLevel();
    WexAction::setLoggerHasFile(true);
    m_isOutPlus = false;
    OrvexAction::getSysPath();
    m_sysTooltip = TooltipManager::shareTooltipManager();
    OrvexAction::initMenuList();
    OrvexAction::getShareProCon();
    OrvexAction::startListenDev();
    setImageByName(QLatin1String(MainViewLayout::SkinName));
    const QString resources = ResourceFolder::path();
    m_airMoivePath = resources + QLatin1Char('/') + AirFilm;
    m_air3dMoivePath = resources + QLatin1Char('/') + AxisFilm;
    m_LochelpPath = resources + QLatin1Char('/') + UserGuide;
    m_infoArea->loadIcons();
}

void MainView::initControls()
{
    m_controls->build();
    initSelectors();
    initTooltip();
    m_menu->refreshOsdMenu();
}

// The first profile selection fills the mode selector from the profile it
// loads (fillSettingData()), so the mode selector gets its first selection
// there, with no transfer; selecting "normal" first, before any profile is
// known, would put a battle-mode profile into normal mode unasked.
void MainView::initSelectors()
{
    m_profileStep = new WexSetpPanelObj(this);
    for (WexButton *tab : m_controls->tabs())
        m_profileStep->addItem(tab);
    m_modeStep = new WexSetpPanelObj(this);
    for (WexButton *mode : m_controls->modes())
        m_modeStep->addItem(mode);
    m_selBtnSetp = new WexSetpPanelObj(this);
    for (WexButton *hotSpot : m_controls->hotSpots()) {
        m_selBtnSetp->addItem(hotSpot);
        hotSpot->setWexBtnDelege(this);
    }
    m_profileStep->setSetpDelegate(this);
    m_modeStep->setSetpDelegate(this);
    m_selBtnSetp->setSetpDelegate(this);

    m_isFWChangeProfile = true;
    m_profileStep->selectindex(OrvexAction::getFWProfile() + 1);
    m_isFWChangeProfile = false;
    if (m_modeStep->currentSetp() == 0)
        m_modeStep->selectindex(1);
    m_selBtnSetp->selectindex(1);
}

void MainView::initTooltip()
{
    m_controls->initTooltip(m_sysTooltip);
}

void MainView::fillSettingData()
{
    m_isFillSetting = true;
    if (m_modeStep)
        m_modeStep->selectindex(int(OrvexAction::selProfile.modeType) + 1);
    const ProfileValuePtr current = store() ? store()->currProfile() : nullptr;
    WexButton *title = m_controls->byTag(ProfileListTag);
    if (current && !current->name().isNull() && title)
        title->setTitle(current->name());
    m_isFillSetting = false;
    ORVEX_DEBUG(QStringLiteral("CurrProfileName %1")
                    .arg(current ? current->name() : QStringLiteral("(none)")));
}

// --- Life -------------------------------------------------------------------

void MainView::initNotify()
{
    checkDevPro();
    if (m_terminating)
        return;
    m_observers->registerAll();
    changeOSDPro();
    getFWDataPro();
}

void MainView::deallocNotify()
{
    m_observers->removeAll();
}

void MainView::raiseModalCount()
{
    ++m_isModalSeron;
}

void MainView::lowerModalCount()
{
    m_isModalSeron = std::max(0, m_isModalSeron - 1);
}

bool MainView::IsCurrSelectedBtn() const
{
    return m_selBtnIndex >= 1 && m_selBtnIndex <= ButtonCount;
}

void MainView::checkDevPro()
{
    if (!OrvexAction::checkListenDev())
        outPlusePro();
}

void MainView::getFWDataPro()
{
    if (m_isModalSeron > 0 || m_terminating)
        return;
    m_isModalSeron = 1;
    if (!OrvexAction::getAllFWDataPro())
        m_isModalSeron = 0;
}

void MainView::changeOSDPro()
{
    OrvexAction::sendMessageToDaemon(notify::OsdSwitch, {QVariant(store()->isOSD())});
}

void MainView::outPlusePro()
{
    if (m_isModalSeron > 0 || m_isOutPlus)
        return;
    m_isOutPlus = true;
    OrvexWidgetFactory::showPopView(QStringLiteral("WarningPlusIn"));
    closeAppPro();
}

void MainView::closeAppPro()
{
    if (m_terminating)
        return;
    m_terminating = true;
    stopTransfersBeforeQuit();
    Q_EMIT terminateRequested();
}

// A transfer still running stops at its next request (the mouse then drops
// what it was sent and nothing is stored) and its thread is joined, so no
// thread outlives the store and the windows it reports to.
void MainView::stopTransfersBeforeQuit()
{
    if (TransferWorker::isRunning())
        ORVEX_INFO(QStringLiteral("quitting: stopping the running transfer"));
    TransferWorker::stop();
}

// The core runs one whole-profile transfer at a time and refuses another
// while one runs; a refused one is not counted, or the view would stay inert.
void MainView::startTransfer(bool (*transfer)())
{
    raiseModalCount();
    if (!transfer()) {
        ORVEX_WARNING(QStringLiteral("a transfer is already running; this one was not started"));
        lowerModalCount();
    }
}

// --- Notifications ------------------------------------------------------------

void MainView::acitveProfileById(std::int64_t profileId)
{
    store()->saveSelProfile();
    store()->setProfileToFWPro(profileId);
    fillSettingData();
    displayBtnInfo();
    startTransfer(&OrvexAction::applyFWDataPro);
    store()->saveToSys();
}

void MainView::hideLoadViewPro(int value, bool success)
{
    lowerModalCount();
    // The overlay goes first: the refresh below may ask the user something.
    OrvexAction::hideLoadViewPro();
    if (value == WholeDeviceTransfer) {
        fillSettingData();
        displayBtnInfo();
        if (success)
            OrvexAction::sendMessageToDaemon(notify::ReloadProfiles);
    }
    if (success || m_terminating)
        return;
    WexUiAction::showInfoMessage(
        value == WholeDeviceTransfer
            ? tr("The profiles could not be read from the mouse: it stopped answering. Your "
                 "stored profiles were left as they were.")
            : tr("The mouse did not take the settings: it stopped answering. They are kept in "
                 "the stored profile; apply them again once the mouse is back."));
}

void MainView::dealFinishWin(int type)
{
    if (type != ButtonsChangedWindowType)
        return;
    displayBtnInfo();
    refreshApplyBtn();
}

void MainView::devReportPro(const QVariantMap &userInfo)
{
    if (isOutPlusTag)
        return;
    const int type = OrvexAction::intValue(userInfo, QStringLiteral("type"));
    switch (type) {
    case notify::StatusProfile: {
        const int slot = OrvexAction::intValue(userInfo, QStringLiteral("value"));
        QMetaObject::invokeMethod(
            this, [this, slot] { changeProfilePro(slot); }, Qt::QueuedConnection);
        break;
    }
    case notify::StatusDpi:
        InProcessNotifier::shared()->post(QLatin1String(notify::DpiChange), {}, userInfo);
        break;
    case notify::StatusUnplugged:
        isOutPlusTag = true;
        QMetaObject::invokeMethod(
            this, [this] { outPlusePro(); }, Qt::QueuedConnection);
        break;
    case notify::StatusPlugged:
        QMetaObject::invokeMethod(
            this, [this] { getFWDataPro(); }, Qt::QueuedConnection);
        break;
    default:
        break;
    }
}

void MainView::changeProfilePro(int slot)
{
    if (slot < 0 || slot >= FirmwareSlotCount)
        return;
    m_isFWChangeProfile = true;
    m_profileStep->selectindex(slot + 1);
    m_isFWChangeProfile = false;
}

// --- Clicks -------------------------------------------------------------------

bool MainView::isBlockedByModalWindow() const
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != window();
}

void MainView::buttonAction(WexButton *sender)
{
    if (!sender || m_isModalSeron > 0 || isBlockedByModalWindow())
        return;
    switch (sender->tag()) {
    case ProfileListTag:
        m_pickList->show();
        break;
    case LightOptionTag:
        m_pages->showLightOptionView();
        break;
    case SettingPageTag:
        m_pages->showSettingView();
        break;
    case MacroEditorTag:
        m_pages->showMacroView();
        break;
    case ProfilePageTag:
        m_pages->showProfileView();
        break;
    case ResetTag:
        resetProfilePro();
        break;
    case WebSiteTag:
        openWebSitePro();
        break;
    case HelpTag:
        openHelpPro();
        break;
    case CloseTag:
    case CancelTag:
        cancelPro();
        break;
    case MacroFunctionTag:
        m_pages->showTKeyView();
        break;
    case SingleKeyTag:
        m_pages->showSingKeyView();
        break;
    case DefaultFunctionTag:
        m_functions->defaultPro();
        break;
    case ApplyTag:
        applyPro();
        break;
    case OkTag:
        okPro();
        break;
    case LauncherTag:
        m_functions->showLaunchPro();
        break;
    case AirFilmTag:
        openAirPro();
        break;
    case AxisFilmTag:
        openAir3DPro();
        break;
    case MainViewControls::MenuButtonTag:
        m_menu->popupBelow(sender);
        break;
    default:
        break;
    }
}

void MainView::onMouseEvent(QObject *, QEvent *, int) {}

void MainView::contextMenuEvent(QContextMenuEvent *event)
{
    // A right click on a control has no effect; elsewhere it opens the menu.
    if (qobject_cast<WexButton *>(childAt(event->pos())) || m_isModalSeron > 0 ||
        isBlockedByModalWindow()) {
        event->accept();
        return;
    }
    m_menu->popupAt(event->globalPos());
    event->accept();
}

void MainView::resetProfilePro()
{
    if (!OrvexWidgetFactory::showPopView(QStringLiteral("WarningResetAll")))
        return;
    store()->resetCurrFwToDef();
    store()->refreshSelProfileFromData();
    fillSettingData();
    displayBtnInfo();
    store()->saveToSys();
    startTransfer(&OrvexAction::applyFWDataPro);
}

void MainView::applyPro()
{
    store()->saveSelProfileToData();
    store()->saveToSys();
    OrvexAction::sendMessageToDaemon(notify::ReloadProfiles);
    store()->refreshSelProfileFromData();
    startTransfer(&OrvexAction::setCurrBtnInfoToDevicePro);
    OrvexAction::isNeedSave = false;
    refreshApplyBtn();
}

void MainView::okPro()
{
    OrvexAction::setCurrBtnInfoToDevice();
    saveData();
    store()->saveSelProfileToData();
    store()->saveToSys();
    OrvexAction::sendMessageToDaemon(notify::ReloadProfiles);
    // The transfer's end notice is queued to this view: take it now, so a
    // failure is told before the application ends.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    closeAppPro();
}

void MainView::cancelPro()
{
    closeAppPro();
}

void MainView::openWebSitePro()
{
    WexUiAction::openPage(QLatin1String(ApplicationIdentity::WebSite));
}

void MainView::openShippedFile(const QString &path, const QString &what)
{
    if (QFileInfo(path).isFile()) {
        WexUiAction::openFile(path);
        return;
    }
    ORVEX_WARNING(QStringLiteral("%1 is not installed: no %2").arg(what, path));
    WexUiAction::showInfoMessage(tr("%1 is not installed.").arg(what));
}

void MainView::openHelpPro()
{
    openShippedFile(m_LochelpPath, tr("The user guide"));
}

void MainView::openAirPro()
{
    openShippedFile(m_airMoivePath, tr("The film \"Air Through\""));
}

void MainView::openAir3DPro()
{
    openShippedFile(m_air3dMoivePath, tr("The film \"3D Axis movement\""));
}

// --- Selectors ----------------------------------------------------------------

bool MainView::shouldSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender)
{
    if (oldIndex < 1)
        return true;
    if ((m_isModalSeron > 0 || isBlockedByModalWindow()) && !m_isFillSetting)
        return false;
    if (sender == m_profileStep) {
        if (m_isFWChangeProfile || !OrvexAction::isNeedSave)
            return true;
        return OrvexWidgetFactory::showPopView(QStringLiteral("WarningNeedSave"));
    }
    if (sender == m_modeStep && !m_isFWChangeProfile && newIndex == 2)
        OrvexWidgetFactory::showPopView(QStringLiteral("WarningBattle"));
    return true;
}

void MainView::onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender)
{
    if (sender == m_profileStep)
        selectProfileTab(newIndex, oldIndex);
    else if (sender == m_selBtnSetp)
        selectHotSpot(newIndex);
    else if (sender == m_modeStep)
        selectMode(newIndex, oldIndex);
}

void MainView::selectProfileTab(int newIndex, int oldIndex)
{
    ORVEX_DEBUG(QStringLiteral("Curr Profile Setp %1").arg(newIndex));
    setBtnCurrProfile(newIndex - 1);
    OrvexAction::isNeedSave = false;
    refreshApplyBtn();
    if (oldIndex < 1)
        OrvexAction::initSysPrePro();
    if (oldIndex > 0)
        OrvexAction::sendProfileChangeToDaemon(newIndex - 1);
}

void MainView::selectHotSpot(int newIndex)
{
    ORVEX_DEBUG(QStringLiteral("Curr SelBtn Setp %1").arg(newIndex));
    const QList<WexButton *> hotSpots = m_selBtnSetp->tabBtnArr();
    if (newIndex >= 1 && newIndex <= hotSpots.size())
        m_infoArea->setSelImage(hotSpots.at(newIndex - 1));
    m_selBtnIndex = newIndex;
    displayBtnInfo();
}

void MainView::selectMode(int newIndex, int oldIndex)
{
    OrvexAction::selProfile.modeType = std::uint32_t(newIndex - 1);
    if (oldIndex < 1)
        return;
    OrvexAction::setCurrColorToDev();
    OrvexAction::sendModeChangeToDaemon(int(OrvexAction::selProfile.modeType));
}

// --- Display ------------------------------------------------------------------

void MainView::displayBtnInfo()
{
    m_infoArea->displayBtnInfo();
}

void MainView::refreshApplyBtn()
{
    for (int tag : {ApplyTag, OkTag}) {
        if (WexButton *button = m_controls->byTag(tag))
            button->setIsEnable(OrvexAction::isNeedSave);
    }
}

void MainView::setBtnCurrProfile(int slot)
{
    if (slot < 0 || slot >= FirmwareSlotCount)
        return;
    m_controls->stackTabs(slot);
    store()->setCurrFWProfileIndex(slot);
    OrvexAction::setProfileToDevice(slot);
    update();
    fillSettingData();
    displayBtnInfo();
}

} // namespace orvex
