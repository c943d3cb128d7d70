// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"
#include "WexBtnDelege.h"
#include "WexSetpDelegate.h"

#include <QString>
#include <QVariantMap>

#include <cstdint>
#include <memory>

class QContextMenuEvent;

namespace orvex {

class ApplicationMenu;
class ButtonInfoArea;
class FunctionButtons;
class MainViewControls;
class MainViewObservers;
class PageWindows;
class ProfilePickList;
class TooltipManager;
class WexButton;
class WexSetpPanelObj;

// The main window's content: the mouse with its eleven hot-spots, the five
// onboard-profile tabs, the LED modes, the stored profile of the selected tab
// with its pick list, the page and function buttons, and Apply, OK, Cancel.
// It keeps the working record (OrvexAction::selProfile) in step with the
// selected tab and starts the transfers to the mouse.
//
// Life: create() runs initData() (the core's start-up) and initControls();
// putting the view into its window runs initNotify() (the presence check, the
// observers and the import of the five onboard profiles). Features live in
// helpers that share this view's state: the controls (MainViewControls), the
// info area (ButtonInfoArea), the function buttons (FunctionButtons), the
// profile pick list (ProfilePickList), the page windows (PageWindows), the
// notifications (MainViewObservers) and the menu (ApplicationMenu).
//
// Modal operations: isModalSeron() counts page windows and transfers behind
// the loading overlay; while it is above 0 clicks on the view do nothing and
// no tab, mode or hot-spot can be selected (except the mode that
// fillSettingData() selects). Main thread only.
class MainView : public KeltoImageView, public WexSetpDelegate, public WexBtnDelege
{
    Q_OBJECT
public:
    MainView(const QRect &frame, QWidget *parent);
    ~MainView() override;

    // Set once the agent has reported the mouse unplugged; from then on every
    // device status is ignored. Process-wide.
    static bool isOutPlusTag;
    static void resetState();

    // --- Set-up template ----------------------------------------------------
    void initData() override;
    void initControls() override;
    void fillSettingData() override;
    void initNotify() override;
    void deallocNotify() override;

    // --- State --------------------------------------------------------------
    int isModalSeron() const { return m_isModalSeron; }
    // One modal operation more / less (never below 0).
    void raiseModalCount();
    void lowerModalCount();
    bool isOutPlus() const { return m_isOutPlus; }
    bool isFWChangeProfile() const { return m_isFWChangeProfile; }
    // Selected hot-spot 1..11, 0 for none.
    int selBtnIndex() const { return m_selBtnIndex; }
    bool IsCurrSelectedBtn() const;
    // True once the view asked for the application to end.
    bool isTerminating() const { return m_terminating; }
    QString airMoivePath() const { return m_airMoivePath; }
    QString air3dMoivePath() const { return m_air3dMoivePath; }
    QString LochelpPath() const { return m_LochelpPath; }

    MainViewControls &controls() const { return *m_controls; }
    ButtonInfoArea &infoArea() const { return *m_infoArea; }
    FunctionButtons &functionButtons() const { return *m_functions; }
    ProfilePickList &pickList() const { return *m_pickList; }
    PageWindows &pageWindows() const { return *m_pages; }
    ApplicationMenu &applicationMenu() const { return *m_menu; }
    WexSetpPanelObj *profileStep() const { return m_profileStep; }
    WexSetpPanelObj *modeStep() const { return m_modeStep; }
    WexSetpPanelObj *selBtnSetp() const { return m_selBtnSetp; }

    // --- Controls -------------------------------------------------------------
    // Click dispatch by the sender's tag; nothing while a modal operation runs.
    void buttonAction(WexButton *sender);
    bool shouldSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender) override;
    void onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender) override;
    // The hot-spots' delegate: the view takes no pointer events of them.
    void onMouseEvent(QObject *sender, QEvent *event, int type) override;

    // --- Display --------------------------------------------------------------
    void displayBtnInfo();
    // Apply and OK are usable exactly while there are unsent changes.
    void refreshApplyBtn();
    // Selects onboard slot 0..4: stacks the tabs, edits the stored profile
    // bound to it and makes it the mouse's active profile.
    void setBtnCurrProfile(int slot);

    // --- Notification handlers and what they start ----------------------------
    void acitveProfileById(std::int64_t profileId);
    // The end of a transfer (value 1: the whole device) on the main thread;
    // `success` false when the mouse did not take or give everything.
    void hideLoadViewPro(int value, bool success);
    void dealFinishWin(int type);
    void onEndLoadApp() {}
    // The agent's device status ("type", "value", ...).
    void devReportPro(const QVariantMap &userInfo);
    void changeProfilePro(int slot);
    void outPlusePro();
    void closeAppPro();
    void checkDevPro();
    void getFWDataPro();
    // Tells the agent whether the on-screen display is on (message 110).
    void changeOSDPro();

    // The one place that makes sure no transfer outlives the application's
    // objects; called on every way out.
    void stopTransfersBeforeQuit();
    void startTransfer(bool (*transfer)());

    // --- Actions ------------------------------------------------------------
    void cancelPro();
    void openHelpPro();
    void openAirPro();
    void openAir3DPro();
    void openWebSitePro();

Q_SIGNALS:
    // The view is done: the application should end now.
    void terminateRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void initSelectors();
    void initTooltip();
    void resetProfilePro();
    void applyPro();
    void okPro();
    // Opens a shipped file, or says that it is not installed.
    void openShippedFile(const QString &path, const QString &what);
    // A window of ours other than the main window is modal: clicks that
    // reach the view anyway (an assistive technology's action) do nothing.
    bool isBlockedByModalWindow() const;
    void selectProfileTab(int newIndex, int oldIndex);
    void selectHotSpot(int newIndex);
    void selectMode(int newIndex, int oldIndex);

    std::unique_ptr<MainViewControls> m_controls;
    std::unique_ptr<ButtonInfoArea> m_infoArea;
    std::unique_ptr<FunctionButtons> m_functions;
    std::unique_ptr<ProfilePickList> m_pickList;
    std::unique_ptr<PageWindows> m_pages;
    std::unique_ptr<MainViewObservers> m_observers;
    std::unique_ptr<ApplicationMenu> m_menu;
    TooltipManager *m_sysTooltip = nullptr;
    WexSetpPanelObj *m_profileStep = nullptr;
    WexSetpPanelObj *m_modeStep = nullptr;
    WexSetpPanelObj *m_selBtnSetp = nullptr;

    QString m_airMoivePath;
    QString m_air3dMoivePath;
    QString m_LochelpPath;
    int m_isModalSeron = 0;
    int m_selBtnIndex = 0;
    bool m_isOutPlus = false;
    bool m_isFWChangeProfile = false;
    bool m_isFillSetting = false;
    bool m_terminating = false;
};

} // namespace orvex
