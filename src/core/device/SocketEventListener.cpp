// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SocketEventListener.h"

#include "device/LocalSocket.h"
#include "device/ReportText.h"
#include "device/VirtualMouseProtocol.h"
#include "platform/WexLogger.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <optional>

#include <sys/socket.h>
#include <unistd.h>

namespace orvex {

namespace {
constexpr std::size_t ReadChunkBytes = 512;
} // namespace

// The listener's connection: a non-blocking descriptor watched by the event
// loop of the thread that started it.
class SocketTransport::EventListener::Connection
{
public:
    Connection(const QString &socketPath, EventHandler handler)
        : m_socketPath(socketPath), m_handler(std::move(handler))
    {
        m_retry.setInterval(RetryIntervalMs);
        m_retry.setSingleShot(true);
        QObject::connect(&m_retry, &QTimer::timeout, &m_retry, [this] { connectToServer(); });
        connectToServer();
    }

    ~Connection() { closeSocket(); }

    bool isListening() const { return m_stage == Stage::Listening; }

private:
    // The answers expected after connecting: PRESENT's, then LISTEN's.
    enum class Stage
    {
        Idle,
        AwaitingPresence,
        AwaitingListen,
        Listening
    };

    void connectToServer()
    {
        m_buffer.clear();
        m_stage = Stage::Idle;
        QString error;
        bool peerRefused = false;
        m_fd = LocalSocket::connectTo(m_socketPath, &error, &peerRefused);
        reportRefusal(peerRefused ? error : QString());
        if (m_fd < 0 || !LocalSocket::setNonBlocking(m_fd) || !subscribe()) {
            closeSocket();
            m_retry.start();
            return;
        }
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(),
                         [this] { readLines(); });
    }

    // Once for as long as the same server is there: the listener tries again
    // every RetryIntervalMs.
    void reportRefusal(const QString &reason)
    {
        if (!reason.isEmpty() && reason != m_refusal)
            ORVEX_WARNING(
                QStringLiteral("refusing the virtual mouse at %1: %2").arg(m_socketPath, reason));
        m_refusal = reason;
    }

    // Both lines fit in a fresh socket's buffer, so one send takes them whole.
    bool subscribe()
    {
        const QByteArray request =
            QByteArray(vmouse::CmdPresent) + vmouse::LineEnd + vmouse::CmdListen + vmouse::LineEnd;
        const ssize_t sent =
            ::send(m_fd, request.constData(), std::size_t(request.size()), MSG_NOSIGNAL);
        if (sent != request.size())
            return false;
        m_stage = Stage::AwaitingPresence;
        return true;
    }

    // The notifier may be the one whose signal is running: it goes later.
    void closeSocket()
    {
        if (m_notifier) {
            m_notifier->setEnabled(false);
            m_notifier.release()->deleteLater();
        }
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    void lost()
    {
        const bool wasConnected = m_stage != Stage::Idle;
        m_stage = Stage::Idle;
        closeSocket();
        if (wasConnected)
            deliver({Event::Kind::Unplug, {}});
        if (!m_retry.isActive())
            m_retry.start();
    }

    void readLines()
    {
        char chunk[ReadChunkBytes];
        for (;;) {
            const ssize_t count = ::recv(m_fd, chunk, sizeof(chunk), 0);
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            if (count <= 0) {
                lost();
                return;
            }
            m_buffer.append(chunk, count);
            if (!takeLines())
                return;
        }
    }

    // Hands on every complete line; false once the connection was given up.
    bool takeLines()
    {
        qsizetype end;
        while ((end = m_buffer.indexOf(vmouse::LineEnd)) >= 0) {
            const QByteArray line = m_buffer.left(end);
            m_buffer.remove(0, end + 1);
            handleLine(line);
            if (m_fd < 0)
                return false;
        }
        if (m_buffer.size() > vmouse::MaxLineLength) {
            lost();
            return false;
        }
        return true;
    }

    void handleLine(const QByteArray &line)
    {
        switch (m_stage) {
        case Stage::AwaitingPresence:
            m_stage = Stage::AwaitingListen;
            deliver({line == vmouse::ReplyYes ? Event::Kind::Plug : Event::Kind::Unplug, {}});
            return;
        case Stage::AwaitingListen:
            if (line == vmouse::ReplyOk)
                m_stage = Stage::Listening;
            else
                lost();
            return;
        case Stage::Listening:
            handleEvent(line);
            return;
        case Stage::Idle:
            return;
        }
    }

    void handleEvent(const QByteArray &line)
    {
        if (line == vmouse::StreamPlug)
            deliver({Event::Kind::Plug, {}});
        else if (line == vmouse::StreamUnplug)
            deliver({Event::Kind::Unplug, {}});
        else if (const std::optional<Report> report =
                     ReportText::parseLine(line, vmouse::StreamInput))
            deliver({Event::Kind::Input, *report});
        else
            ORVEX_DEBUG(
                QStringLiteral("ignored virtual mouse event '%1'").arg(QString::fromLatin1(line)));
    }

    void deliver(const Event &event)
    {
        if (m_handler)
            m_handler(event);
    }

    QString m_socketPath;
    EventHandler m_handler;
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QTimer m_retry;
    QByteArray m_buffer;
    QString m_refusal; // why the server was last refused, empty otherwise
    Stage m_stage = Stage::Idle;
};

SocketTransport::EventListener::EventListener(const QString &socketPath) : m_socketPath(socketPath)
{
}

SocketTransport::EventListener::~EventListener() = default;

void SocketTransport::EventListener::start(EventHandler handler)
{
    m_connection = std::make_unique<Connection>(m_socketPath, std::move(handler));
}

void SocketTransport::EventListener::stop()
{
    m_connection.reset();
}

bool SocketTransport::EventListener::isListening() const
{
    return m_connection && m_connection->isListening();
}

} // namespace orvex
