// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualMouseServer.h"

#include "ClientConnection.h"
#include "FirmwareModel.h"
#include "device/ReportText.h"

#include "device/LocalSocket.h"
#include "device/VirtualMouseProtocol.h"
#include "platform/WexLogger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace orvex::sim {

namespace {
constexpr int ProbeTimeoutMs = 200;
} // namespace

VirtualMouseServer::VirtualMouseServer(FirmwareModel &model, QObject *parent)
    : QObject(parent), m_model(model), m_handler(model), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &VirtualMouseServer::acceptClients);

    FirmwareObserver observer;
    observer.inputReport = [this](const Report &report) {
        QMetaObject::invokeMethod(this, [this, report] {
            broadcast(QByteArray(vmouse::StreamInput) + ' ' + ReportText::format(report));
        });
    };
    observer.plugChanged = [this](bool plugged) {
        QMetaObject::invokeMethod(this, [this, plugged] {
            broadcast(plugged ? vmouse::StreamPlug : vmouse::StreamUnplug);
        });
    };
    m_observerId = m_model.addObserver(std::move(observer));
}

VirtualMouseServer::~VirtualMouseServer()
{
    m_model.removeObserver(m_observerId);
    close();
}

bool VirtualMouseServer::listen(const QString &path, QString *error)
{
    if (!removeStaleSocket(path, error))
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!m_server->listen(path)) {
        *error = QStringLiteral("cannot listen at %1: %2").arg(path, m_server->errorString());
        return false;
    }
    ORVEX_INFO(QStringLiteral("virtual mouse listening at %1").arg(path));
    return true;
}

void VirtualMouseServer::close()
{
    const QList<ClientConnection *> clients = m_clients;
    for (ClientConnection *client : clients)
        client->drop();
    m_server->close();
}

QString VirtualMouseServer::socketPath() const
{
    return m_server->fullServerName();
}

// lstat, so that a symbolic link is never followed to whatever it names.
bool VirtualMouseServer::removeStaleSocket(const QString &path, QString *error)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat info = {};
    if (::lstat(encoded.constData(), &info) != 0) {
        if (errno == ENOENT)
            return true;
        *error = QStringLiteral("cannot inspect %1: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (!S_ISSOCK(info.st_mode)) {
        *error = QStringLiteral("%1 exists and is not a socket: leaving it alone").arg(path);
        return false;
    }
    if (someoneListensAt(path)) {
        *error = QStringLiteral("another virtual mouse is already serving %1").arg(path);
        return false;
    }
    if (::unlink(encoded.constData()) != 0 && errno != ENOENT) {
        *error = QStringLiteral("cannot remove the stale socket %1: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

bool VirtualMouseServer::someoneListensAt(const QString &path)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    const bool answered = probe.waitForConnected(ProbeTimeoutMs);
    probe.abort();
    return answered;
}

void VirtualMouseServer::acceptClients()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (!admits(socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto *client = new ClientConnection(socket, this);
        m_clients.append(client);
        connect(client, &ClientConnection::lineReceived, this,
                [this, client](const QByteArray &line) { handleLine(client, line); });
        connect(client, &ClientConnection::overlongLine, this,
                [this, client] { dropClient(client, QStringLiteral("line too long")); });
        connect(client, &ClientConnection::closed, this, [this, client] { forgetClient(client); });
        ORVEX_DEBUG(QStringLiteral("client %1 connected").arg(client->id()));
    }
}

bool VirtualMouseServer::admits(QLocalSocket *socket)
{
    QString reason;
    if (!LocalSocket::peerIsTrusted(int(socket->socketDescriptor()), &reason)) {
        ORVEX_WARNING(QStringLiteral("refusing a client: %1").arg(reason));
        return false;
    }
    if (m_clients.size() >= MaxClients) {
        ORVEX_WARNING(
            QStringLiteral("refusing a client: already serving %1 clients").arg(MaxClients));
        return false;
    }
    return true;
}

// A listener only listens: any request from it is out of protocol.
void VirtualMouseServer::handleLine(ClientConnection *client, const QByteArray &line)
{
    if (client->isListener()) {
        dropClient(client, QStringLiteral("request on a listening connection"));
        return;
    }
    const RequestHandler::Outcome outcome = m_handler.handle(line);
    switch (outcome.action) {
    case RequestHandler::Outcome::Action::Drop:
        dropClient(client, QStringLiteral("malformed request '%1'")
                               .arg(QString::fromLatin1(line.left(vmouse::MaxLineLength))));
        return;
    case RequestHandler::Outcome::Action::Subscribe:
        client->setListener(true);
        break;
    case RequestHandler::Outcome::Action::Reply:
        break;
    case RequestHandler::Outcome::Action::Ignore:
        return;
    }
    client->sendLine(outcome.reply);
}

void VirtualMouseServer::dropClient(ClientConnection *client, const QString &reason)
{
    ORVEX_WARNING(QStringLiteral("dropping client %1: %2").arg(client->id()).arg(reason));
    client->drop();
}

void VirtualMouseServer::forgetClient(ClientConnection *client)
{
    if (m_clients.removeOne(client)) {
        ORVEX_DEBUG(QStringLiteral("client %1 gone").arg(client->id()));
        client->deleteLater();
    }
}

void VirtualMouseServer::broadcast(const QByteArray &line)
{
    for (ClientConnection *client : std::as_const(m_clients)) {
        if (client->isListener())
            client->sendLine(line);
    }
}

} // namespace orvex::sim
