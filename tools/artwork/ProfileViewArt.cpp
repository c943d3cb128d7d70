// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileViewArt.h"

#include "ButtonPageArt.h"
#include "ProfileViewLayout.h"
#include "ScaledPicture.h"
#include "SkinPalette.h"

#include <QFileInfo>
#include <QPainter>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;
using Layout = ProfileViewLayout;

constexpr int HintPixelSize = 11;

QString skinName(Face face)
{
    const QString normal = Layout::page().skinName;
    return QStringLiteral("%1_%2.%3")
        .arg(normal.section(u'_', 0, 0), SkinPainter::faceName(face), QFileInfo(normal).suffix());
}

// Black, as the table's rows are, with a dark rim and a shadow along its
// top edge so that it reads as set into the panel.
void paintWell(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF well = QRectF(Layout::TableRect).adjusted(-1.5, -1.5, 1.5, 1.5);
    painter.setPen(QPen(QColor(96, 98, 104), 1.0));
    painter.setBrush(QColor(0, 0, 0));
    painter.drawRoundedRect(well, 2, 2);
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    painter.drawLine(QPointF(well.left() + 2, well.top() - 1),
                     QPointF(well.right() - 2, well.top() - 1));
    painter.restore();
}

void paintHint(QPainter &painter)
{
    painter.save();
    painter.setFont(SkinPalette::font(HintPixelSize));
    painter.setPen(SkinPalette::textDim());
    painter.drawText(Layout::HintRect, Qt::AlignLeft | Qt::AlignVCenter, Layout::hint());
    painter.restore();
}

} // namespace

void ProfileViewArt::paint(QPainter &painter, Face face)
{
    ButtonPageArt::paint(painter, Layout::page(), face);
    paintWell(painter);
    paintHint(painter);
}

bool ProfileViewArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    const Face faces[] = {Face::Normal, Face::Over, Face::Down, Face::Disable, Face::Active};
    for (const Face face : faces) {
        const auto painting = [face](QPainter &painter) { paint(painter, face); };
        if (!ScaledPicture::writeAll(folder, skinName(face), Layout::page().size, painting, failed))
            return false;
    }
    return true;
}

} // namespace orvex::artwork
