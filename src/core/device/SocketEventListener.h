// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/SocketTransport.h"

#include <QString>

#include <memory>

namespace orvex {

// A second, independent connection to the virtual mouse that sends LISTEN and
// hands every input report and plug change to a handler.
//
// Thread contract: start() must be called on a thread with a running Qt event
// loop (the agent's main thread); the handler runs on that thread. On every
// (re)connection the handler first gets Plug or Unplug with the mouse's
// current state; when the virtual mouse goes away it gets Unplug and the
// listener tries again every RetryIntervalMs. A server that runs as another
// user is refused (LocalSocket.h) and tried again the same way. While nothing
// happens the listener wakes nobody: it waits on its descriptor.
class SocketTransport::EventListener
{
public:
    static constexpr int RetryIntervalMs = 1000;

    explicit EventListener(const QString &socketPath);
    ~EventListener();

    EventListener(const EventListener &) = delete;
    EventListener &operator=(const EventListener &) = delete;

    void start(EventHandler handler);
    void stop();
    // Connected and subscribed (the server acknowledged LISTEN).
    bool isListening() const;

private:
    class Connection;
    std::unique_ptr<Connection> m_connection;
    QString m_socketPath;
};

} // namespace orvex
