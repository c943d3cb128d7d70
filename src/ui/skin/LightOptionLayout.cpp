// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightOptionLayout.h"

namespace orvex {

namespace {

constexpr int ColourButtonSide = 30;
constexpr int ColourButtonPitch = 35;
constexpr int PanelLeft = 452;
constexpr int ColourRowTop = 326;

struct ColourEntry
{
    const char *name;
    QColor shown;
};

// The mouse's own colours (red, green and blue LEDs alone or together), as
// bright as a screen shows them next to the window's red.
const ColourEntry Colours[LightOptionLayout::ColourCount] = {
    {"Red", QColor(229, 30, 43)},     {"Purple", QColor(172, 64, 236)},
    {"Blue", QColor(42, 92, 255)},    {"Light blue", QColor(40, 196, 255)},
    {"White", QColor(236, 240, 248)}, {"Yellow", QColor(255, 206, 36)},
    {"Green", QColor(44, 214, 92)},
};

const char *const ZoneNames[LightOptionLayout::ZoneCount] = {"Front strip", "Logo", "Side strips"};

// Each holds its zone's lights with their glow under mouseTransform(); the
// artwork test checks that nothing is cut off.
constexpr QRect ZoneLights[LightOptionLayout::ZoneCount] = {
    {154, 104, 172, 28}, {202, 287, 76, 76}, {30, 236, 402, 158}};
constexpr QPoint ZoneCentres[LightOptionLayout::ZoneCount] = {{240, 117}, {240, 325}, {419, 302}};
constexpr QPointF LineAnchors[LightOptionLayout::ZoneCount] = {
    {318.0, 119.0}, {260.0, 325.0}, {424.0, 302.0}};

// The main window draws the mouse 427 pixels wide; here it is nine tenths
// of that, left of the controls, its cord coming from under the top strip.
constexpr qreal MouseScale = 0.9;
constexpr qreal MouseDx = -10.0;
constexpr qreal MouseDy = -152.0;

LightOptionLayout::Control control(const char *field, int tag, int x, int top, int width,
                                   int height, const char *caption = "")
{
    return {QLatin1String(field), tag, QRect(x, top, width, height), QLatin1String(caption)};
}

LightOptionLayout::Control colourControl(int index)
{
    return {QStringLiteral("color%1Btn").arg(index + 1), LightOptionLayout::FirstColourTag + index,
            QRect(PanelLeft + index * ColourButtonPitch, ColourRowTop, ColourButtonSide,
                  ColourButtonSide),
            QString()};
}

bool validZone(int zone)
{
    return zone >= 1 && zone <= LightOptionLayout::ZoneCount;
}

} // namespace

const QList<LightOptionLayout::Control> &LightOptionLayout::controls()
{
    static const QList<Control> table = [] {
        QList<Control> all{
            control("light1Btn", 5000, PanelLeft, 88, 240, 40, "Zone 1"),
            control("light2Btn", 5001, PanelLeft, 134, 240, 40, "Zone 2"),
            control("light3Btn", 5002, PanelLeft, 180, 240, 40, "Zone 3"),
        };
        for (int index = 0; index < ColourCount; ++index)
            all << colourControl(index);
        all << control("lightOnBtn", LightOnTag, PanelLeft, 256, 117, 34, "On")
            << control("lightOffBtn", LightOffTag, 575, 256, 117, 34, "Off")
            << control("okBtn", OkTag, 648, 557, 49, 31, "OK")
            << control("cancelBtn", CancelTag, 533, 557, 103, 31, "Cancel")
            << control("applyBtn", ApplyTag, 438, 557, 83, 31, "Apply");
        return all;
    }();
    return table;
}

const LightOptionLayout::Control *LightOptionLayout::byTag(int tag)
{
    for (const Control &entry : controls()) {
        if (entry.tag == tag)
            return &entry;
    }
    return nullptr;
}

const LightOptionLayout::Control *LightOptionLayout::byField(const QString &field)
{
    for (const Control &entry : controls()) {
        if (entry.field == field)
            return &entry;
    }
    return nullptr;
}

QString LightOptionLayout::colourName(int index)
{
    return index >= 0 && index < ColourCount ? QLatin1String(Colours[index].name) : QString();
}

QColor LightOptionLayout::colourShown(int index)
{
    return index >= 0 && index < ColourCount ? Colours[index].shown : QColor();
}

QString LightOptionLayout::zoneName(int zone)
{
    return validZone(zone) ? QLatin1String(ZoneNames[zone - 1]) : QString();
}

QRect LightOptionLayout::zoneLightRect(int zone)
{
    return validZone(zone) ? ZoneLights[zone - 1] : QRect();
}

QRect LightOptionLayout::zoneMarkerRect(int zone)
{
    if (!validZone(zone))
        return {};
    QRect marker(QPoint(0, 0), ZoneMarkerSize);
    marker.moveCenter(ZoneCentres[zone - 1]);
    return marker;
}

QPointF LightOptionLayout::zoneLineAnchor(int zone)
{
    return validZone(zone) ? LineAnchors[zone - 1] : QPointF();
}

QTransform LightOptionLayout::mouseTransform()
{
    return QTransform(MouseScale, 0, 0, MouseScale, MouseDx, MouseDy);
}

QString LightOptionLayout::lightPictureName(int colour, int zone)
{
    return QStringLiteral("Light_Color%1_Btn%2.png").arg(colour).arg(zone);
}

QString LightOptionLayout::linePictureName(int colour, int zone)
{
    return QStringLiteral("Line_Color%1_Btn%2.png").arg(colour).arg(zone);
}

} // namespace orvex
