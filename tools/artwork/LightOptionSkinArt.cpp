// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightOptionSkinArt.h"

#include "MouseArt.h"
#include "MouseShapes.h"
#include "PageFrameArt.h"
#include "SkinPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;
using Layout = LightOptionLayout;

constexpr quint32 MetalSeed = 17;
constexpr int CaptionPixelSize = 13;
constexpr int FooterTop = 546;
constexpr int FooterLeft = 420;
constexpr qreal BadgeRadius = 8.0;

const QRect HintPanel(452, 384, 240, 92);
const QRect StageClip(1, Layout::DragHeight, 436, FooterTop - Layout::DragHeight);

// Where the skin numbers the zones on the mouse, beside each zone's lights.
const QPointF ZoneBadges[Layout::ZoneCount] = {{146, 118}, {194, 325}, {20, 316}};

QPen line(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QColor ink(Face face)
{
    return face == Face::Disable ? SkinPalette::textDim() : SkinPalette::text();
}

QColor mixed(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void paintHeader(QPainter &painter)
{
    PageFrameArt::paintHeaderStrip(painter, Layout::ViewSize.width(), Layout::DragHeight);
    PageFrameArt::paintHeading(
        painter, {QRect(18, 11, 5, 26),
                  {20, QRect(31, 7, 300, 26), QStringLiteral("LIGHTING")},
                  {9, QRect(32, 31, 400, 12), QStringLiteral("LED ZONES AND COLOURS")}});
}

void paintZoneBadge(QPainter &painter, const QPointF &centre, int zone)
{
    painter.setPen(line(SkinPalette::accentBright(), 1.4));
    painter.setBrush(QColor(12, 12, 14, 230));
    painter.drawEllipse(centre, BadgeRadius, BadgeRadius);
    painter.setFont(SkinPalette::font(10, true));
    painter.setPen(SkinPalette::text());
    painter.drawText(QRectF(centre.x() - BadgeRadius, centre.y() - BadgeRadius, 2 * BadgeRadius,
                            2 * BadgeRadius),
                     Qt::AlignCenter, QString::number(zone));
}

// The mouse with its lights dark: the lit zones are pictures of their own
// that the page lays over it.
void paintStage(QPainter &painter)
{
    painter.save();
    painter.setClipRect(StageClip, Qt::IntersectClip);
    painter.save();
    painter.setTransform(Layout::mouseTransform(), true);
    const qreal cableTop =
        Layout::mouseTransform().inverted().map(QPointF(0, Layout::DragHeight)).y();
    MouseArt::paintBody(painter, cableTop, false);
    for (int index = 0; index < MouseShapes::ButtonCount; ++index)
        MouseArt::paintButton(painter, index, Face::Normal);
    painter.restore();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int zone = 1; zone <= Layout::ZoneCount; ++zone)
        paintZoneBadge(painter, ZoneBadges[zone - 1], zone);
    painter.restore();
}

void paintColumn(QPainter &painter)
{
    const QRect zones = Layout::byField(QStringLiteral("light1Btn"))->rect;
    const QRect on = Layout::byField(QStringLiteral("lightOnBtn"))->rect;
    const QRect colours = Layout::byField(QStringLiteral("color1Btn"))->rect;
    PageFrameArt::paintLabel(painter, QRect(zones.left(), zones.top() - 26, zones.width(), 18),
                             QStringLiteral("LED zone"));
    PageFrameArt::paintLabel(painter, QRect(on.left(), on.top() - 26, zones.width(), 18),
                             QStringLiteral("Light"));
    PageFrameArt::paintLabel(painter, QRect(colours.left(), colours.top() - 26, zones.width(), 18),
                             QStringLiteral("Colour"));
    SkinPainter::paintCarbonPanel(painter, HintPanel);
    painter.fillRect(QRect(HintPanel.left() + 6, HintPanel.top() + 8, 3, HintPanel.height() - 16),
                     SkinPalette::accentBright());
    painter.save();
    painter.setFont(SkinPalette::font(11));
    painter.setPen(SkinPalette::textDim().lighter(130));
    painter.drawText(HintPanel.adjusted(18, 8, -10, -8),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                     QStringLiteral("Choose a zone to light it on its own. Until you choose one, "
                                    "the light and the colour apply to all three zones."));
    painter.restore();
}

// The zone's number in a ring, "Zone n", and what the zone is on the mouse.
void paintZoneButton(QPainter &painter, const Layout::Control &control, Face face)
{
    const QRect rect = control.rect;
    SkinPainter::paintButtonFace(painter, rect, face, QString());
    const int zone = control.tag - Layout::FirstZoneTag + 1;
    const qreal shift = face == Face::Down ? 1 : 0;
    const QPointF badge(rect.left() + 20 + shift, rect.center().y() + 0.5 + shift);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(line(face == Face::Disable ? SkinPalette::textDim() : SkinPalette::accent(), 2));
    painter.setBrush(QColor(22, 22, 26));
    painter.drawEllipse(badge, 11, 11);
    painter.setFont(SkinPalette::font(12, true));
    painter.setPen(ink(face));
    painter.drawText(QRectF(badge.x() - 11, badge.y() - 11, 22, 22), Qt::AlignCenter,
                     QString::number(zone));
    painter.setFont(SkinPalette::font(CaptionPixelSize, true));
    painter.drawText(QRectF(rect).adjusted(42 + shift, shift, -8, shift),
                     Qt::AlignLeft | Qt::AlignVCenter, control.caption);
    QFont small = SkinPalette::font(9, true);
    small.setLetterSpacing(QFont::PercentageSpacing, 110);
    painter.setFont(small);
    painter.setPen(face == Face::Disable ? SkinPalette::textDim()
                   : face == Face::Down  ? QColor(255, 220, 220)
                                         : QColor(150, 152, 160));
    painter.drawText(QRectF(rect).adjusted(0, shift, -12, shift), Qt::AlignRight | Qt::AlignVCenter,
                     Layout::zoneName(zone).toUpper());
    painter.restore();
}

// A lamp beside the caption: lit white for on, a dark ring for off.
void paintLightButton(QPainter &painter, const Layout::Control &control, Face face)
{
    const QRectF rect = control.rect;
    SkinPainter::paintButtonFace(painter, control.rect, face, QString());
    const bool on = control.tag == Layout::LightOnTag;
    const qreal shift = face == Face::Down ? 1 : 0;
    const QPointF lamp(rect.left() + 24 + shift, rect.center().y() + shift);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (on && face != Face::Disable) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 70));
        painter.drawEllipse(lamp, 7, 7);
        painter.setBrush(QColor(240, 242, 248));
        painter.drawEllipse(lamp, 4, 4);
    } else {
        painter.setPen(
            line(face == Face::Disable ? SkinPalette::textDim() : QColor(150, 152, 160), 1.4));
        painter.setBrush(QColor(10, 10, 12));
        painter.drawEllipse(lamp, 4.5, 4.5);
    }
    painter.setFont(SkinPalette::font(CaptionPixelSize, true));
    painter.setPen(ink(face));
    painter.drawText(rect.adjusted(16 + shift, shift, shift, shift), Qt::AlignCenter,
                     control.caption);
    painter.restore();
}

