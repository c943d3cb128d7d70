// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingArt.h"

#include "ArtworkFolder.h"
#include "GifWriter.h"
#include "SkinPainter.h"
#include "SkinPalette.h"

#include <QPainter>

#include <cmath>

namespace orvex::artwork {

namespace {

constexpr int Segments = 12;
constexpr qreal InnerRadius = 13.0;
constexpr qreal OuterRadius = 24.0;
constexpr qreal SegmentWidth = 4.0;
// How many segments behind the head still glow, fading out.
constexpr int TailLength = 5;

QColor segmentColour(int distanceBehindHead)
{
    if (distanceBehindHead == 0)
        return SkinPalette::accentBright();
    if (distanceBehindHead <= TailLength) {
        const qreal fade = 1.0 - qreal(distanceBehindHead) / (TailLength + 1);
        const QColor idle(58, 59, 64);
        const QColor red = SkinPalette::accent();
        return QColor::fromRgbF(float(idle.redF() + (red.redF() - idle.redF()) * fade),
                                float(idle.greenF() + (red.greenF() - idle.greenF()) * fade),
                                float(idle.blueF() + (red.blueF() - idle.blueF()) * fade));
    }
    return QColor(58, 59, 64);
}

QImage frame(int head)
{
    QImage image = SkinPainter::blankImage(QSize(LoadingArt::Width, LoadingArt::Height));
    QPainter painter(&image);
    SkinPainter::paintWindowBackground(painter, image.rect(), 5);
    const QRect band(1, LoadingArt::Height - LoadingArt::ProgressBandHeight - 1,
                     LoadingArt::Width - 2, LoadingArt::ProgressBandHeight);
    painter.fillRect(band, QColor(10, 10, 12));
    painter.fillRect(QRect(band.left(), band.top(), band.width(), 1), SkinPalette::accent());
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(LoadingArt::Width / 2.0, (band.top() - 1) / 2.0 + 1);
    for (int i = 0; i < Segments; ++i) {
        const qreal angle = 2 * M_PI * i / Segments - M_PI / 2;
        const QPointF direction(std::cos(angle), std::sin(angle));
        const int behind = (head - i + Segments) % Segments;
        painter.setPen(QPen(segmentColour(behind), SegmentWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + direction * InnerRadius, centre + direction * OuterRadius);
    }
    return image;
}

} // namespace

QList<QImage> LoadingArt::frames()
{
    QList<QImage> all;
    for (int head = 0; head < FrameCount; ++head)
        all.append(frame(head * Segments / FrameCount));
    return all;
}

bool LoadingArt::write(ArtworkFolder &folder, QString *failed)
{
    const QString path = folder.claim(QStringLiteral("Loading.gif"));
    if (GifWriter::write(path, frames(), FrameDelayMs))
        return true;
    *failed = path;
    return false;
}

} // namespace orvex::artwork
