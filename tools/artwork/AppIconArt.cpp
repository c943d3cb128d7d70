// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIconArt.h"

#include "ArtworkFolder.h"
#include "SkinPalette.h"
#include "SvgDocument.h"

#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace orvex::artwork {

namespace {

constexpr qreal CentreX = AppIconArt::DesignSize / 2.0;
constexpr qreal Top = 38;
constexpr qreal Bottom = 246;
constexpr qreal HalfWidth = 74;
// Where the buttons end and the palm begins.
constexpr qreal Split = 116;
constexpr qreal Gap = 12;
const QColor Edge(6, 6, 8);

struct Shape
{
    QPainterPath path;
    QBrush fill;
    QPen stroke;
};

QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush vertical(const QColor &top, const QColor &bottom, qreal from, qreal to)
{
    QLinearGradient gradient(QPointF(0, from), QPointF(0, to));
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// The shell: narrower in front, fullest behind the buttons.
QPainterPath body()
{
    QPainterPath path;
    path.moveTo(CentreX, Top);
    path.cubicTo(CentreX + 52, Top, CentreX + HalfWidth, Top + 50, CentreX + HalfWidth, 140);
    path.cubicTo(CentreX + HalfWidth, 205, CentreX + 44, Bottom, CentreX, Bottom);
    path.cubicTo(CentreX - 44, Bottom, CentreX - HalfWidth, 205, CentreX - HalfWidth, 140);
    path.cubicTo(CentreX - HalfWidth, Top + 50, CentreX - 52, Top, CentreX, Top);
    path.closeSubpath();
    return path;
}

// One main button: the part of the shell in front of the split, on one
// side of the wheel's channel.
QPainterPath mainButton(bool left)
{
    QPainterPath half;
    const qreal inner = left ? CentreX - Gap / 2 : CentreX + Gap / 2;
    const qreal outer = left ? 0 : AppIconArt::DesignSize;
    half.addRect(QRectF(QPointF(qMin(inner, outer), 0), QPointF(qMax(inner, outer), Split)));
    return body().intersected(half);
}

QPainterPath hexagon(const QPointF &centre, qreal radius)
{
    QPainterPath path;
    for (int corner = 0; corner < 6; ++corner) {
        const qreal angle = (60.0 * corner - 90.0) * M_PI / 180.0;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        corner == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

QList<Shape> shapes()
{
    QList<Shape> all;
    QPainterPath cord;
    cord.moveTo(CentreX, Top + 6);
    cord.cubicTo(CentreX, 16, CentreX + 24, 18, CentreX + 30, 4);
    all.append({cord, Qt::NoBrush, roundPen(Edge, 12)});
    all.append({cord, Qt::NoBrush, roundPen(QColor(70, 72, 80), 6)});

    QLinearGradient shell(QPointF(CentreX - HalfWidth, 0), QPointF(CentreX + HalfWidth, 0));
    shell.setColorAt(0.0, QColor(26, 27, 31));
    shell.setColorAt(0.4, QColor(82, 84, 92));
    shell.setColorAt(1.0, QColor(22, 22, 26));
    all.append({body(), shell, roundPen(Edge, 7)});
    for (const bool left : {true, false}) {
        all.append({mainButton(left),
                    vertical(QColor(104, 106, 115), QColor(46, 47, 53), Top, Split),
                    roundPen(Edge, 4)});
    }
    // The seam between the buttons and the palm, from rim to rim.
    QPainterPath seam;
    seam.addRect(QRectF(0, Split - 2, AppIconArt::DesignSize, 4));
    all.append({seam.intersected(body()), Edge, Qt::NoPen});
    QPainterPath wheel;
    wheel.addRoundedRect(QRectF(CentreX - 9, 56, 18, 44), 8, 8);
    all.append({wheel, vertical(SkinPalette::accentBright(), SkinPalette::accent(), 56, 100),
                roundPen(Edge, 3.5)});
    all.append({hexagon(QPointF(CentreX, 182), 22), QColor(14, 14, 16),
                roundPen(SkinPalette::accentBright(), 7)});
    all.append({hexagon(QPointF(CentreX, 182), 7), SkinPalette::accentBright(), Qt::NoPen});
    return all;
}

QImage render(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(pixels) / AppIconArt::DesignSize, qreal(pixels) / AppIconArt::DesignSize);
    for (const Shape &shape : shapes()) {
        painter.setBrush(shape.fill);
        painter.setPen(shape.stroke);
        painter.drawPath(shape.path);
    }
    painter.end();
    return image;
}

QString iconPath(const QString &sizeFolder, const char *suffix)
{
    return QStringLiteral("icons/hicolor/%1/apps/%2.%3")
        .arg(sizeFolder, QLatin1String(AppIconArt::IconName), QLatin1String(suffix));
}

} // namespace

bool AppIconArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    for (const int pixels : pixelSizes()) {
        const QString path = folder.claim(iconPath(QStringLiteral("%1x%1").arg(pixels), "png"));
        if (!render(pixels).save(path, "PNG")) {
            *failed = path;
            return false;
        }
    }
    SvgDocument svg(QSize(DesignSize, DesignSize));
    for (const Shape &shape : shapes())
        svg.add(shape.path, shape.fill, shape.stroke);
    const QString path = folder.claim(iconPath(QStringLiteral("scalable"), "svg"));
    QFile file(path);
    const QByteArray xml = svg.toXml();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(xml) != xml.size()) {
        *failed = path;
        return false;
    }
    return true;
}

} // namespace orvex::artwork
