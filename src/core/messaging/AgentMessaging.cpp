// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaging/AgentMessaging.h"

#include "messaging/DistributedNotifications.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"

namespace orvex {

namespace {
const QString SettingChange = QLatin1String(notify::SettingChange);
const QString DevStatus = QLatin1String(notify::DevStatus);
const QString TypeKey = QStringLiteral("type");
const QString ValueKey = QStringLiteral("value");
} // namespace

QVariantMap AgentMessaging::numberedValues(const QVariantList &values)
{
    QVariantMap userInfo;
    for (qsizetype i = 0; i < values.size(); ++i)
        userInfo.insert(QStringLiteral("value%1").arg(i + 1), values[i]);
    return userInfo;
}

int AgentMessaging::intValue(const QVariantMap &userInfo, const QString &key)
{
    const QVariant value = userInfo.value(key);
    const int type = value.metaType().id();
    if (type == QMetaType::Int || type == QMetaType::Bool)
        return value.toInt();
    return 0;
}

void AgentMessaging::sendMessageToDaemon(int code)
{
    DistributedNotifications::post(SettingChange, QString::number(code));
}

void AgentMessaging::sendMessageToDaemon(int code, const QVariantList &values)
{
    DistributedNotifications::post(SettingChange, QString::number(code), numberedValues(values));
}

void AgentMessaging::sendProfileChangeToDaemon(int profile)
{
    sendMessageToDaemon(notify::ShowChange, {notify::ShowProfile, profile});
}

void AgentMessaging::sendModeChangeToDaemon(int mode)
{
    sendMessageToDaemon(notify::ShowChange, {notify::ShowMode, mode});
}

void AgentMessaging::sendRateChangeToDaemon(int rate)
{
    sendMessageToDaemon(notify::ShowChange, {notify::ShowRate, rate});
}

void AgentMessaging::sendDPiChangeToDaemon(int stage, int x, int y)
{
    sendMessageToDaemon(notify::ShowChange, {notify::ShowDpi, stage, x, y});
}

void AgentMessaging::sendHideLoadView(int value, bool success)
{
    InProcessNotifier::shared()->post(QLatin1String(notify::HideLoadEvent), value,
                                      {{QLatin1String(notify::SuccessKey), success}});
}

void AgentMessaging::sendFinishWinMsg(int type, const QVariant &value)
{
    QVariantMap userInfo{{TypeKey, type}};
    if (value.isValid())
        userInfo.insert(ValueKey, value);
    InProcessNotifier::shared()->post(QLatin1String(notify::CloseWindowEvent), {}, userInfo);
}

QString AgentMessaging::devStatusName()
{
    return DevStatus;
}

void AgentMessaging::sendDevStatus(int type, const QString &name)
{
    DistributedNotifications::post(name, QString(), {{TypeKey, type}});
}

void AgentMessaging::sendDevStatus(int type, int value, const QString &name)
{
    DistributedNotifications::post(name, QString(), {{TypeKey, type}, {ValueKey, value}});
}

void AgentMessaging::sendDevStatus(int type, const QList<int> &values, const QString &name)
{
    QVariantList list;
    for (int value : values)
        list << value;
    QVariantMap userInfo = numberedValues(list);
    userInfo.insert(TypeKey, type);
    DistributedNotifications::post(name, QString(), userInfo);
}

} // namespace orvex
