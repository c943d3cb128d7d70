// SPDX-License-Identifier: GPL-3.0-or-later
#include "PickListStyle.h"

#include "WexMenulist.h"

#include <QApplication>

namespace orvex {

void PickListStyle::apply(WexMenulist *list, int width)
{
    if (!list)
        return;
    list->menulistAtt().setBorderColor(Qt::red);
    QFont font = QApplication::font();
    font.setPixelSize(TextPixelSize);
    list->setMenulistFontColor(Qt::white, QColor::fromRgbF(0.222f, 0.222f, 0.222f, 1.0f), Qt::white,
                               QColor::fromRgbF(0.492f, 0.022f, 0.031f, 1.0f),
                               QColor::fromRgbF(0.0f, 0.0f, 0.017f, 1.0f), QColor(), font);
    list->menulistAtt().setMenuWidth(width);
    list->menulistAtt().setCaptionAlignment(WexMenulistAtt::AlignCentre);
}

} // namespace orvex
