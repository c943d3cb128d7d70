// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SocketTransport.h"

#include "device/ReportText.h"
#include "device/VirtualMouseProtocol.h"
#include "platform/WexLogger.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace orvex {

namespace {

constexpr char LineEnd = '\n';
constexpr char FieldSeparator = ' ';

QByteArray reportLine(const char *command, const Report &report)
{
    return QByteArray(command) + FieldSeparator + ReportText::format(report);
}

// "<keyword> b0 .. b7" -> the eight bytes; anything else -> nothing.
std::optional<Report> parseReportLine(const QByteArray &line, const char *keyword)
{
    QList<QByteArray> fields = line.split(FieldSeparator);
    if (fields.isEmpty() || fields.takeFirst() != keyword)
        return std::nullopt;
    return ReportText::parse(fields);
}

int remainingMs(const QElapsedTimer &timer, int budgetMs)
{
    return int(qMax<qint64>(0, budgetMs - timer.elapsed()));
}

} // namespace

SocketTransport::SocketTransport(const QString &socketPath) : m_socketPath(socketPath) {}

SocketTransport::~SocketTransport()
{
    disconnect();
}

bool SocketTransport::open()
{
    m_open = true;
    return isPresent();
}

void SocketTransport::close()
{
    m_open = false;
    disconnect();
}

bool SocketTransport::isPresent()
{
    QByteArray reply;
    return request(vmouse::CmdPresent, &reply) && reply == vmouse::ReplyYes;
}

bool SocketTransport::sendFeatureReport(const Report &report)
{
    if (!m_open)
        return false;
    QByteArray reply;
    if (!request(reportLine(vmouse::CmdSet, report), &reply))
        return false;
    if (reply != vmouse::ReplyOk) {
        ORVEX_DEBUG(
            QStringLiteral("virtual mouse refused a SET: %1").arg(QString::fromLatin1(reply)));
        return false;
    }
    return true;
}

bool SocketTransport::getFeatureReport(Report &report)
{
    if (!m_open)
        return false;
    QByteArray reply;
    if (!request(vmouse::CmdGet, &reply))
        return false;
    const std::optional<Report> answer = parseReportLine(reply, vmouse::ReplyData);
    if (!answer) {
        ORVEX_DEBUG(
            QStringLiteral("virtual mouse refused a GET: %1").arg(QString::fromLatin1(reply)));
        return false;
    }
    report = *answer;
    return true;
}

QString SocketTransport::describe() const
{
    return QStringLiteral("virtual mouse at %1").arg(m_socketPath);
}

// One request and its one-line answer. A connection that broke while idle
// (the virtual mouse was restarted) is replaced before sending; a request that
// could not even be written is tried once more on a new connection, which is
// safe because the server never saw it.
bool SocketTransport::request(const QByteArray &line, QByteArray *reply)
{
    bool retryable = false;
    if (requestOnce(line, reply, &retryable))
        return true;
    return retryable && requestOnce(line, reply, &retryable);
}

bool SocketTransport::requestOnce(const QByteArray &line, QByteArray *reply, bool *retryable)
{
    *retryable = false;
    if (!ensureConnected())
        return false;
    bool peerGone = false;
    if (!writeAll(line + LineEnd, &peerGone)) {
        disconnect();
        *retryable = peerGone;
        return false;
    }
    if (!readLine(reply)) {
        disconnect();
        return false;
    }
    return true;
}

bool SocketTransport::ensureConnected()
{
    if (m_fd >= 0 && connectionLooksAlive())
        return true;
    disconnect();

    const QByteArray path = QFile::encodeName(m_socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof(address.sun_path)) {
        ORVEX_WARNING(QStringLiteral("unusable virtual mouse socket path '%1'").arg(m_socketPath));
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));

    m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd < 0 ||
        ::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
        const int error = errno;
        disconnect();
        if (!m_reportedUnreachable)
            ORVEX_DEBUG(QStringLiteral("no virtual mouse at %1: %2")
                            .arg(m_socketPath, QString::fromLocal8Bit(std::strerror(error))));
        m_reportedUnreachable = true;
        return false;
    }
    if (m_reportedUnreachable)
        ORVEX_DEBUG(QStringLiteral("connected to the virtual mouse at %1").arg(m_socketPath));
    m_reportedUnreachable = false;
    return true;
}

