// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QByteArray>
#include <QPainterPath>
#include <QPen>
#include <QSize>

namespace orvex::artwork {

// A scalable picture written as SVG from the same shapes a QPainter draws:
// filled and stroked paths, with solid colours or linear gradients. Only
// what the suite's icons use is written: other brushes are written as their
// colour.
class SvgDocument
{
public:
    explicit SvgDocument(const QSize &size);

    // `path` filled with `fill` (Qt::NoBrush: none) and outlined with
    // `stroke` (Qt::NoPen: none).
    void add(const QPainterPath &path, const QBrush &fill, const QPen &stroke);
    QByteArray toXml() const;

private:
    QByteArray paint(const QBrush &brush);

    QSize m_size;
    QByteArray m_definitions;
    QByteArray m_body;
    int m_gradients = 0;
};

} // namespace orvex::artwork
