// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRect>

namespace orvex::artwork {

// The outlines of the mouse the main window shows from above, its front
// up: a shell between two wings (the left one holding the DPI pad), two
// main buttons on the front corners joined by the middle button's bar, and
// the side buttons on the wings. Every button lies inside its hot-spot's
// rectangle of the main window's layout; all coordinates are the window's.
class MouseShapes
{
public:
    // The eleven buttons in the order of the button index: left, middle and
    // right click, Left 2, Left 3, Right 4, Right 5, DPI up, down, right, left.
    static constexpr int ButtonCount = 11;
    static constexpr int FirstDpiKey = 7;

    // The hot-spot rectangle of button `index`.
    static QRect buttonRect(int index);
    // The outline of button `index`; for the middle button the bar that
    // carries the wheel.
    static QPainterPath button(int index);
    static QPainterPath wheel();
    // Which way the arrow of DPI key `index` (7..10) points, as a unit step.
    static QPointF dpiArrow(int index);

    static qreal centreX();
    static QPainterPath shell();
    static QPainterPath leftWing();
    static QPainterPath rightWing();
    // The round pad under the four DPI keys.
    static QPointF dpiPadCentre();
    static qreal dpiPadRadius();
    // The plate between the main buttons, in front of the bar, and the
    // palm behind the bar: both perforated.
    static QPainterPath frontPlate();
    static QPainterPath palmVents();
    // The light strips: along the front edge and the outer wing edges.
    static QPainterPath frontLight();
    static QList<QPainterPath> wingLights();
    static QPointF logoCentre();
    // The cord, from the front of the shell up to `top`.
    static QPainterPath cable(qreal top);

    // A closed curve through `points` (Catmull-Rom, as cubic Béziers).
    static QPainterPath smoothClosed(const QList<QPointF> &points);
};

} // namespace orvex::artwork