// Between requests the server never sends anything, so a readable idle
// connection means it was closed (or is out of step): either way it is replaced.
bool SocketTransport::connectionLooksAlive()
{
    pollfd entry{m_fd, POLLIN, 0};
    const int ready = ::poll(&entry, 1, 0);
    return ready == 0;
}

void SocketTransport::disconnect()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool SocketTransport::writeAll(const QByteArray &data, bool *peerGone)
{
    QElapsedTimer timer;
    timer.start();
    qsizetype written = 0;
    while (written < data.size()) {
        pollfd entry{m_fd, POLLOUT, 0};
        if (::poll(&entry, 1, remainingMs(timer, SendTimeoutMs)) <= 0)
            return false;
        const ssize_t count = ::send(m_fd, data.constData() + written,
                                     std::size_t(data.size() - written), MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            *peerGone = written == 0 && (errno == EPIPE || errno == ECONNRESET);
            return false;
        }
        written += count;
    }
    return true;
}

bool SocketTransport::readLine(QByteArray *line)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray buffer;
    while (!buffer.contains(LineEnd)) {
        if (buffer.size() > vmouse::MaxLineLength)
            return false;
        pollfd entry{m_fd, POLLIN, 0};
        if (::poll(&entry, 1, remainingMs(timer, ReplyTimeoutMs)) <= 0) {
            ORVEX_WARNING(
                QStringLiteral("the virtual mouse at %1 did not answer").arg(m_socketPath));
            return false;
        }
        char chunk[128];
        const ssize_t count = ::recv(m_fd, chunk, sizeof(chunk), 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        buffer.append(chunk, count);
    }
    // Exactly one answer per request: anything after it means we are out of step.
    if (buffer.indexOf(LineEnd) != buffer.size() - 1)
        return false;
    buffer.chop(1);
    *line = buffer;
    return true;
}

// The listener's connection: a QLocalSocket driven by the event loop of the
// thread that started it.
class SocketTransport::EventListener::Connection
{
public:
    Connection(const QString &socketPath, EventHandler handler)
        : m_socketPath(socketPath), m_handler(std::move(handler))
    {
        m_retry.setInterval(RetryIntervalMs);
        m_retry.setSingleShot(true);
        QObject::connect(&m_retry, &QTimer::timeout, &m_socket, [this] { connectToServer(); });
        QObject::connect(&m_socket, &QLocalSocket::connected, &m_socket, [this] { subscribe(); });
        QObject::connect(&m_socket, &QLocalSocket::readyRead, &m_socket, [this] { readLines(); });
        QObject::connect(&m_socket, &QLocalSocket::disconnected, &m_socket, [this] { lost(); });
        QObject::connect(&m_socket, &QLocalSocket::errorOccurred, &m_socket,
                         [this](QLocalSocket::LocalSocketError) { lost(); });
        connectToServer();
    }

    ~Connection()
    {
        // No handler calls from a listener that is being torn down.
        QObject::disconnect(&m_socket, nullptr, nullptr, nullptr);
        m_socket.abort();
    }

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
        m_socket.connectToServer(m_socketPath);
    }

    void subscribe()
    {
        m_stage = Stage::AwaitingPresence;
        m_socket.write(QByteArray(vmouse::CmdPresent) + LineEnd + vmouse::CmdListen + LineEnd);
    }

    void lost()
    {
        const bool wasConnected = m_stage != Stage::Idle;
        m_stage = Stage::Idle;
        if (m_socket.state() != QLocalSocket::UnconnectedState)
            m_socket.abort();
        if (wasConnected)
            deliver({Event::Kind::Unplug, {}});
        if (!m_retry.isActive())
            m_retry.start();
    }

    void readLines()
    {
        m_buffer += m_socket.readAll();
        qsizetype end;
        while ((end = m_buffer.indexOf(LineEnd)) >= 0) {
            const QByteArray line = m_buffer.left(end);
            m_buffer.remove(0, end + 1);
            handleLine(line);
        }
        if (m_buffer.size() > vmouse::MaxLineLength)
            lost();
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
        else if (const std::optional<Report> report = parseReportLine(line, vmouse::StreamInput))
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
    QLocalSocket m_socket;
    QTimer m_retry;
    QByteArray m_buffer;
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
