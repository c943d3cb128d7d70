// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconArt.h"

#include "ScaledPicture.h"
#include "SkinPainter.h"
#include "SkinPalette.h"

#include <QPainter>
#include <QPainterPath>

namespace orvex::artwork {

namespace {

constexpr QSize ZoneMarkerSize(48, 48);
constexpr QSize ButtonMarkerSize(14, 14);
constexpr QSize LevelThumbSize(14, 22);
constexpr QSize RoundThumbSize(18, 18);
constexpr QSize StepIconSize(19, 20);
// The macro list's rows are black; its JPEG icons are drawn on black.
const QColor StepRow(0, 0, 0);

QPen line(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A mouse seen from above in `box`, its left button filled red.
void paintMouse(QPainter &painter, const QRectF &box, qreal width)
{
    painter.setPen(line(SkinPalette::text(), width));
    painter.setBrush(QColor(40, 41, 45));
    painter.drawRoundedRect(box, box.width() / 2, box.width() / 2);
    QPainterPath leftButton;
    const qreal split = box.top() + box.height() * 0.42;
    leftButton.moveTo(box.center().x(), box.top());
    leftButton.arcTo(box.left(), box.top(), box.width(), box.width(), 90, 90);
    leftButton.lineTo(box.left(), split);
    leftButton.lineTo(box.center().x(), split);
    leftButton.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinPalette::accentBright());
    painter.drawPath(leftButton);
    painter.setPen(line(SkinPalette::text(), width));
    painter.drawLine(QPointF(box.left(), split), QPointF(box.right(), split));
    painter.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), split));
}

void paintKeyCap(QPainter &painter, const QRectF &box, const QString &label, int pixelSize)
{
    painter.setPen(line(SkinPalette::text(), 1.2));
    painter.setBrush(QColor(44, 45, 50));
    painter.drawRoundedRect(box, 2.5, 2.5);
    if (!label.isEmpty()) {
        painter.setFont(SkinPalette::font(pixelSize, true));
        painter.drawText(box, Qt::AlignCenter, label);
    }
}

// A red arrow along x = `x` from `from` to `to` (pointing at `to`).
void paintArrow(QPainter &painter, qreal x, qreal from, qreal to)
{
    const qreal head = to > from ? -3.5 : 3.5;
    painter.setPen(line(SkinPalette::accentBright(), 1.8));
    painter.drawLine(QPointF(x, from), QPointF(x, to));
    painter.drawLine(QPointF(x, to), QPointF(x - 3, to + head));
    painter.drawLine(QPointF(x, to), QPointF(x + 3, to + head));
}

void paintFunctionBadge(QPainter &painter)
{
    const QRectF disc = QRectF(QPointF(0, 0), IconArt::FunctionIconSize).adjusted(1, 1, -1, -1);
    painter.setPen(line(SkinPalette::accent(), 2.0));
    painter.setBrush(QColor(26, 26, 30));
    painter.drawEllipse(disc);
}

} // namespace

void IconArt::paintZoneMarker(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(ZoneMarkerSize.width() / 2.0, ZoneMarkerSize.height() / 2.0);
    QRadialGradient glow(centre, ZoneMarkerSize.width() / 2.0);
    glow.setColorAt(0.55, QColor(229, 30, 43, 0));
    glow.setColorAt(0.75, QColor(229, 30, 43, 150));
    glow.setColorAt(1.0, QColor(229, 30, 43, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, ZoneMarkerSize.width() / 2.0, ZoneMarkerSize.height() / 2.0);
    painter.setPen(line(SkinPalette::accentBright(), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, ZoneMarkerSize.width() * 0.34, ZoneMarkerSize.height() * 0.34);
    painter.restore();
}

void IconArt::paintButtonMarker(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), ButtonMarkerSize).adjusted(1, 1, -1, -1);
    painter.setPen(line(SkinPalette::text(), 1.5));
    painter.setBrush(SkinPalette::accentBright());
    painter.drawEllipse(disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinPalette::text());
    painter.drawEllipse(disc.center(), 2.0, 2.0);
    painter.restore();
}

void IconArt::paintFunctionIcon(QPainter &painter, QChar kind)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintFunctionBadge(painter);
    switch (kind.toLatin1()) {
    case 'D':
        paintMouse(painter, QRectF(10.5, 6.5, 10, 18), 1.3);
        break;
    case 'S':
        paintKeyCap(painter, QRectF(8.5, 8.5, 14, 14), QStringLiteral("A"), 10);
        break;
    case 'T': {
        painter.setPen(line(SkinPalette::text(), 1.6));
        for (int row = 0; row < 3; ++row)
            painter.drawLine(QPointF(9, 10.5 + row * 5), QPointF(17, 10.5 + row * 5));
        QPainterPath play;
        play.moveTo(19, 10);
        play.lineTo(25, 15.5);
        play.lineTo(19, 21);
        play.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(SkinPalette::accentBright());
        painter.drawPath(play);
        break;
    }
    default: {
        painter.setPen(line(SkinPalette::text(), 1.4));
        painter.setBrush(QColor(44, 45, 50));
        painter.drawRoundedRect(QRectF(7.5, 11.5, 13, 12), 2, 2);
        painter.setPen(line(SkinPalette::accentBright(), 1.8));
        painter.drawLine(QPointF(14, 17), QPointF(23, 8));
        painter.drawLine(QPointF(23, 8), QPointF(18, 8));
        painter.drawLine(QPointF(23, 8), QPointF(23, 13));
        break;
    }
    }
    painter.restore();
}

