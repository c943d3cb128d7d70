// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinPainter.h"

#include "SkinPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace orvex {

namespace {

// Grain of the brushed metal: one random level per GrainStep pixels along a
// row, blended linearly, plus one level per row.
constexpr int GrainStep = 24;
constexpr int RowGrain = 7;
constexpr int StreakGrain = 5;
// Side of one carbon-weave cell in pixels.
constexpr int CarbonCell = 6;
constexpr qreal ButtonRadius = 4.0;
constexpr int TitlePixelSize = 13;
constexpr int TitleInset = 14;
constexpr int AccentLineWidth = 2;

int clampChannel(int value)
{
    return std::clamp(value, 0, 255);
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// How many pixels of the painter's device make one unit of the drawing: 2
// on a picture drawn for a screen scaled to 200 %. Textures are made at that
// resolution, so their grain stays as fine as the screen's pixels.
int textureScale(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return device ? std::max(1, int(std::ceil(device->devicePixelRatio()))) : 1;
}

// The grain of one brushed-metal picture of `size` units at `scale` pixels
// per unit; mt19937 output is the same on every platform (the standard
// distributions are not, so none is used).
QImage brushedTexture(const QSize &size, quint32 seed, int scale)
{
    QImage texture(size * scale, QImage::Format_RGB32);
    texture.setDevicePixelRatio(scale);
    std::mt19937 random(seed);
    const QColor top = SkinPalette::metalLight();
    const QColor bottom = SkinPalette::metalDark();
    const int step = GrainStep * scale;
    const int knots = texture.width() / step + 2;
    std::vector<int> streak(size_t(knots), 0);
    for (int y = 0; y < texture.height(); ++y) {
        const qreal t = texture.height() > 1 ? qreal(y) / (texture.height() - 1) : 0.0;
        const QColor base = mix(top, bottom, std::pow(t, 0.7));
        const int row = int(random() % (2 * RowGrain + 1)) - RowGrain;
        for (int &knot : streak)
            knot = int(random() % (2 * StreakGrain + 1)) - StreakGrain;
        auto *line = reinterpret_cast<QRgb *>(texture.scanLine(y));
        for (int x = 0; x < texture.width(); ++x) {
            const int k = x / step;
            const int f = x % step;
            const int grain =
                row + (streak[size_t(k)] * (step - f) + streak[size_t(k + 1)] * f) / step;
            line[x] = qRgb(clampChannel(base.red() + grain), clampChannel(base.green() + grain),
                           clampChannel(base.blue() + grain + 1));
        }
    }
    return texture;
}

QImage carbonTexture(const QSize &size, int scale)
{
    QImage texture(size * scale, QImage::Format_RGB32);
    texture.setDevicePixelRatio(scale);
    const int cell = CarbonCell * scale;
    for (int y = 0; y < texture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(texture.scanLine(y));
        for (int x = 0; x < texture.width(); ++x) {
            const int cx = x / cell;
            const int cy = y / cell;
            const bool across = ((cx + cy) % 2) == 0;
            const int along = across ? x % cell : y % cell;
            const int shade = 16 + (along * 14) / cell;
            line[x] = qRgb(shade, shade, shade + 2);
        }
    }
    return texture;
}

QPainterPath roundedPath(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

QString SkinPainter::faceName(Face face)
{
    switch (face) {
    case Face::Normal:
        return QStringLiteral("Normal");
    case Face::Over:
        return QStringLiteral("Over");
    case Face::Down:
        return QStringLiteral("Down");
    case Face::Disable:
        return QStringLiteral("Disable");
    case Face::Active:
        return QStringLiteral("Active");
    }
    return {};
}

QImage SkinPainter::blankImage(const QSize &size, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void SkinPainter::paintWindowBackground(QPainter &painter, const QRect &rect, quint32 seed)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.drawImage(rect.topLeft(), brushedTexture(rect.size(), seed, textureScale(painter)));
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(255, 255, 255, 40));
    painter.drawLine(rect.left() + 1, rect.top() + 1, rect.right() - 1, rect.top() + 1);
    painter.drawLine(rect.left() + 1, rect.top() + 1, rect.left() + 1, rect.bottom() - 1);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawLine(rect.left() + 1, rect.bottom() - 1, rect.right() - 1, rect.bottom() - 1);
    painter.restore();
}

void SkinPainter::paintTitleStrip(QPainter &painter, const QRect &strip, const QString &title)
{
    if (strip.isEmpty())
        return;
    painter.save();
    QLinearGradient shade(strip.topLeft(), strip.bottomLeft());
    shade.setColorAt(0.0, QColor(0, 0, 0, 40));
    shade.setColorAt(1.0, QColor(0, 0, 0, 110));
    painter.fillRect(strip.adjusted(1, 1, -1, 0), shade);
    painter.fillRect(QRect(strip.left() + 1, strip.bottom() - AccentLineWidth + 1,
                           strip.width() - 2, AccentLineWidth),
                     SkinPalette::accent());
    const int badge = strip.height() / 3;
    const QRect badgeRect(strip.left() + TitleInset, strip.center().y() - badge / 2, badge / 2,
                          badge);
    painter.fillRect(badgeRect, SkinPalette::accentBright());
    painter.setFont(SkinPalette::font(TitlePixelSize, true));
    painter.setPen(SkinPalette::text());
    const QRect textRect =
        strip.adjusted(badgeRect.right() + 8 - strip.left(), 0, -TitleInset, -AccentLineWidth);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, title.toUpper());
    painter.restore();
}

void SkinPainter::paintCarbonPanel(QPainter &painter, const QRect &rect)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.drawImage(rect.topLeft(), carbonTexture(rect.size(), textureScale(painter)));
    QLinearGradient sheen(rect.topLeft(), rect.bottomLeft());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 18));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.fillRect(rect, sheen);
    painter.setPen(QColor(0, 0, 0));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(QColor(255, 255, 255, 45));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.restore();
}

