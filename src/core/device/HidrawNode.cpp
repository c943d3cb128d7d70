// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidrawNode.h"

#include "platform/SmallFiles.h"

#include <QFileInfo>

namespace orvex {

namespace {
constexpr qint64 MaxUeventSize = 4096;
constexpr char PhysicalPathKey[] = "HID_PHYS=";
} // namespace

QByteArray HidrawNode::physicalPath(const QByteArray &devicePath)
{
    const QString node = QFileInfo(QString::fromLocal8Bit(devicePath)).fileName();
    QByteArray uevent;
    if (node.isEmpty() ||
        !SmallFiles::read(QStringLiteral("/sys/class/hidraw/%1/device/uevent").arg(node),
                          MaxUeventSize, &uevent))
        return {};
    for (const QByteArray &line : uevent.split('\n')) {
        if (line.startsWith(PhysicalPathKey))
            return line.mid(int(sizeof(PhysicalPathKey) - 1));
    }
    return {};
}

} // namespace orvex
