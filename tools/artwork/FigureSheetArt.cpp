// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigureSheetArt.h"

#include "ArtworkFolder.h"
#include "OsdArtwork.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace orvex::artwork {

FigureSheetArt::FigureSheetArt(const QString &fontFamily) : m_fontFamily(fontFamily) {}

bool FigureSheetArt::writeAll(ArtworkFolder &folder, QString *failed) const
{
    for (const osd::FigureSheet &sheet : osd::FigureSheets) {
        const QString path = folder.claim(QLatin1String(osd::Folder) + QLatin1Char('/') +
                                          QLatin1String(sheet.fileName));
        if (!draw(sheet.pixelSize).save(path, "PNG")) {
            *failed = path;
            return false;
        }
    }
    return true;
}

QImage FigureSheetArt::draw(int pixelSize) const
{
    // The face and weight the agent would ask for when drawing with the font.
    QFont font;
    if (!m_fontFamily.isEmpty())
        font.setFamily(m_fontFamily);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    const QString digits = QLatin1String(osd::FigureDigits);
    int cellWidth = 0;
    for (const QChar digit : digits)
        cellWidth = qMax(cellWidth, metrics.horizontalAdvance(digit));

    QImage sheet(cellWidth * osd::FigureDigitCount, metrics.ascent() + metrics.descent(),
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int i = 0; i < osd::FigureDigitCount; ++i) {
        const QChar digit = digits.at(i);
        const int x = i * cellWidth + (cellWidth - metrics.horizontalAdvance(digit)) / 2;
        painter.drawText(QPoint(x, metrics.ascent()), QString(digit));
    }
    return sheet;
}

} // namespace orvex::artwork
