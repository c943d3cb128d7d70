// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

class QLocalSocket;

namespace orvex::sim {

// One client of the virtual mouse's socket: splits what arrives into lines
// (each without its line end, a trailing CR tolerated) and writes answers
// and events. A line longer than vmouse::MaxLineLength is reported as
// overlong instead of being waited for.
class ClientConnection : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of `socket`.
    explicit ClientConnection(QLocalSocket *socket, QObject *parent = nullptr);

    void sendLine(const QByteArray &line);
    // Closes the connection; closed() follows.
    void drop();

    bool isListener() const { return m_listener; }
    void setListener(bool listener) { m_listener = listener; }
    int id() const { return m_id; }

Q_SIGNALS:
    void lineReceived(const QByteArray &line);
    void overlongLine();
    void closed();

private:
    void readAvailable();
    void finish();

    QLocalSocket *m_socket;
    QByteArray m_buffer;
    bool m_listener = false;
    bool m_dropped = false;
    bool m_finished = false;
    int m_id;
};

} // namespace orvex::sim
