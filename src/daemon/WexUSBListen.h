// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

namespace orvex {

class DeviceEventSource;
class LogindSession;
class WexUSBDealwithObj;

// The listener: finds the mouse named by the device selector, hands every
// input report to its handler and tells the handler when the mouse arrives
// or goes, all on the main thread. One per process.
//
// While the login session is in the background the source is paused, so the
// agent of another user's session in front is the only one acting on the
// mouse.
class WexUSBListen
{
public:
    static WexUSBListen *shareUsbListen();

    // The handler; the listener keeps it.
    void setSelDealMessage(std::unique_ptr<WexUSBDealwithObj> handler);
    WexUSBDealwithObj *selDealMessage() const { return m_handler.get(); }

    // The kernel driver the mouse is matched with on systems that need one;
    // hidraw needs none, so it is only recorded.
    void setDriverIdentify(const QString &identify) { m_driverIdentify = identify; }
    void setProductID(std::uint16_t productId) { m_productId = productId; }
    void setVendorID(std::uint16_t vendorId) { m_vendorId = vendorId; }
    // The name the listener's own log lines carry, and whether it logs
    // arrivals, removals and (at trace level) every report.
    void setPrintName(const QString &name) { m_printName = name; }
    void setIsPrintMsg(bool print) { m_printMsg = print; }

    // Replaces the source the device selector would choose (tests).
    void setEventSource(std::unique_ptr<DeviceEventSource> source);
    // Replaces the login session read from the system bus (tests).
    void setLoginSession(std::unique_ptr<LogindSession> session);

    // Starts listening and calls the handler's didEndInit() (once the login
    // session is in front); answers false (logged) when the device selector
    // is wrong or no handler is set.
    bool beginListen();
    // beginListen(), then runs the event loop until the program ends; answers
    // the loop's exit status, or 1 when listening could not begin.
    int startListen();

    // Stops listening and forgets handler, source and session (tests).
    void resetState();

private:
    std::unique_ptr<DeviceEventSource> createSource() const;
    void followSession();
    void sessionActiveChanged(bool active);
    void deviceArrived();
    void deviceRemoved();
    void log(const QString &message) const;

    std::unique_ptr<WexUSBDealwithObj> m_handler;
    std::unique_ptr<DeviceEventSource> m_source;
    std::unique_ptr<LogindSession> m_session;
    QString m_driverIdentify;
    QString m_printName;
    std::uint16_t m_vendorId = 0;
    std::uint16_t m_productId = 0;
    bool m_printMsg = false;
    // didEndInit() waits for the session to come to the front.
    bool m_initPending = false;
};

} // namespace orvex
