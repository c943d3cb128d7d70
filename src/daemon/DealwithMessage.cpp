// SPDX-License-Identifier: GPL-3.0-or-later
#include "DealwithMessage.h"

#include "AgentEventLog.h"
#include "ApplicationLauncher.h"
#include "CoreAgentStore.h"
#include "OsdWindow.h"
#include "ShowMsgView.h"

#include "device/DeviceLink.h"
#include "device/InputReport.h"
#include "device/MemoryMap.h"
#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"
#include "messaging/NotificationNames.h"
#include "platform/WexLogger.h"

#include <cstring>

namespace orvex {

namespace {

const QString Value1 = QStringLiteral("value1");
const QString Value2 = QStringLiteral("value2");
const QString Value3 = QStringLiteral("value3");
const QString Value4 = QStringLiteral("value4");

// A launcher path as stored: UTF-8 up to the first NUL or the end of the
// field, so a field without its NUL is never read past.
QString storedPath(const char (&field)[sizeof(BTN_INFO::app_path)])
{
    return QString::fromUtf8(field, qsizetype(strnlen(field, sizeof(field))));
}

} // namespace

DealwithMessage::DealwithMessage(std::unique_ptr<AgentStore> store, QObject *parent)
    : WexUSBDealwithObj(parent),
      m_store(store ? std::move(store) : std::make_unique<CoreAgentStore>())
{
    const QString settingChange = QLatin1String(notify::SettingChange);
    DistributedNotifications *notifications = DistributedNotifications::shared();
    notifications->observe(settingChange);
    connect(notifications, &DistributedNotifications::received, this,
            &DealwithMessage::apReportPro);
    m_isOsd = m_store->daemonGetOsd();
}

DealwithMessage::~DealwithMessage()
{
    delete m_showMsgFrm;
}

QString DealwithMessage::notifyDevStatusStr()
{
    return QLatin1String(notify::DevStatus);
}

void DealwithMessage::didEndInit()
{
    if (!isOnDev())
        return;
    ORVEX_DEBUG(QStringLiteral("Doemon%1").arg(QStringLiteral("resetDev")));
    DeviceLink::startListenDev();
    DeviceLink::resetDev();
}

void DealwithMessage::dealWithMsg(const Report &report)
{
    AgentEventLog::rawReport(report);
    if (InputReport(report).isEvent())
        dealWithReportA4(report);
}

void DealwithMessage::dealWithReportA4(const Report &report)
{
    switch (InputReport(report).subKind()) {
    case InputReport::DpiStageChanged:
        setDpiWithReport(report);
        break;
    case InputReport::ProfileChanged:
        setProfileWithReport(report);
        break;
    case InputReport::ButtonPressed:
        dealyLaunchAp(report);
        break;
    default:
        break;
    }
}

// The application is told whatever the display shows, so its settings page
// follows stage changes made on the mouse.
void DealwithMessage::setDpiWithReport(const Report &report)
{
    const InputReport input(report);
    if (ShowMsgView *view = getShowFrmView())
        view->showDpi(input.stage(), input.x(), input.y());
    sendDevStatus(notify::StatusDpi, QList<int>{input.stage(), input.x(), input.y()});
    ORVEX_DEBUG(QStringLiteral("Profile %1  DPI %2").arg(input.profile()).arg(input.stage()));
}

// While the application runs it selects the profile and asks for the
// display itself (message 111), so the agent only relays.
void DealwithMessage::setProfileWithReport(const Report &report)
{
    const InputReport input(report);
    if (!input.namesProfile())
        return;
    if (checkApLaunch()) {
        sendDevStatus(notify::StatusProfile, input.profile());
        return;
    }
    if (ShowMsgView *view = getShowFrmView())
        view->showWithImageTag(pictureTag(notify::ShowProfile, input.profile()));
}

void DealwithMessage::dealyLaunchAp(const Report &report)
{
    const InputReport input(report);
    ORVEX_DEBUG(QStringLiteral("Profile %1 ").arg(input.profile()));
    if (input.isConfigurationButton()) {
        launchAp();
        return;
    }
    if (!input.isLauncherCode())
        return;
    const ProfileValuePtr stored = m_store->getProfileByFWProId(input.profile());
    if (!stored)
        return;
    const std::optional<int> slot = input.launcherSlot();
    if (!slot)
        return;
    const int button = MemoryMap::getBtnIndexBy2(*slot);
    launchAppByPath(storedPath(stored->profileData().btnInfo[button].app_path));
}

void DealwithMessage::apReportPro(const QString &name, const QString &object,
                                  const QVariantMap &userInfo)
{
    if (name != QLatin1String(notify::SettingChange))
        return;
    switch (object.trimmed().toInt()) {
    case notify::ReloadProfiles:
        refrshSetting();
        break;
    case notify::OsdSwitch:
        m_isOsd = AgentMessaging::intValue(userInfo, Value1) != 0;
        break;
    case notify::ShowChange:
        if (m_isOsd)
            showChange(userInfo);
        break;
    default:
        break;
    }
}

// Kinds without a picture show nothing: no window is brought up for them.
void DealwithMessage::showChange(const QVariantMap &userInfo)
{
    const int kind = AgentMessaging::intValue(userInfo, Value1);
    const int a = AgentMessaging::intValue(userInfo, Value2);
    if (kind == notify::ShowDpi) {
        if (ShowMsgView *view = getShowFrmView())
            view->showDpi(a, AgentMessaging::intValue(userInfo, Value3),
                          AgentMessaging::intValue(userInfo, Value4));
        return;
    }
    const QString tag = pictureTag(kind, a);
    if (tag.isEmpty())
        return;
    if (ShowMsgView *view = getShowFrmView())
        view->showWithImageTag(tag);
}

// "P<a + 1>" for a profile (wide enough for any int), "battle" or "normal"
// for the lighting mode, "rate<a>" for the report rate; empty otherwise.
QString DealwithMessage::pictureTag(int kind, int value)
{
    switch (kind) {
    case notify::ShowProfile:
        return QStringLiteral("P%1").arg(qint64(value) + 1);
    case notify::ShowMode:
        return value != 0 ? QStringLiteral("battle") : QStringLiteral("normal");
    case notify::ShowRate:
        return QStringLiteral("rate%1").arg(value);
    default:
        return {};
    }
}

ShowMsgView *DealwithMessage::getShowFrmView()
{
    if (!m_isOsd)
        return nullptr;
    if (!m_showMsgFrm)
        m_showMsgFrm = new OsdWindow;
    m_showMsgFrm->prepareForDisplay();
    return m_showMsgFrm->contentView();
}

bool DealwithMessage::checkApLaunch()
{
    return ApplicationLauncher::isConfigurationRunning();
}

void DealwithMessage::launchAppByPath(const QString &path)
{
    if (ApplicationLauncher::openLauncherPath(path))
        AgentEventLog::launch(path);
}

void DealwithMessage::launchAp()
{
    const QString path = ApplicationLauncher::configurationApplicationPath();
    if (path.isEmpty()) {
        ORVEX_WARNING(QStringLiteral("the configuration application is not installed"));
        return;
    }
    // Found by the agent itself, not taken from a profile: no launcher check.
    if (ApplicationLauncher::open(path))
        AgentEventLog::launch(path);
}

void DealwithMessage::refrshSetting()
{
    ORVEX_DEBUG(QStringLiteral("更新Setting"));
    m_store->refreshProfile();
    m_store->reSetCurrProfile();
}

} // namespace orvex
