// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace orvex {

// Profile names as the mouse stores them: at most 32 ASCII characters.
class FirmwareName
{
public:
    // The stored form of a name: letters with accents lose them ("é" -> "e"),
    // a few letters are spelled out ("ß" -> "ss", "æ" -> "ae"), anything else
    // outside printable ASCII becomes "?"; the result is cut to 32 characters.
    static QByteArray encode(const QString &name);
};

} // namespace orvex
