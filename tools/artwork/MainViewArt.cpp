// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainViewArt.h"

#include "MainViewSkinArt.h"
#include "MouseArt.h"
#include "PageButtonArt.h"
#include "ScaledPicture.h"
#include "TabArt.h"

#include <QFileInfo>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;

const Face StateFaces[] = {Face::Normal, Face::Over, Face::Down, Face::Disable};

QString skinName(Face face)
{
    const QString normal = QLatin1String(MainViewLayout::SkinName);
    return QStringLiteral("%1_%2.%3")
        .arg(normal.section(u'_', 0, 0), SkinPainter::faceName(face), QFileInfo(normal).suffix());
}

} // namespace

void MainViewArt::paintOwnPicture(QPainter &painter, const MainViewLayout::Control &control,
                                  Face face)
{
    const int slot = control.tag - MainViewLayout::FirstTabTag;
    const int hotSpot = MainViewLayout::hotSpotTags().indexOf(control.tag);
    if (slot >= 0 && slot < MainViewLayout::TabCount)
        TabArt::paint(painter, slot, face);
    else if (hotSpot >= 0)
        MouseArt::paintOwnPicture(painter, hotSpot, face);
    else
        PageButtonArt::paint(painter, control.ownPicture, face);
}

bool MainViewArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    const Face skinFaces[] = {Face::Normal, Face::Over, Face::Down, Face::Disable, Face::Active};
    for (const Face face : skinFaces) {
        const auto painting = [face](QPainter &painter) { MainViewSkinArt::paint(painter, face); };
        if (!ScaledPicture::writeAll(folder, skinName(face), MainViewLayout::ViewSize, painting,
                                     failed))
            return false;
    }
    for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
        if (control.ownPicture.isEmpty())
            continue;
        for (const Face face : StateFaces) {
            const QString name =
                QStringLiteral("%1_%2.png").arg(control.ownPicture, SkinPainter::faceName(face));
            const auto painting = [&control, face](QPainter &painter) {
                paintOwnPicture(painter, control, face);
            };
            if (!ScaledPicture::writeAll(folder, name, control.rect.size(), painting, failed))
                return false;
        }
    }
    return true;
}

} // namespace orvex::artwork
