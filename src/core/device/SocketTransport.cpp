// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SocketTransport.h"

#include "device/LocalSocket.h"
#include "device/ReportText.h"
#include "device/VirtualMouseProtocol.h"
#include "platform/WexLogger.h"

#include <QElapsedTimer>

#include <cerrno>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orvex {

namespace {

constexpr char FieldSeparator = ' ';

QByteArray reportLine(const char *command, const Report &report)
{
    return QByteArray(command) + FieldSeparator + ReportText::format(report);
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
    const std::optional<Report> answer = ReportText::parseLine(reply, vmouse::ReplyData);
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
    if (!writeAll(line + vmouse::LineEnd, &peerGone)) {
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

    QString error;
    bool peerRefused = false;
    m_fd = LocalSocket::connectTo(m_socketPath, &error, &peerRefused);
    if (m_fd < 0) {
        reportUnreachable(error, peerRefused);
        return false;
    }
    if (!m_unreachableReason.isEmpty())
        ORVEX_DEBUG(QStringLiteral("connected to the virtual mouse at %1").arg(m_socketPath));
    m_unreachableReason.clear();
    return true;
}

// Said once for as long as the reason stays the same. A server of another
// user is a warning: someone may be trying to pass as the mouse.
void SocketTransport::reportUnreachable(const QString &reason, bool peerRefused)
{
    if (reason == m_unreachableReason)
        return;
    m_unreachableReason = reason;
    if (peerRefused)
        ORVEX_WARNING(
            QStringLiteral("refusing the virtual mouse at %1: %2").arg(m_socketPath, reason));
    else
        ORVEX_DEBUG(QStringLiteral("no virtual mouse at %1: %2").arg(m_socketPath, reason));
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
    while (!buffer.contains(vmouse::LineEnd)) {
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
    if (buffer.indexOf(vmouse::LineEnd) != buffer.size() - 1)
        return false;
    buffer.chop(1);
    *line = buffer;
    return true;
}

} // namespace orvex
