// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace orvex::artwork {

class ArtworkFolder;

// The display's figures drawn ahead of time (see osd::FigureSheets in
// OsdArtwork.h): the ten digits of one size side by side.
class FigureSheetArt
{
public:
    explicit FigureSheetArt(const QString &fontFamily);

    // Writes every sheet into the display's folder inside `folder`; answers
    // false (with the file in *failed) when one cannot be written.
    bool writeAll(ArtworkFolder &folder, QString *failed) const;

    // The sheet of one size: cells as wide as the widest digit, as high as
    // the font's ascent and descent, each digit centred in its cell on the
    // common baseline.
    QImage draw(int pixelSize) const;

private:
    QString m_fontFamily;
};

} // namespace orvex::artwork
