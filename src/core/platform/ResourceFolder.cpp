// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ResourceFolder.h"

#include "platform/ProcessState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace orvex {

namespace {

QMutex overrideMutex;
QString overridePath;

// What tells a resource folder from any other share/orvex: the catalogue,
// which every program reads and every resource folder holds.
constexpr char MarkerFile[] = "MenuInfo.xml";

QStringList candidates()
{
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("ORVEX_RESOURCE_DIR");
    if (!fromEnvironment.isEmpty())
        folders << fromEnvironment;
    if (QCoreApplication::instance()) {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        folders << executableFolder + QStringLiteral("/../share/orvex")
                << executableFolder + QStringLiteral("/../../share/orvex");
    }
    folders << QStringLiteral(ORVEX_INSTALL_DATADIR "/orvex");
    return folders;
}

const bool registeredReset = ProcessState::add("ResourceFolder", &ResourceFolder::resetState);

} // namespace

QString ResourceFolder::path()
{
    {
        QMutexLocker lock(&overrideMutex);
        if (!overridePath.isEmpty())
            return overridePath;
    }
    for (const QString &folder : candidates()) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(MarkerFile)))
            return QDir::cleanPath(folder);
    }
    return {};
}

QString ResourceFolder::filePath(const QString &name)
{
    const QString folder = path();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + name;
}

void ResourceFolder::setOverride(const QString &path)
{
    QMutexLocker lock(&overrideMutex);
    overridePath = path;
}

void ResourceFolder::resetState()
{
    setOverride(QString());
}

} // namespace orvex
