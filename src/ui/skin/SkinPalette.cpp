// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinPalette.h"

namespace orvex {

QColor SkinPalette::accent()
{
    return QColor::fromRgbF(0.492f, 0.022f, 0.031f);
}

QColor SkinPalette::accentBright()
{
    return QColor(229, 30, 43);
}

QColor SkinPalette::metalLight()
{
    return QColor(66, 68, 72);
}

QColor SkinPalette::metalDark()
{
    return QColor(24, 25, 28);
}

QColor SkinPalette::panel()
{
    return QColor(17, 17, 19);
}

QColor SkinPalette::panelEdge()
{
    return QColor(92, 94, 99);
}

QColor SkinPalette::text()
{
    return QColor(240, 240, 242);
}

QColor SkinPalette::textDim()
{
    return QColor(128, 130, 136);
}

QColor SkinPalette::listBackground()
{
    return QColor::fromRgbF(0.222f, 0.222f, 0.222f);
}

QColor SkinPalette::listBorder()
{
    return QColor::fromRgbF(0.0f, 0.0f, 0.017f);
}

QString SkinPalette::fontFamily()
{
    return QStringLiteral("DejaVu Sans");
}

QFont SkinPalette::font(int pixelSize, bool bold)
{
    QFont font(fontFamily());
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace orvex
