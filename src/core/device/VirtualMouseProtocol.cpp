// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualMouseProtocol.h"

#include "device/LocalSocket.h"

#include <QDir>

#include <unistd.h>

namespace orvex::vmouse {

namespace {

const QLatin1String SocketName("orvex-virtual-mouse.sock");

QString runtimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

// /tmp is shared by every user: the socket gets a folder of its own there.
QString privateTmpFolder()
{
    return QStringLiteral("/tmp/orvex-%1").arg(getuid());
}

} // namespace

QString defaultSocketPath()
{
    const QString runtime = runtimeFolder();
    return (runtime.isEmpty() ? privateTmpFolder() : runtime) + QLatin1Char('/') + SocketName;
}

QString prepareDefaultSocketPath(QString *error)
{
    if (runtimeFolder().isEmpty() && !LocalSocket::ensurePrivateFolder(privateTmpFolder(), error))
        return QString();
    return defaultSocketPath();
}

} // namespace orvex::vmouse
