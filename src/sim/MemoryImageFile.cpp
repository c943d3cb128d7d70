// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryImageFile.h"

#include "FactoryImage.h"

#include "device/MemoryMap.h"
#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvex::sim {

namespace {
const QLatin1String ImageFileName("virtual-mouse.bin");
} // namespace

MemoryImageFile::MemoryImageFile(const QString &path) : m_path(path) {}

QString MemoryImageFile::defaultPath()
{
    return UserDataFolder::dataHome() + QLatin1Char('/') + QLatin1String(ApplicationIdentifier) +
           QLatin1Char('/') + ImageFileName;
}

QByteArray MemoryImageFile::loadOrFactory() const
{
    QFile file(m_path);
    if (!file.exists()) {
        ORVEX_INFO(
            QStringLiteral("no memory image at %1; starting from the factory image").arg(m_path));
        return FactoryImage::build();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ORVEX_WARNING(QStringLiteral("cannot read the memory image %1: %2; using the factory image")
                          .arg(m_path, file.errorString()));
        return FactoryImage::build();
    }
    const QByteArray image = file.read(fwmem::Size + 1);
    if (image.size() != fwmem::Size) {
        ORVEX_WARNING(QStringLiteral("memory image %1 holds %2 bytes instead of %3; using the "
                                     "factory image")
                          .arg(m_path)
                          .arg(file.size())
                          .arg(fwmem::Size));
        return FactoryImage::build();
    }
    return image;
}

bool MemoryImageFile::save(const QByteArray &image) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        ORVEX_ERROR(
            QStringLiteral("cannot write the memory image %1: %2").arg(m_path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace orvex::sim
