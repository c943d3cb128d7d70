// SPDX-License-Identifier: GPL-3.0-or-later
#include "SendCommand.h"

#include "PersonEvent.h"

#include "device/LocalSocket.h"
#include "device/VirtualMouseProtocol.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace orvex::sim {

namespace {
constexpr char Separator = ' ';
} // namespace

bool SendCommand::run(const QString &socketPath, const PersonEvent &event, QString *message)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(ConnectTimeoutMs)) {
        *message =
            QStringLiteral("no virtual mouse at %1 (start it with 'orvex-virtual-mouse serve')")
                .arg(socketPath);
        return false;
    }
    QString reason;
    if (!LocalSocket::peerIsTrusted(int(socket.socketDescriptor()), &reason)) {
        *message = QStringLiteral("refusing the virtual mouse at %1: %2").arg(socketPath, reason);
        return false;
    }
    const QByteArray request =
        QByteArray(vmouse::CmdEvent) + Separator + event.words().join(QLatin1Char(' ')).toLatin1();
    socket.write(request + vmouse::LineEnd);

    QByteArray answer;
    const QDeadlineTimer deadline(ReplyTimeoutMs);
    while (!answer.contains(vmouse::LineEnd)) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime()))) {
            *message = QStringLiteral("the virtual mouse at %1 did not answer").arg(socketPath);
            return false;
        }
        answer += socket.readAll();
    }
    answer.truncate(answer.indexOf(vmouse::LineEnd));
    if (answer == vmouse::ReplyOk)
        return true;

    const QByteArray errorPrefix = QByteArray(vmouse::ReplyError) + Separator;
    *message = answer.startsWith(errorPrefix)
                   ? QString::fromUtf8(answer.mid(errorPrefix.size()))
                   : QStringLiteral("unexpected answer '%1'").arg(QString::fromLatin1(answer));
    return false;
}

} // namespace orvex::sim
