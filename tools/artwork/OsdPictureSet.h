// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace orvex::artwork {

class ArtworkFolder;

// The on-screen display's 19 pictures (see OsdArtwork.h): the
// profiles, the lighting modes, the report rates, and the DPI stages with
// the empty places the agent writes the resolution into.
class OsdPictureSet
{
public:
    explicit OsdPictureSet(const QString &fontFamily);

    // Writes every picture into the display's folder inside `folder`;
    // answers false (with the file in *failed) when one cannot be written.
    bool writeAll(ArtworkFolder &folder, QString *failed) const;

    // The picture of one tag; a null image for an unknown tag.
    QImage draw(const QString &tag) const;

private:
    QImage profile(int number) const;
    QImage lighting(bool battle) const;
    QImage rate(int hertz) const;
    QImage dpi(int stage) const;
    QImage dpiXY(int stage) const;

    QString m_fontFamily;
};

} // namespace orvex::artwork
