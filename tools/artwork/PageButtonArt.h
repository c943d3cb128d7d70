// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

#include <QPainterPath>
#include <QString>

class QPainter;

namespace orvex::artwork {

// The four tall page buttons of the main window ("LightOption", "MacroKey",
// "SettingOption", "ProfileOption"): long hexagonal cells that interlock in
// a zig-zag column, each with its page's sign and its caption written
// upwards along the cell.
class PageButtonArt
{
public:
    // The base names of the four pictures, from top to bottom.
    static QStringList names();
    // The outline of the cell in a picture of `size`.
    static QPainterPath shape(const QSizeF &size);
    // The own picture `name` in `face` (origin at the picture's top-left).
    static void paint(QPainter &painter, const QString &name, SkinPainter::Face face);
};

} // namespace orvex::artwork
