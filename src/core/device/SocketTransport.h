// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

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

    // A second, independent connection that sends LISTEN and hands every
    // input report and plug change to a handler.
    //
    // Thread contract: start() must be called on a thread with a running Qt
    // event loop (the agent's main thread); the handler runs on that thread.
    // On every (re)connection the handler first gets Plug or Unplug with the
    // mouse's current state; when the virtual mouse goes away it gets Unplug
    // and the listener tries again every RetryIntervalMs.
    class EventListener
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

private:
    bool request(const QByteArray &line, QByteArray *reply);
    bool requestOnce(const QByteArray &line, QByteArray *reply, bool *retryable);
    bool ensureConnected();
    bool connectionLooksAlive();
    void disconnect();
    bool writeAll(const QByteArray &data, bool *peerGone);
    bool readLine(QByteArray *line);

    QString m_socketPath;
    int m_fd = -1;
    bool m_open = false;
    bool m_reportedUnreachable = false;
};

} // namespace orvex