// A gem of the colour in a dark socket. The pointer rings it, the chosen one
// is ringed white and ticked, and a disabled one fades into its socket.
void paintColourButton(QPainter &painter, const Layout::Control &control, Face face)
{
    const QRectF rect = QRectF(control.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const QColor colour = Layout::colourShown(control.tag - Layout::FirstColourTag);
    const bool dim = face == Face::Disable;
    const QColor shown = dim ? mixed(colour, QColor(30, 31, 34), 0.72) : colour;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor rim(70, 72, 78);
    qreal rimWidth = 1.0;
    if (face == Face::Over) {
        rim = SkinPalette::accentBright();
    } else if (face == Face::Down) {
        rim = SkinPalette::text();
        rimWidth = 2.0;
    } else if (dim) {
        rim = QColor(40, 41, 44);
    }
    painter.setPen(QPen(rim, rimWidth));
    painter.setBrush(QColor(10, 10, 12));
    painter.drawRoundedRect(rect.adjusted(rimWidth / 2, rimWidth / 2, -rimWidth / 2, -rimWidth / 2),
                            5, 5);
    const QRectF gem = rect.adjusted(5, 5, -5, -5);
    QLinearGradient fill(gem.topLeft(), gem.bottomLeft());
    fill.setColorAt(0.0, dim ? shown : shown.lighter(125));
    fill.setColorAt(1.0, dim ? shown : shown.darker(135));
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(gem, 3, 3);
    if (!dim) {
        painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
        painter.drawLine(QPointF(gem.left() + 3, gem.top() + 1.5),
                         QPointF(gem.right() - 3, gem.top() + 1.5));
    }
    if (face == Face::Down) {
        // Dark on the pale colours, white on the deep ones.
        const QColor tick = colour.lightnessF() > 0.6 ? QColor(20, 20, 24) : SkinPalette::text();
        QPainterPath mark;
        mark.moveTo(gem.left() + gem.width() * 0.24, gem.top() + gem.height() * 0.52);
        mark.lineTo(gem.left() + gem.width() * 0.44, gem.top() + gem.height() * 0.72);
        mark.lineTo(gem.left() + gem.width() * 0.78, gem.top() + gem.height() * 0.3);
        painter.setPen(line(tick, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(mark);
    }
    painter.restore();
}

} // namespace

void LightOptionSkinArt::paintControl(QPainter &painter, const Layout::Control &control, Face face)
{
    painter.save();
    painter.setClipRect(control.rect, Qt::IntersectClip);
    const int tag = control.tag;
    if (tag >= Layout::FirstZoneTag && tag < Layout::FirstZoneTag + Layout::ZoneCount)
        paintZoneButton(painter, control, face);
    else if (tag >= Layout::FirstColourTag && tag < Layout::FirstColourTag + Layout::ColourCount)
        paintColourButton(painter, control, face);
    else if (tag == Layout::LightOnTag || tag == Layout::LightOffTag)
        paintLightButton(painter, control, face);
    else
        SkinPainter::paintButtonFace(painter, control.rect, face, control.caption);
    painter.restore();
}

void LightOptionSkinArt::paint(QPainter &painter, Face face)
{
    const QRect window(QPoint(0, 0), Layout::ViewSize);
    SkinPainter::paintWindowBackground(painter, window, MetalSeed);
    paintHeader(painter);
    paintStage(painter);
    paintColumn(painter);
    PageFrameArt::paintSlantedFooter(painter, Layout::ViewSize, FooterLeft, FooterTop);
    for (const Layout::Control &control : Layout::controls())
        paintControl(painter, control, face);
    // The window's edge, over the controls that reach it.
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(window.adjusted(0, 0, -1, -1));
}

} // namespace orvex::artwork
