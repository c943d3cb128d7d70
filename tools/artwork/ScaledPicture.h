// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// The windows' pictures come in two resolutions: "<name>.png" for ordinary
// screens and "<name>@2x.png", twice the pixels, for screens scaled to 200 %
// (the skinned views pick it there). Both are one drawing in the units of
// the 1x picture, painted on images of scale 1 and 2.
class ScaledPicture
{
public:
    using Painting = std::function<void(QPainter &painter)>;

    static QList<int> scales() { return {1, 2}; }
    // The file name of the picture `name` at `scale`: "a_Over.png" and 2 give
    // "a_Over@2x.png"; scale 1 keeps the name.
    static QString fileName(const QString &name, int scale);

    // `paint` on an image of `size` units at `scale`, first filled with
    // `fill`; the painter starts without render hints.
    static QImage render(const QSize &size, int scale, const Painting &paint,
                         const QColor &fill = Qt::transparent);
    // Saves `image` at `path`: JPEG (quality 95, no alpha) for ".jpg", else PNG.
    static bool save(const QImage &image, const QString &path);
    // Draws `name` at every scale into `folder`; false (with the path in
    // `failed`) when one cannot be written.
    static bool writeAll(ArtworkFolder &folder, const QString &name, const QSize &size,
                         const Painting &paint, QString *failed,
                         const QColor &fill = Qt::transparent);
};

} // namespace orvex::artwork
