// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClientConnection.h"

#include "device/VirtualMouseProtocol.h"

#include <QLocalSocket>

#include <atomic>

namespace orvex::sim {

namespace {
constexpr char CarriageReturn = '\r';
std::atomic<int> nextId{1};
} // namespace

ClientConnection::ClientConnection(QLocalSocket *socket, QObject *parent)
    : QObject(parent), m_socket(socket), m_id(nextId++)
{
    m_socket->setParent(this);
    connect(m_socket, &QLocalSocket::readyRead, this, &ClientConnection::readAvailable);
    connect(m_socket, &QLocalSocket::disconnected, this, &ClientConnection::finish);
}

void ClientConnection::sendLine(const QByteArray &line)
{
    if (m_dropped || m_socket->state() != QLocalSocket::ConnectedState)
        return;
    m_socket->write(line + vmouse::LineEnd);
    m_socket->flush();
}

void ClientConnection::drop()
{
    if (m_dropped)
        return;
    m_dropped = true;
    m_buffer.clear();
    m_socket->abort();
    finish();
}

void ClientConnection::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    Q_EMIT closed();
}

// Lines are handled one at a time; a handler may drop the client, after
// which the rest of what it sent is ignored.
void ClientConnection::readAvailable()
{
    m_buffer += m_socket->readAll();
    qsizetype end;
    while (!m_dropped && (end = m_buffer.indexOf(vmouse::LineEnd)) >= 0) {
        QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        if (line.endsWith(CarriageReturn))
            line.chop(1);
        if (line.size() > vmouse::MaxLineLength) {
            Q_EMIT overlongLine();
            return;
        }
        Q_EMIT lineReceived(line);
    }
    if (!m_dropped && m_buffer.size() > vmouse::MaxLineLength)
        Q_EMIT overlongLine();
}

} // namespace orvex::sim
