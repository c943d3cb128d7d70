// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace orvex {

// The messages between the configuration application and the agent, and the
// in-process notifications the transfers and pages post.
class AgentMessaging
{
public:
    // Application -> agent: "OrvexSettingChange" with the code as object and,
    // when values are given, "value1", "value2", ... holding them in order.
    static void sendMessageToDaemon(int code);
    static void sendMessageToDaemon(int code, const QVariantList &values);
    static void sendProfileChangeToDaemon(int profile);
    static void sendModeChangeToDaemon(int mode);
    static void sendRateChangeToDaemon(int rate);
    static void sendDPiChangeToDaemon(int stage, int x, int y);

    // In process: the end of a transfer (0 buttons, 1 whole device), with
    // userInfo "success" telling whether every report went through, and the
    // request to close a window.
    static void sendHideLoadView(int value, bool success = true);
    static void sendFinishWinMsg(int type, const QVariant &value = {});

    // Agent -> application: the device status with "type" and "value", or
    // "type" and "value1", "value2", ..., or "type" alone. Posted under `name`,
    // which is "OrvexDevStatus" unless the agent's handler names another.
    static void sendDevStatus(int type, int value, const QString &name = devStatusName());
    static void sendDevStatus(int type, const QList<int> &values,
                              const QString &name = devStatusName());
    static void sendDevStatus(int type, const QString &name = devStatusName());
    static QString devStatusName();

    // "value1", "value2", ... for the values in order.
    static QVariantMap numberedValues(const QVariantList &values);
    // An integer userInfo value; missing or of another type reads as 0.
    static int intValue(const QVariantMap &userInfo, const QString &key);
};

} // namespace orvex
