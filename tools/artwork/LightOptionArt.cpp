// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightOptionArt.h"

#include "LightOptionLayout.h"
#include "LightOptionSkinArt.h"
#include "MouseArt.h"
#include "ScaledPicture.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;
using Layout = LightOptionLayout;

constexpr qreal LineWidth = 1.6;
constexpr qreal AnchorRadius = 3.5;

QString skinName(Face face)
{
    const QString normal = QLatin1String(Layout::SkinName);
    return QStringLiteral("%1_%2.%3")
        .arg(normal.section(u'_', 0, 0), SkinPainter::faceName(face), QFileInfo(normal).suffix());
}

MouseArt::Light lightOfZone(int zone)
{
    switch (zone) {
    case 1:
        return MouseArt::Light::Front;
    case 2:
        return MouseArt::Light::Logo;
    default:
        return MouseArt::Light::Wings;
    }
}

// From the zone on the mouse across to the bus, along it, and into the
// middle of the zone's button.
QPainterPath zoneLinePath(int zone)
{
    const QPointF anchor = Layout::zoneLineAnchor(zone);
    const QRect button = Layout::byTag(Layout::FirstZoneTag + zone - 1)->rect;
    const qreal buttonY = button.top() + button.height() / 2.0;
    QPainterPath path;
    path.moveTo(anchor);
    path.lineTo(Layout::LineBusX, anchor.y());
    path.lineTo(Layout::LineBusX, buttonY);
    path.lineTo(button.left(), buttonY);
    return path;
}

} // namespace

void LightOptionArt::paintZoneLight(QPainter &painter, int zone, int colour)
{
    painter.save();
    painter.translate(-Layout::zoneLightRect(zone).topLeft());
    painter.setTransform(Layout::mouseTransform(), true);
    MouseArt::paintLight(painter, lightOfZone(zone), MouseArt::lamp(Layout::colourShown(colour)));
    painter.restore();
}

void LightOptionArt::paintZoneLine(QPainter &painter, int zone, int colour)
{
    const QColor shown = Layout::colourShown(colour);
    const QPainterPath path = zoneLinePath(zone);
    const QPointF anchor = Layout::zoneLineAnchor(zone);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-Layout::LineViewRect.topLeft());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(QColor(0, 0, 0, 150), LineWidth + 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    QColor glow = shown;
    glow.setAlpha(70);
    painter.setPen(QPen(glow, LineWidth * 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(shown, LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(0, 0, 0, 170), 1.2));
    painter.setBrush(glow);
    painter.drawEllipse(anchor, AnchorRadius * 2, AnchorRadius * 2);
    painter.setBrush(shown);
    painter.drawEllipse(anchor, AnchorRadius, AnchorRadius);
    painter.restore();
}

bool LightOptionArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    const Face skinFaces[] = {Face::Normal, Face::Over, Face::Down, Face::Disable, Face::Active};
    for (const Face face : skinFaces) {
        const auto painting = [face](QPainter &painter) {
            LightOptionSkinArt::paint(painter, face);
        };
        if (!ScaledPicture::writeAll(folder, skinName(face), Layout::ViewSize, painting, failed))
            return false;
    }
    for (int colour = 0; colour < Layout::ColourCount; ++colour) {
        for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
            const auto light = [zone, colour](QPainter &painter) {
                paintZoneLight(painter, zone, colour);
            };
            const auto line = [zone, colour](QPainter &painter) {
                paintZoneLine(painter, zone, colour);
            };
            if (!ScaledPicture::writeAll(folder, Layout::lightPictureName(colour + 1, zone),
                                         Layout::zoneLightRect(zone).size(), light, failed) ||
                !ScaledPicture::writeAll(folder, Layout::linePictureName(colour + 1, zone),
                                         Layout::LineViewRect.size(), line, failed))
                return false;
        }
    }
    return true;
}

} // namespace orvex::artwork
