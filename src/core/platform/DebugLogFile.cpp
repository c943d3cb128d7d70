// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DebugLogFile.h"

#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include <QFile>
#include <QFileInfo>

namespace orvex {

namespace {

void moveAsideLargeLog(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.size() <= DebugLogFile::MaxSize)
        return;
    const QString previous = path + QStringLiteral(".1");
    QFile::remove(previous);
    QFile::rename(path, previous);
}

} // namespace

void DebugLogFile::setEnabled(bool enabled)
{
    if (!enabled) {
        WexLogger::setDebugFile({});
        return;
    }
    const QString path = UserDataFolder::getSysPath() + QLatin1Char('/') + QLatin1String(FileName);
    moveAsideLargeLog(path);
    WexLogger::setDebugFile(path);
}

} // namespace orvex
