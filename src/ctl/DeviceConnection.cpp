// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceConnection.h"

#include "OrvexAction.h"
#include "device/DeviceSelector.h"
#include "device/WexHIDComFunction.h"

namespace orvex::ctl {

int DeviceConnection::open(const CtlInvocation &invocation, QTextStream &err)
{
    DeviceSelector::setProcessOption(invocation.device);
    QString error;
    if (!DeviceSelector::current(&error)) {
        err << "orvexctl: " << error << '\n';
        return ExitUsageError;
    }
    OrvexAction::startListenDev();
    if (!OrvexAction::checkListenDev()) {
        err << "orvexctl: no mouse: " << OrvexAction::sysDeviceReq->describeDevice() << '\n';
        return ExitDeviceError;
    }
    return ExitOk;
}

} // namespace orvex::ctl
