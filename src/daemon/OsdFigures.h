// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace orvex {

// The display's figures at one size, composed from the sheet the artwork
// tool drew ahead of time (osd::FigureSheets): no font engine is started.
// Only the sheet's coverage is kept, a byte a pixel (under 100 KiB for both
// sizes), so composing needs no decoding and no painter.
class OsdFigures
{
public:
    // The shipped sheet of `pixelSize`, read once; null when there is none.
    // Main thread only.
    static const OsdFigures *ofSize(int pixelSize);

    // A sheet from PNG bytes: ten cells of equal width, digits 0 to 9.
    explicit OsdFigures(const QByteArray &png);
    bool isValid() const { return m_cellWidth > 0; }

    // The digits of `text` side by side in `colour` on transparent; a null
    // image when `text` is empty or holds anything but digits.
    QImage compose(const QString &text, const QColor &colour) const;

    // The bounding box of the pixels that are not fully transparent; an
    // empty rectangle for a blank image.
    static QRect inkBounds(const QImage &image);

private:
    QImage m_coverage; // Format_Alpha8
    int m_cellWidth = 0;
};

} // namespace orvex
