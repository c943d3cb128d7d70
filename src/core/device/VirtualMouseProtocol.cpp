// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/VirtualMouseProtocol.h"

#include <QDir>

#include <unistd.h>

namespace orvex::vmouse {

QString defaultSocketPath()
{
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QDir(runtimeDir).exists())
        return runtimeDir + QStringLiteral("/orvex-virtual-mouse.sock");
    return QStringLiteral("/tmp/orvex-virtual-mouse-%1.sock").arg(getuid());
}

} // namespace orvex::vmouse
