// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace orvex {

// The virtual mouse reached over its local stream socket, speaking the line
// protocol of VirtualMouseProtocol.h: a SET is "SET b0 .. b7" answered "OK",
// a GET is "GET" answered "DATA b0 .. b7", presence is "PRESENT" answered "YES".
//
// Thread contract: the command channel is a plain AF_UNIX descriptor with
// poll() timeouts rather than a QLocalSocket, because a QObject socket belongs
// to the thread that made it while transfers run on a fresh worker thread
// each. Any thread may therefore call the Transport operations, provided the
// calls are serialised as Transport requires; no event loop is needed.
//
// A server that runs as another user is refused (LocalSocket.h).
//
// The connection is made on demand and made again when the virtual mouse has
// been restarted, so a long-lived transport survives a server restart. A
// request whose answer does not arrive within ReplyTimeoutMs counts as failed
// and drops the connection (the stream could no longer be trusted to be in step).
class SocketTransport : public Transport
{
public:
    static constexpr int ReplyTimeoutMs = 3000;
    static constexpr int SendTimeoutMs = 1000;

    explicit SocketTransport(const QString &socketPath);
    ~SocketTransport() override;

    SocketTransport(const SocketTransport &) = delete;
    SocketTransport &operator=(const SocketTransport &) = delete;

    // Connects and answers whether the mouse is plugged in. The transport
    // stays open either way: reports go through again once the mouse is
    // plugged in, without another open().
    bool open() override;
    // Disconnects; SET and GET fail until the next open().
    void close() override;
    // Asks the virtual mouse; false when it cannot be reached. Works whether
    // or not the transport is open.
    bool isPresent() override;
    bool sendFeatureReport(const Report &report) override;
    bool getFeatureReport(Report &report) override;
    QString describe() const override;
    QString lockKey() const override { return m_socketPath; }

    QString socketPath() const { return m_socketPath; }

    // What a listener hears from the virtual mouse.
    struct Event
    {
        enum class Kind
        {
            Input,
            Plug,
            Unplug
        };
        Kind kind = Kind::Input;
        Report report{}; // the input report, for Kind::Input
    };
    using EventHandler = std::function<void(const Event &)>;

    // A second connection that hears input reports and plug changes
    // (SocketEventListener.h).
    class EventListener;

private:
    bool request(const QByteArray &line, QByteArray *reply);
    bool requestOnce(const QByteArray &line, QByteArray *reply, bool *retryable);
    bool ensureConnected();
    void reportUnreachable(const QString &reason, bool peerRefused);
    bool connectionLooksAlive();
    void disconnect();
    bool writeAll(const QByteArray &data, bool *peerGone);
    bool readLine(QByteArray *line);

    QString m_socketPath;
    int m_fd = -1;
    bool m_open = false;
    QString m_unreachableReason; // the last reason logged, empty while connected
};

} // namespace orvex
