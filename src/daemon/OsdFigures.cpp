// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdFigures.h"

#include "OsdArtwork.h"
#include "PngImage.h"

#include "platform/ResourceFolder.h"
#include "platform/SmallFiles.h"

#include <map>
#include <memory>

namespace orvex {

namespace {

// A sheet is a few KiB; anything much larger is not one of ours.
constexpr qint64 MaxSheetBytes = 1024 * 1024;

std::unique_ptr<OsdFigures> loadShipped(int pixelSize)
{
    for (const osd::FigureSheet &sheet : osd::FigureSheets) {
        if (sheet.pixelSize != pixelSize)
            continue;
        QByteArray png;
        if (!SmallFiles::read(ResourceFolder::filePath(QLatin1String(osd::Folder) +
                                                       QLatin1Char('/') +
                                                       QLatin1String(sheet.fileName)),
                              MaxSheetBytes, &png))
            return nullptr;
        auto figures = std::make_unique<OsdFigures>(png);
        return figures->isValid() ? std::move(figures) : nullptr;
    }
    return nullptr;
}

} // namespace

const OsdFigures *OsdFigures::ofSize(int pixelSize)
{
    static std::map<int, std::unique_ptr<OsdFigures>> loaded;
    const auto found = loaded.find(pixelSize);
    if (found != loaded.end())
        return found->second.get();
    return loaded.emplace(pixelSize, loadShipped(pixelSize)).first->second.get();
}

OsdFigures::OsdFigures(const QByteArray &png)
{
    const QImage sheet = PngImage::decode(png);
    if (sheet.isNull() || sheet.width() % osd::FigureDigitCount != 0)
        return;
    m_coverage = sheet.convertToFormat(QImage::Format_Alpha8);
    m_cellWidth = sheet.width() / osd::FigureDigitCount;
}

QImage OsdFigures::compose(const QString &text, const QColor &colour) const
{
    if (!isValid() || text.isEmpty())
        return {};
    for (const QChar character : text) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return {};
    }
    const QRgb ink = colour.rgba();
    QImage figures(m_cellWidth * int(text.size()), m_coverage.height(),
                   QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < figures.height(); ++y) {
        const uchar *coverage = m_coverage.constScanLine(y);
        auto *row = reinterpret_cast<QRgb *>(figures.scanLine(y));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const uchar *cell = coverage + (text.at(i).unicode() - '0') * m_cellWidth;
            for (int x = 0; x < m_cellWidth; ++x) {
                const int alpha = qAlpha(ink) * cell[x] / 255;
                row[i * m_cellWidth + x] =
                    qPremultiply(qRgba(qRed(ink), qGreen(ink), qBlue(ink), alpha));
            }
        }
    }
    return figures;
}

QRect OsdFigures::inkBounds(const QImage &image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QRect bounds;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        int first = -1;
        int last = -1;
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            if (first < 0)
                first = x;
            last = x;
        }
        if (first >= 0)
            bounds |= QRect(first, y, last - first + 1, 1);
    }
    return bounds;
}

} // namespace orvex
