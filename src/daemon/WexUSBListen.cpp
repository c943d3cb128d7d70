// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexUSBListen.h"

#include "HidEventSource.h"
#include "LogindSession.h"
#include "VirtualMouseEventSource.h"
#include "WexUSBDealwithObj.h"

#include "device/DeviceLink.h"
#include "device/DeviceSelector.h"
#include "device/ReportText.h"
#include "messaging/NotificationNames.h"
#include "platform/WexLogger.h"

#include <QCoreApplication>

namespace orvex {

WexUSBListen *WexUSBListen::shareUsbListen()
{
    static auto *listener = new WexUSBListen;
    return listener;
}

void WexUSBListen::setSelDealMessage(std::unique_ptr<WexUSBDealwithObj> handler)
{
    m_handler = std::move(handler);
}

void WexUSBListen::setEventSource(std::unique_ptr<DeviceEventSource> source)
{
    m_source = std::move(source);
}

void WexUSBListen::setLoginSession(std::unique_ptr<LogindSession> session)
{
    m_session = std::move(session);
}

std::unique_ptr<DeviceEventSource> WexUSBListen::createSource() const
{
    QString error;
    const std::optional<DeviceSelector> selector = DeviceSelector::current(&error);
    if (!selector) {
        ORVEX_ERROR(error);
        return nullptr;
    }
    if (selector->kind() == DeviceSelector::Kind::Sim)
        return std::make_unique<VirtualMouseEventSource>(selector->socketPath());
    return std::make_unique<HidEventSource>(m_vendorId, m_productId);
}

bool WexUSBListen::beginListen()
{
    if (!m_handler) {
        ORVEX_ERROR(QStringLiteral("listener started without a handler"));
        return false;
    }
    if (!m_source)
        m_source = createSource();
    if (!m_source)
        return false;
    followSession();
    DeviceEventSource::Callbacks callbacks;
    callbacks.report = [this](const Report &report) {
        if (m_printMsg)
            ORVEX_TRACE(QStringLiteral("%1 IN %2")
                            .arg(m_printName, QString::fromLatin1(ReportText::format(report))));
        m_handler->dealWithMsg(report);
    };
    callbacks.presence = [this](bool present) {
        if (present)
            deviceArrived();
        else
            deviceRemoved();
    };
    const bool present = m_source->start(std::move(callbacks));
    log(QStringLiteral("listening to %1, %2")
            .arg(m_source->describe(),
                 present ? QStringLiteral("present") : QStringLiteral("not present")));
    m_handler->setOnDev(present);
    // The handler's start-up talks to the mouse (it resets it): an agent
    // started in the background, say restarted after a crash, leaves that to
    // when its session comes to the front.
    m_initPending = !m_session->isActive();
    if (!m_initPending)
        m_handler->didEndInit();
    return true;
}

int WexUSBListen::startListen()
{
    if (!beginListen())
        return 1;
    return QCoreApplication::exec();
}

// Before the source starts, so that an agent started in the background does
// not take hold of the mouse even briefly.
void WexUSBListen::followSession()
{
    if (!m_session)
        m_session = std::make_unique<LogindSession>(QDBusConnection::systemBus());
    if (!m_session->start())
        return;
    QObject::connect(m_session.get(), &LogindSession::activeChanged, m_session.get(),
                     [this](bool active) { sessionActiveChanged(active); });
    if (!m_session->isActive())
        sessionActiveChanged(false);
}

void WexUSBListen::sessionActiveChanged(bool active)
{
    log(active ? QStringLiteral("login session in front: reading the mouse")
               : QStringLiteral("login session in the background: the mouse is left alone"));
    m_source->setPaused(!active);
    if (active && m_initPending) {
        m_initPending = false;
        m_handler->didEndInit();
    }
}

void WexUSBListen::deviceArrived()
{
    log(QStringLiteral("mouse plugged in"));
    m_handler->setOnDev(true);
    if (m_handler->openDeviceWhenAdd())
        DeviceLink::startListenDev();
    m_handler->andDevPro();
    m_handler->sendDevStatus(notify::StatusPlugged);
}

void WexUSBListen::deviceRemoved()
{
    log(QStringLiteral("mouse unplugged"));
    m_handler->setOnDev(false);
    m_handler->removeDevPro();
    m_handler->sendDevStatus(notify::StatusUnplugged);
}

void WexUSBListen::log(const QString &message) const
{
    if (m_printMsg)
        ORVEX_INFO(QStringLiteral("%1: %2").arg(m_printName, message));
}

void WexUSBListen::resetState()
{
    m_session.reset();
    m_source.reset();
    m_handler.reset();
    m_initPending = false;
}

} // namespace orvex
