// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RequestHandler.h"

#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace orvex::sim {

class ClientConnection;
class FirmwareModel;

// The virtual mouse's local socket: up to MaxClients clients at once, each a
// command client (requests answered in order) or, after LISTEN, a listener
// that receives "IN b0..b7", "PLUG" and "UNPLUG" lines. A client that sends a
// malformed or overlong line is dropped; the others carry on. A client of
// another user (LocalSocket.h) or one beyond MaxClients is closed at once and
// the server goes on serving the others.
//
// Runs on the thread that owns it; events the model raises on other threads
// are passed over to it.
class VirtualMouseServer : public QObject
{
    Q_OBJECT

public:
    // The agent and a command line need a handful at a time; the bound keeps
    // a runaway program from making the server hold descriptors without end.
    static constexpr int MaxClients = 16;

    // `model` must outlive the server.
    explicit VirtualMouseServer(FirmwareModel &model, QObject *parent = nullptr);
    ~VirtualMouseServer() override;

    // Listens at `path` (user access only), replacing a stale socket left by
    // a server that is gone. Fails when another server answers there or when
    // something other than a socket is at `path`: that is left alone.
    bool listen(const QString &path, QString *error);
    void close();
    QString socketPath() const;
    int clientCount() const { return int(m_clients.size()); }

private:
    void acceptClients();
    bool admits(QLocalSocket *socket);
    void handleLine(ClientConnection *client, const QByteArray &line);
    void dropClient(ClientConnection *client, const QString &reason);
    void forgetClient(ClientConnection *client);
    void broadcast(const QByteArray &line);
    static bool removeStaleSocket(const QString &path, QString *error);
    static bool someoneListensAt(const QString &path);

    FirmwareModel &m_model;
    RequestHandler m_handler;
    QLocalServer *m_server;
    QList<ClientConnection *> m_clients;
    int m_observerId;
};

} // namespace orvex::sim
