// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DeviceRequest.h"
#include "device/Transport.h"

#include <QMutex>

#include <memory>

namespace orvex {

// The requester: owns the connection to the mouse and performs one control
// transfer per sendDeviceRequest(). Which mouse it reaches (the real one or the
// virtual one) is decided by the process's device selector when listening
// starts, or by a transport installed directly.
class WexHIDComFunction
{
public:
    static WexHIDComFunction *shareDeviceReq();

    // Creates the transport named by the device selector for this vendor and
    // product and opens it. Answers whether the mouse is there now; a mouse
    // plugged in later is found on the next request.
    bool listenDevWithVid(int vendorId, int productId);
    bool isDevOn();
    // One GET_REPORT or SET_REPORT of a feature report, as described by the
    // request record. Answers true and sets wLenDone when the report went through.
    bool sendDeviceRequest(DeviceRequest &request);
    // Hex-dumps every report to the log.
    void setIsPrintMsg(bool print);

    // Replaces the transport (the in-process virtual mouse in tests, a
    // transport chosen by a tool). Null detaches the mouse.
    void setTransport(std::unique_ptr<Transport> transport);
    QString describeDevice();
    // A transfer starts: the transport may look for the mouse afresh
    // (Transport::beginTransfer()). Answers its lockKey().
    QString beginTransfer();

    // The shared requester drops its transport and stops printing reports.
    static void resetState();

private:
    bool sendFeature(DeviceRequest &request);
    bool getFeature(DeviceRequest &request);

    QMutex m_mutex;
    std::unique_ptr<Transport> m_transport;
    bool m_printMessages = false;
};

} // namespace orvex