void SkinPainter::paintButtonFace(QPainter &painter, const QRect &rect, Face face,
                                  const QString &caption, int pixelSize)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    QColor edge(8, 8, 10);
    QColor textColour = SkinPalette::text();
    switch (face) {
    case Face::Normal:
    case Face::Active:
        fill.setColorAt(0.0, QColor(74, 76, 82));
        fill.setColorAt(1.0, QColor(34, 35, 39));
        break;
    case Face::Over:
        fill.setColorAt(0.0, QColor(86, 88, 95));
        fill.setColorAt(1.0, QColor(42, 43, 48));
        edge = SkinPalette::accentBright();
        break;
    case Face::Down:
        fill.setColorAt(0.0, SkinPalette::accent().darker(130));
        fill.setColorAt(1.0, SkinPalette::accentBright());
        edge = QColor(40, 0, 0);
        break;
    case Face::Disable:
        fill.setColorAt(0.0, QColor(44, 45, 48));
        fill.setColorAt(1.0, QColor(36, 37, 40));
        edge = QColor(30, 30, 33);
        textColour = SkinPalette::textDim();
        break;
    }
    painter.setPen(QPen(edge, 1.0));
    painter.setBrush(fill);
    painter.drawPath(roundedPath(body, ButtonRadius));
    if (face != Face::Down && face != Face::Disable) {
        painter.setPen(QPen(QColor(255, 255, 255, 50), 1.0));
        painter.drawLine(QPointF(body.left() + ButtonRadius, body.top() + 1),
                         QPointF(body.right() - ButtonRadius, body.top() + 1));
    }
    if (face == Face::Active) {
        painter.setPen(QPen(SkinPalette::accent(), 2.0));
        painter.drawLine(QPointF(body.left() + 6, body.bottom() - 2),
                         QPointF(body.right() - 6, body.bottom() - 2));
    }
    painter.setFont(SkinPalette::font(pixelSize, true));
    painter.setPen(textColour);
    painter.drawText(rect, Qt::AlignCenter, caption);
    painter.restore();
}

void SkinPainter::paintCheckBox(QPainter &painter, const QRect &rect, Face face, bool ticked,
                                const QString &caption)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(rect.height(), 16);
    const QRectF box(rect.left() + 0.5, rect.center().y() - side / 2 + 0.5, side - 1, side - 1);
    const bool dim = face == Face::Disable;
    painter.setPen(
        QPen(face == Face::Over ? SkinPalette::accentBright() : SkinPalette::panelEdge(), 1.0));
    painter.setBrush(dim ? QColor(36, 37, 40) : QColor(20, 20, 23));
    painter.drawRoundedRect(box, 2, 2);
    if (ticked || face == Face::Down) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.72);
        tick.lineTo(box.left() + side * 0.78, box.top() + side * 0.28);
        painter.setPen(QPen(dim ? SkinPalette::textDim() : SkinPalette::accentBright(), 2.2,
                            Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.setFont(SkinPalette::font(12));
    painter.setPen(dim ? SkinPalette::textDim() : SkinPalette::text());
    painter.drawText(rect.adjusted(side + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter.restore();
}

void SkinPainter::paintMessage(QPainter &painter, const QRect &rect, const QString &text,
                               int pixelSize)
{
    painter.save();
    painter.setFont(SkinPalette::font(pixelSize));
    painter.setPen(SkinPalette::text());
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    painter.restore();
}

void SkinPainter::paintSliderTrack(QPainter &painter, const QRect &rect, bool filled)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal groove = 6.0;
    const QRectF track(rect.left() + 0.5, rect.center().y() - groove / 2 + 0.5, rect.width() - 1,
                       groove);
    painter.setPen(QPen(QColor(0, 0, 0), 1.0));
    if (filled) {
        QLinearGradient red(track.topLeft(), track.bottomLeft());
        red.setColorAt(0.0, SkinPalette::accentBright());
        red.setColorAt(1.0, SkinPalette::accent());
        painter.setBrush(red);
    } else {
        painter.setBrush(QColor(14, 14, 16));
    }
    painter.drawRoundedRect(track, groove / 2, groove / 2);
    painter.restore();
}

} // namespace orvex
