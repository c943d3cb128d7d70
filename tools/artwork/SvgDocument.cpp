// SPDX-License-Identifier: GPL-3.0-or-later
#include "SvgDocument.h"

#include <QLinearGradient>

namespace orvex::artwork {

namespace {

QByteArray number(qreal value)
{
    QByteArray text = QByteArray::number(value, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray point(const QPointF &p)
{
    return number(p.x()) + ',' + number(p.y());
}

QByteArray colour(const QColor &c)
{
    return c.name(QColor::HexRgb).toLatin1();
}

QByteArray opacity(const char *attribute, const QColor &c)
{
    if (c.alpha() == 255)
        return {};
    return QByteArray(" ") + attribute + "=\"" + number(c.alphaF()) + '"';
}

QByteArray pathData(const QPainterPath &path)
{
    QByteArray data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            data += 'M' + point(element);
            break;
        case QPainterPath::LineToElement:
            data += 'L' + point(element);
            break;
        case QPainterPath::CurveToElement:
            data += 'C' + point(element) + ' ' + point(path.elementAt(i + 1)) + ' ' +
                    point(path.elementAt(i + 2));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return data;
}

QByteArray capName(Qt::PenCapStyle cap)
{
    switch (cap) {
    case Qt::RoundCap:
        return "round";
    case Qt::SquareCap:
        return "square";
    default:
        return "butt";
    }
}

QByteArray joinName(Qt::PenJoinStyle join)
{
    switch (join) {
    case Qt::RoundJoin:
        return "round";
    case Qt::BevelJoin:
        return "bevel";
    default:
        return "miter";
    }
}

} // namespace

SvgDocument::SvgDocument(const QSize &size) : m_size(size) {}

QByteArray SvgDocument::paint(const QBrush &brush)
{
    if (!brush.gradient() || brush.gradient()->type() != QGradient::LinearGradient)
        return colour(brush.color()) + '"' + opacity("fill-opacity", brush.color());
    const auto *gradient = static_cast<const QLinearGradient *>(brush.gradient());
    const QByteArray id = "g" + QByteArray::number(++m_gradients);
    m_definitions += "    <linearGradient id=\"" + id +
                     "\" gradientUnits=\"userSpaceOnUse\" x1=\"" + number(gradient->start().x()) +
                     "\" y1=\"" + number(gradient->start().y()) + "\" x2=\"" +
                     number(gradient->finalStop().x()) + "\" y2=\"" +
                     number(gradient->finalStop().y()) + "\">\n";
    for (const QGradientStop &stop : gradient->stops()) {
        m_definitions += "      <stop offset=\"" + number(stop.first) + "\" stop-color=\"" +
                         colour(stop.second) + '"' + opacity("stop-opacity", stop.second) + "/>\n";
    }
    m_definitions += "    </linearGradient>\n";
    return "url(#" + id + ")\"";
}

void SvgDocument::add(const QPainterPath &path, const QBrush &fill, const QPen &stroke)
{
    QByteArray element = "  <path d=\"" + pathData(path) + '"';
    if (path.fillRule() == Qt::OddEvenFill)
        element += " fill-rule=\"evenodd\"";
    element += " fill=\"";
    element += fill.style() == Qt::NoBrush ? QByteArray("none\"") : paint(fill);
    if (stroke.style() != Qt::NoPen) {
        element += " stroke=\"" + colour(stroke.color()) + '"' +
                   opacity("stroke-opacity", stroke.color()) + " stroke-width=\"" +
                   number(stroke.widthF()) + "\" stroke-linecap=\"" + capName(stroke.capStyle()) +
                   "\" stroke-linejoin=\"" + joinName(stroke.joinStyle()) + '"';
    }
    m_body += element + "/>\n";
}

QByteArray SvgDocument::toXml() const
{
    const QByteArray width = QByteArray::number(m_size.width());
    const QByteArray height = QByteArray::number(m_size.height());
    QByteArray xml = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + width + "\" height=\"" +
                     height + "\" viewBox=\"0 0 " + width + ' ' + height + "\">\n";
    if (!m_definitions.isEmpty())
        xml += "  <defs>\n" + m_definitions + "  </defs>\n";
    return xml + m_body + "</svg>\n";
}

} // namespace orvex::artwork
