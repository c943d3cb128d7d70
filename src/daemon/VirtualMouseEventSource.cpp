// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualMouseEventSource.h"

#include "platform/WexLogger.h"

namespace orvex {

VirtualMouseEventSource::VirtualMouseEventSource(const QString &socketPath, QObject *parent)
    : DeviceEventSource(parent), m_socketPath(socketPath), m_listener(socketPath)
{
}

VirtualMouseEventSource::~VirtualMouseEventSource()
{
    m_listener.stop();
}

// The stream answers the mouse's state only once connected, so the state at
// start is asked for directly; the stream's first answer then changes nothing.
bool VirtualMouseEventSource::start(Callbacks callbacks)
{
    m_callbacks = std::move(callbacks);
    m_started = true;
    m_present = SocketTransport(m_socketPath).isPresent();
    if (!m_paused)
        listen();
    return m_present;
}

void VirtualMouseEventSource::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (!m_started)
        return;
    if (paused)
        m_listener.stop();
    else
        listen();
}

void VirtualMouseEventSource::listen()
{
    m_listener.start([this](const SocketTransport::Event &event) { handle(event); });
}

QString VirtualMouseEventSource::describe() const
{
    return QStringLiteral("virtual mouse at %1").arg(m_socketPath);
}

void VirtualMouseEventSource::handle(const SocketTransport::Event &event)
{
    switch (event.kind) {
    case SocketTransport::Event::Kind::Input:
        if (m_callbacks.report)
            m_callbacks.report(event.report);
        return;
    case SocketTransport::Event::Kind::Plug:
    case SocketTransport::Event::Kind::Unplug: {
        const bool present = event.kind == SocketTransport::Event::Kind::Plug;
        // Also the stream's answer on every (re)connection: says the agent hears it.
        ORVEX_INFO(QStringLiteral("%1: mouse %2")
                       .arg(describe(),
                            present ? QStringLiteral("plugged in") : QStringLiteral("unplugged")));
        setPresent(present);
        return;
    }
    }
}

void VirtualMouseEventSource::setPresent(bool present)
{
    if (present == m_present)
        return;
    m_present = present;
    if (m_callbacks.presence)
        m_callbacks.presence(present);
}

} // namespace orvex
