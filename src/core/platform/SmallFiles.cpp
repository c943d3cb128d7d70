// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SmallFiles.h"

#include "platform/ResourceFolder.h"
#include "platform/WexLogger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvex {

bool SmallFiles::createFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).isDir())
        return true;
    if (!QDir().mkpath(path)) {
        ORVEX_WARNING(QStringLiteral("cannot create the folder %1").arg(path));
        return false;
    }
    return true;
}

bool SmallFiles::seedFromResource(const QString &folder, const QString &fileName)
{
    const QString target = folder + QLatin1Char('/') + fileName;
    if (QFileInfo(target).isFile())
        return true;
    const QString source = ResourceFolder::filePath(fileName);
    QByteArray contents;
    if (source.isEmpty() || !read(source, MaxResourceSize, &contents)) {
        ORVEX_WARNING(QStringLiteral("no shipped %1 to seed %2 from").arg(fileName, folder));
        return false;
    }
    if (!createFolder(folder) || !writeAtomically(target, contents))
        return false;
    ORVEX_INFO(QStringLiteral("seeded %1 from %2").arg(target, source));
    return true;
}

bool SmallFiles::read(const QString &path, qint64 maxSize, QByteArray *contents)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > maxSize) {
        ORVEX_WARNING(
            QStringLiteral("%1 is larger than %2 bytes; not read").arg(path).arg(maxSize));
        return false;
    }
    QByteArray data = file.read(maxSize + 1);
    if (data.size() > maxSize || file.error() != QFileDevice::NoError)
        return false;
    *contents = std::move(data);
    return true;
}

bool SmallFiles::writeAtomically(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit()) {
        ORVEX_WARNING(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOwner |
                                    QFileDevice::WriteOwner);
    return true;
}

} // namespace orvex
