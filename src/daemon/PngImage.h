// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace orvex {

// PNG bytes to a premultiplied image, straight through libpng. The agent
// decodes its own pictures this way because Qt's image reader loads every
// image-format plugin on first use, memory the agent would then carry for
// the whole session.
class PngImage
{
public:
    // Larger pictures are not ours; refusing them keeps a damaged or foreign
    // file from asking for gigabytes.
    static constexpr int MaxSide = 4096;

    // A null image when the bytes are not a PNG picture within MaxSide.
    static QImage decode(const QByteArray &bytes);
};

} // namespace orvex
