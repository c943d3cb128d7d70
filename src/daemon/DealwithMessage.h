// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AgentStore.h"
#include "WexUSBDealwithObj.h"

#include <QVariantMap>

#include <memory>

namespace orvex {

class OsdWindow;
class ShowMsgView;

// The agent's event handler: acts on the mouse's input reports (the layout
// is InputReport's), shows changes on screen, starts launcher applications
// and the configuration application, relays profile and DPI changes to the
// application, and obeys the application's "OrvexSettingChange" messages.
// Main thread only.
class DealwithMessage : public WexUSBDealwithObj
{
    Q_OBJECT
public:
    // Registers for "OrvexSettingChange", loads the stored profiles and reads
    // the display switch. Null `store` means the core's profile store.
    explicit DealwithMessage(std::unique_ptr<AgentStore> store = nullptr,
                             QObject *parent = nullptr);
    ~DealwithMessage() override;

    bool openDeviceWhenAdd() override { return false; }
    QString notifyDevStatusStr() override;
    QString deviceOptionPath() override { return {}; }
    void didEndInit() override;
    void dealWithMsg(const Report &report) override;

    void dealWithReportA4(const Report &report);
    // Handles one system-wide notification; only "OrvexSettingChange" counts.
    void apReportPro(const QString &name, const QString &object, const QVariantMap &userInfo);

    // The display's view, placed and ready; null while the display is off.
    ShowMsgView *getShowFrmView();

    // Overridable for tests: whether the configuration application runs,
    // opening a path, starting the application and reloading the profiles.
    virtual bool checkApLaunch();
    virtual void launchAppByPath(const QString &path);
    virtual void launchAp();
    virtual void refrshSetting();

    bool isOsd() const { return m_isOsd; }
    OsdWindow *showMsgFrm() const { return m_showMsgFrm; }

private:
    void setDpiWithReport(const Report &report);
    void setProfileWithReport(const Report &report);
    void dealyLaunchAp(const Report &report);
    void showChange(const QVariantMap &userInfo);
    static QString pictureTag(int kind, int value);

    std::unique_ptr<AgentStore> m_store;
    OsdWindow *m_showMsgFrm = nullptr;
    bool m_isOsd = true;
};

} // namespace orvex
