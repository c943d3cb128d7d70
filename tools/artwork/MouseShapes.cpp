// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseShapes.h"

#include "MainViewLayout.h"

#include <QTransform>

namespace orvex::artwork {

namespace {

// Half-way between the main buttons' rectangles.
constexpr qreal CentreX = 277.5;
// Rounding of a main button's outer front corner and of its inner back
// corner, where the button meets the bar and the palm.
constexpr qreal FrontCorner = 32.0;
constexpr qreal BackCorner = 24.0;
constexpr qreal BarInset = 6.0;
constexpr qreal BarHeight = 36.0;
constexpr qreal WheelWidth = 20.0;

QPointF mirrored(const QPointF &point)
{
    return {2 * CentreX - point.x(), point.y()};
}

// One half of a symmetric outline, from the front centre round the right
// side to the back centre; the left half is its mirror image.
QList<QPointF> symmetric(const QList<QPointF> &rightHalf)
{
    QList<QPointF> all = rightHalf;
    for (qsizetype i = rightHalf.size() - 2; i > 0; --i)
        all.append(mirrored(rightHalf.at(i)));
    return all;
}

// A main button on the left front corner filling `rect`: straight inner
// edge, rounded outer front corner, the back edge slanting up towards the
// inner side.
QPainterPath leftMainButton(const QRectF &rect)
{
    const qreal left = rect.left() + 3;
    const qreal right = rect.right() - 1.5;
    const qreal top = rect.top() + 2;
    const qreal bottom = rect.bottom() - 1.5;
    QPainterPath path;
    path.moveTo(right, top + 4);
    path.lineTo(right, bottom - BackCorner);
    path.cubicTo(right, bottom - 10, right - 12, bottom, right - BackCorner - 2, bottom);
    path.lineTo(left + 8, bottom);
    path.quadTo(left, bottom, left, bottom - 8);
    path.lineTo(left, top + FrontCorner);
    path.cubicTo(left, top + 10, left + 14, top, left + FrontCorner + 2, top);
    path.lineTo(right - 4, top);
    path.quadTo(right, top, right, top + 4);
    path.closeSubpath();
    return path;
}

QPainterPath pill(const QRectF &rect)
{
    QPainterPath path;
    const QRectF body = rect.adjusted(1, 1, -1, -1);
    const qreal radius = qMin(body.width(), body.height()) / 2 - 0.5;
    path.addRoundedRect(body, radius, radius);
    return path;
}

QPainterPath keyCap(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    return path;
}

} // namespace

QRect MouseShapes::buttonRect(int index)
{
    const QList<int> tags = MainViewLayout::hotSpotTags();
    if (index < 0 || index >= tags.size())
        return {};
    const MainViewLayout::Control *control = MainViewLayout::byTag(tags.at(index));
    return control ? control->rect : QRect();
}

QPainterPath MouseShapes::button(int index)
{
    const QRectF rect = buttonRect(index);
    switch (index) {
    case 0:
        return leftMainButton(rect);
    case 1: {
        QPainterPath bar;
        const QRectF body(rect.left() + BarInset, rect.top() + BarInset,
                          rect.width() - 2 * BarInset, BarHeight);
        bar.addRoundedRect(body, BarHeight / 2, BarHeight / 2);
        return bar;
    }
    case 2: {
        // The left button's outline drawn in the right rectangle, mirrored.
        const QTransform flip = QTransform::fromTranslate(rect.center().x(), 0)
                                    .scale(-1, 1)
                                    .translate(-rect.center().x(), 0);
        return flip.map(leftMainButton(flip.mapRect(rect)));
    }
    case 3:
    case 4:
    case 5:
    case 6:
        return pill(rect);
    default:
        return rect.isEmpty() ? QPainterPath() : keyCap(rect);
    }
}

QPainterPath MouseShapes::wheel()
{
    const QRectF bar = buttonRect(1);
    QPainterPath path;
    path.addRoundedRect(
        QRectF(bar.center().x() - WheelWidth / 2, bar.top() + 2, WheelWidth, bar.height() - 6), 8,
        8);
    return path;
}

QPointF MouseShapes::dpiArrow(int index)
{
    switch (index) {
    case 7:
        return {0, -1};
    case 8:
        return {0, 1};
    case 9:
        return {1, 0};
    default:
        return {-1, 0};
    }
}

qreal MouseShapes::centreX()
{
    return CentreX;
}

QPainterPath MouseShapes::shell()
{
    return smoothClosed(symmetric({{CentreX, 291},
                                   {354, 294},
                                   {410, 303},
                                   {438, 326},
                                   {447, 374},
                                   {450, 450},
                                   {450, 525},
                                   {440, 594},
                                   {407, 640},
                                   {346, 664},
                                   {CentreX, 670}}));
}

QPainterPath MouseShapes::leftWing()
{
    return smoothClosed({{122, 398},
                         {92, 404},
                         {70, 432},
                         {60, 478},
                         {54, 528},
                         {58, 574},
                         {76, 606},
                         {108, 620},
                         {136, 606}});
}

QPainterPath MouseShapes::rightWing()
{
    return smoothClosed(
        {{432, 404}, {458, 412}, {474, 442}, {481, 490}, {477, 536}, {462, 566}, {436, 578}});
}

QPointF MouseShapes::dpiPadCentre()
{
    // The middle of the four keys' rectangles.
    QPointF sum;
    for (int index = FirstDpiKey; index < ButtonCount; ++index)
        sum += QRectF(buttonRect(index)).center();
    return sum / (ButtonCount - FirstDpiKey);
}

qreal MouseShapes::dpiPadRadius()
{
    return 33.0;
}

QPainterPath MouseShapes::frontPlate()
{
    const QRectF left = buttonRect(0);
    const QRectF right = buttonRect(2);
    const QRectF bar = buttonRect(1);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(left.right() + 5, left.top() - 6, right.left() - left.right() - 10,
                                bar.top() - left.top() + 6),
                         12, 12);
    return plate.intersected(shell());
}

QPainterPath MouseShapes::palmVents()
{
    QPainterPath vents;
    vents.addEllipse(QPointF(CentreX, 612), 78, 38);
    return vents.intersected(shell());
}

QPainterPath MouseShapes::frontLight()
{
    QPainterPath path;
    const qreal y = 299;
    path.moveTo(buttonRect(0).right() + 8, y + 2);
    path.quadTo(CentreX, y - 3, buttonRect(2).left() - 8, y + 2);
    return path;
}

QList<QPainterPath> MouseShapes::wingLights()
{
    QPainterPath left;
    left.moveTo(68, 448);
    left.cubicTo(58, 480, 55, 560, 70, 592);
    QPainterPath right;
    right.moveTo(470, 446);
    right.cubicTo(480, 480, 478, 530, 466, 556);
    return {left, right};
}

QPointF MouseShapes::logoCentre()
{
    return {CentreX, 530};
}

QPainterPath MouseShapes::cable(qreal top)
{
    QPainterPath path;
    path.moveTo(CentreX, 296);
    path.cubicTo(CentreX, 268, CentreX + 16, 262, CentreX + 12, top);
    return path;
}

QPainterPath MouseShapes::smoothClosed(const QList<QPointF> &points)
{
    QPainterPath path;
    const qsizetype n = points.size();
    if (n < 3)
        return path;
    path.moveTo(points.at(0));
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF &p0 = points.at((i + n - 1) % n);
        const QPointF &p1 = points.at(i);
        const QPointF &p2 = points.at((i + 1) % n);
        const QPointF &p3 = points.at((i + 2) % n);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

} // namespace orvex::artwork
