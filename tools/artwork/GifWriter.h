// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace orvex::artwork {

// Writes an endlessly looping animated GIF (GIF89a) from opaque frames of one
// size. Qt reads GIF but cannot write it, hence this small encoder: one
// global palette of at most 256 colours chosen from the frames themselves
// (their exact colours when there are no more; otherwise the most frequent
// colours at 5 bits per channel, each the mean of the pixels it stands
// for), every pixel mapped to its nearest palette colour, and variable-width
// LZW codes up to 12 bits.
class GifWriter
{
public:
    // `delayMs` is rounded to the format's 10 ms unit.
    static QByteArray encode(const QList<QImage> &frames, int delayMs);
    static bool write(const QString &path, const QList<QImage> &frames, int delayMs);
};

} // namespace orvex::artwork
