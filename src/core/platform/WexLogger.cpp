// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WexLogger.h"

#include "platform/ProcessState.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <cstdio>

namespace orvex {

namespace {

constexpr WexLogger::Level DefaultLevel = WexLogger::Level::Warning;
std::atomic<WexLogger::Level> currentLevel{DefaultLevel};
QMutex outputMutex;
QString debugFilePath;

const char *levelName(WexLogger::Level level)
{
    switch (level) {
    case WexLogger::Level::Error:
        return "error";
    case WexLogger::Level::Warning:
        return "warning";
    case WexLogger::Level::Info:
        return "info";
    case WexLogger::Level::Debug:
        return "debug";
    case WexLogger::Level::Trace:
        return "trace";
    }
    return "?";
}

const char *baseName(const char *path)
{
    const char *name = path;
    for (const char *c = path; *c; ++c) {
        if (*c == '/')
            name = c + 1;
    }
    return name;
}

const bool registeredReset = ProcessState::add("WexLogger", &WexLogger::resetState);

} // namespace

void WexLogger::setLevel(Level level)
{
    currentLevel = level;
}

WexLogger::Level WexLogger::level()
{
    return currentLevel;
}

bool WexLogger::enabled(Level level)
{
    QMutexLocker lock(&outputMutex);
    return level <= currentLevel || (level == Level::Debug && !debugFilePath.isEmpty());
}

void WexLogger::setDebugFile(const QString &path)
{
    QMutexLocker lock(&outputMutex);
    debugFilePath = path;
}

void WexLogger::log(Level level, const QString &message, const char *file, int line)
{
    const QByteArray text =
        QStringLiteral("[%1] %2:%3: %4\n")
            .arg(QString::fromLatin1(levelName(level)), QString::fromUtf8(baseName(file)),
                 QString::number(line), message)
            .toUtf8();
    QMutexLocker lock(&outputMutex);
    if (level <= currentLevel) {
        std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
        std::fflush(stderr);
    }
    if (level == Level::Debug && !debugFilePath.isEmpty()) {
        QFile out(debugFilePath);
        if (out.open(QIODevice::Append)) {
            out.write(QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + ' ');
            out.write(text);
        }
    }
}

void WexLogger::applyEnvironment()
{
    const QString wanted = qEnvironmentVariable("ORVEX_LOG_LEVEL").toLower();
    const Level levels[] = {Level::Error, Level::Warning, Level::Info, Level::Debug, Level::Trace};
    for (Level candidate : levels) {
        if (wanted == QLatin1String(levelName(candidate)))
            setLevel(candidate);
    }
}

void WexLogger::resetState()
{
    setLevel(DefaultLevel);
    setDebugFile(QString());
}

} // namespace orvex
