// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroViewArt.h"

#include "ButtonPageArt.h"
#include "MacroViewLayout.h"
#include "ScaledPicture.h"

#include <QFileInfo>
#include <QPainter>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;

QString skinName(const ButtonPageLayout::Page &page, Face face)
{
    return QStringLiteral("%1_%2.%3")
        .arg(page.skinName.section(u'_', 0, 0), SkinPainter::faceName(face),
             QFileInfo(page.skinName).suffix());
}

} // namespace

bool MacroViewArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    const Face faces[] = {Face::Normal, Face::Over, Face::Down, Face::Disable, Face::Active};
    for (const ButtonPageLayout::Page *page : MacroViewLayout::all()) {
        for (const Face face : faces) {
            const auto painting = [page, face](QPainter &painter) {
                ButtonPageArt::paint(painter, *page, face);
            };
            if (!ScaledPicture::writeAll(folder, skinName(*page, face), page->size, painting,
                                         failed))
                return false;
        }
    }
    return true;
}

} // namespace orvex::artwork
