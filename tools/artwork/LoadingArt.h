// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace orvex::artwork {

class ArtworkFolder;

// "Loading.gif", the loading overlay's animation (146 × 87): a ring of
// segments whose red head runs round once per loop, over a dark panel whose
// lower band is left plain for the progress line the overlay writes on it.
class LoadingArt
{
public:
    static constexpr int Width = 146;
    static constexpr int Height = 87;
    static constexpr int FrameCount = 12;
    static constexpr int FrameDelayMs = 80;
    static constexpr int ProgressBandHeight = 22;

    static QList<QImage> frames();
    static bool write(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
