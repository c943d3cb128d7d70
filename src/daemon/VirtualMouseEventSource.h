// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DeviceEventSource.h"

#include "device/SocketEventListener.h"

#include <memory>

namespace orvex {

// The virtual mouse's event stream: input reports as they happen, and its
// `unplug` and `plug` events acting as the real mouse's removal and arrival.
// A virtual mouse that stops (or is not yet running) counts as unplugged;
// the stream is taken up again when it returns.
class VirtualMouseEventSource : public DeviceEventSource
{
    Q_OBJECT
public:
    explicit VirtualMouseEventSource(const QString &socketPath, QObject *parent = nullptr);
    ~VirtualMouseEventSource() override;

    bool start(Callbacks callbacks) override;
    QString describe() const override;
    // Pausing closes the event stream; resuming opens it again, and its first
    // answer reports a plug change made in the meantime.
    void setPaused(bool paused) override;

private:
    void listen();
    void handle(const SocketTransport::Event &event);
    void setPresent(bool present);

    QString m_socketPath;
    SocketTransport::EventListener m_listener;
    Callbacks m_callbacks;
    bool m_present = false;
    bool m_started = false;
    bool m_paused = false;
};

} // namespace orvex
