// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualMouseProtocol.h"

#include "platform/RuntimeFolder.h"

namespace orvex::vmouse {

namespace {
const QLatin1String SocketName("orvex-virtual-mouse.sock");
} // namespace

QString defaultSocketPath()
{
    return RuntimeFolder::pathUnchecked() + QLatin1Char('/') + SocketName;
}

QString prepareDefaultSocketPath(QString *error)
{
    const QString folder = RuntimeFolder::path(error);
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + SocketName;
}

} // namespace orvex::vmouse