void IconArt::paintLevelThumb(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(QPointF(0, 0), LevelThumbSize).adjusted(1, 1, -1, -1);
    QLinearGradient shade(body.topLeft(), body.topRight());
    shade.setColorAt(0, QColor(120, 122, 128));
    shade.setColorAt(1, QColor(52, 53, 58));
    painter.setPen(line(QColor(8, 8, 10), 1.0));
    painter.setBrush(shade);
    painter.drawRoundedRect(body, 3, 3);
    painter.setPen(line(SkinPalette::accentBright(), 2.0));
    painter.drawLine(QPointF(body.center().x(), body.top() + 4),
                     QPointF(body.center().x(), body.bottom() - 4));
    painter.restore();
}

void IconArt::paintRoundThumb(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(QPointF(0, 0), RoundThumbSize).adjusted(1, 1, -1, -1);
    QRadialGradient shade(disc.center() - QPointF(3, 3), disc.width());
    shade.setColorAt(0, QColor(140, 142, 148));
    shade.setColorAt(1, QColor(40, 41, 46));
    painter.setPen(line(QColor(8, 8, 10), 1.0));
    painter.setBrush(shade);
    painter.drawEllipse(disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinPalette::accentBright());
    painter.drawEllipse(disc.center(), 3.0, 3.0);
    painter.restore();
}

void IconArt::paintStepIcon(QPainter &painter, const QString &kind)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (kind == QLatin1String("KeyDown") || kind == QLatin1String("KeyUp")) {
        paintKeyCap(painter, QRectF(1.5, 5.5, 10, 10), QString(), 0);
        const bool down = kind == QLatin1String("KeyDown");
        paintArrow(painter, 15.5, down ? 4 : 16, down ? 16 : 4);
    } else if (kind == QLatin1String("MouseDown") || kind == QLatin1String("MouseUp")) {
        paintMouse(painter, QRectF(2, 3.5, 8, 13), 1.0);
        const bool down = kind == QLatin1String("MouseDown");
        paintArrow(painter, 15.5, down ? 4 : 16, down ? 16 : 4);
    } else if (kind == QLatin1String("Delay")) {
        painter.setPen(line(SkinPalette::text(), 1.3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(9.5, 10), 7, 7);
        painter.setPen(line(SkinPalette::accentBright(), 1.5));
        painter.drawLine(QPointF(9.5, 10), QPointF(9.5, 5.5));
        painter.drawLine(QPointF(9.5, 10), QPointF(12.5, 12));
    } else {
        painter.setPen(line(SkinPalette::accentBright(), 1.2));
        painter.setBrush(SkinPalette::accent());
        painter.drawRoundedRect(QRectF(2.5, 3.5, 14, 13), 3, 3);
        painter.setPen(SkinPalette::text());
        painter.setFont(SkinPalette::font(9, true));
        painter.drawText(QRectF(2.5, 3.5, 14, 13), Qt::AlignCenter, QStringLiteral("fx"));
    }
    painter.restore();
}

bool IconArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    struct Picture
    {
        QString name;
        QSize size;
        ScaledPicture::Painting paint;
    };
    const auto functionIcon = [](char kind) {
        return [kind](QPainter &painter) { paintFunctionIcon(painter, QLatin1Char(kind)); };
    };
    const auto stepIcon = [](const char *kind) {
        return [kind](QPainter &painter) { paintStepIcon(painter, QLatin1String(kind)); };
    };
    const QList<Picture> pictures{
        {QStringLiteral("selected1.png"), ZoneMarkerSize, &paintZoneMarker},
        {QStringLiteral("selected2.png"), ButtonMarkerSize, &paintButtonMarker},
        {QStringLiteral("BtnFunType_D.png"), FunctionIconSize, functionIcon('D')},
        {QStringLiteral("BtnFunType_S.png"), FunctionIconSize, functionIcon('S')},
        {QStringLiteral("BtnFunType_T.png"), FunctionIconSize, functionIcon('T')},
        {QStringLiteral("BtnFunType_L.png"), FunctionIconSize, functionIcon('L')},
        {QStringLiteral("Slider1.png"), LevelThumbSize, &paintLevelThumb},
        {QStringLiteral("Slider2.png"), RoundThumbSize, &paintRoundThumb},
        {QStringLiteral("MacroList_KeyDown.jpg"), StepIconSize, stepIcon("KeyDown")},
        {QStringLiteral("MacroList_KeyUp.jpg"), StepIconSize, stepIcon("KeyUp")},
        {QStringLiteral("MacroList_Command.png"), StepIconSize, stepIcon("Command")},
        {QStringLiteral("MacroList_Delay.jpg"), StepIconSize, stepIcon("Delay")},
        {QStringLiteral("MacroList_MouseDown.jpg"), StepIconSize, stepIcon("MouseDown")},
        {QStringLiteral("MacroList_MouseUp.jpg"), StepIconSize, stepIcon("MouseUp")},
    };
    for (const Picture &picture : pictures) {
        const bool jpeg = picture.name.endsWith(QLatin1String(".jpg"));
        if (!ScaledPicture::writeAll(folder, picture.name, picture.size, picture.paint, failed,
                                     jpeg ? StepRow : QColor(Qt::transparent)))
            return false;
    }
    return true;
}

} // namespace orvex::artwork
