// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaledPicture.h"

#include "ArtworkFolder.h"
#include "SkinPainter.h"

#include <QFileInfo>
#include <QPainter>

namespace orvex::artwork {

namespace {
constexpr int JpegQuality = 95;
} // namespace

QString ScaledPicture::fileName(const QString &name, int scale)
{
    if (scale == 1)
        return name;
    const QFileInfo info(name);
    const QString folder = info.path() == QLatin1String(".") ? QString() : info.path() + u'/';
    return QStringLiteral("%1%2@%3x.%4")
        .arg(folder, info.completeBaseName())
        .arg(scale)
        .arg(info.suffix());
}

QImage ScaledPicture::render(const QSize &size, int scale, const Painting &paint,
                             const QColor &fill)
{
    QImage image = SkinPainter::blankImage(size, scale);
    image.fill(fill);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return image;
}

bool ScaledPicture::save(const QImage &image, const QString &path)
{
    if (path.endsWith(QLatin1String(".jpg")))
        return image.convertToFormat(QImage::Format_RGB32).save(path, "JPEG", JpegQuality);
    return image.save(path, "PNG");
}

bool ScaledPicture::writeAll(ArtworkFolder &folder, const QString &name, const QSize &size,
                             const Painting &paint, QString *failed, const QColor &fill)
{
    for (const int scale : scales()) {
        const QString path = folder.claim(fileName(name, scale));
        if (!save(render(size, scale, paint, fill), path)) {
            *failed = path;
            return false;
        }
    }
    return true;
}

} // namespace orvex::artwork
