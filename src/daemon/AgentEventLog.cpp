// SPDX-License-Identifier: GPL-3.0-or-later
#include "AgentEventLog.h"

#include <QMutex>
#include <QMutexLocker>

#include <cstdio>

namespace orvex {

namespace {

QMutex sinkMutex;
AgentEventLog::Sink installedSink;

} // namespace

void AgentEventLog::osd(const QString &tag)
{
    write(QStringLiteral("OSD %1").arg(tag));
}

void AgentEventLog::osdDpi(int stage, int x, int y)
{
    write(QStringLiteral("OSD dpi %1 %2 %3").arg(stage).arg(x).arg(y));
}

void AgentEventLog::launch(const QString &path)
{
    write(QStringLiteral("LAUNCH %1").arg(path));
}

void AgentEventLog::status(int type, const QList<int> &values)
{
    QString line = QStringLiteral("STATUS %1").arg(type);
    for (int value : values)
        line += QStringLiteral(" %1").arg(value);
    write(line);
}

// The format of the mouse's own console line: "%0x" per byte, so no padding.
void AgentEventLog::rawReport(const Report &report)
{
    QString line = QStringLiteral("Daemon Rec");
    for (std::uint8_t byte : report)
        line += QStringLiteral(" %1").arg(byte, 0, 16);
    write(line);
}

void AgentEventLog::setSink(Sink sink)
{
    QMutexLocker lock(&sinkMutex);
    installedSink = std::move(sink);
}

void AgentEventLog::write(const QString &line)
{
    QMutexLocker lock(&sinkMutex);
    if (installedSink) {
        installedSink(line);
        return;
    }
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace orvex
