// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogArt.h"

#include "ScaledPicture.h"
#include "SkinPalette.h"

#include <QPainter>
#include <QPainterPath>

namespace orvex::artwork {

namespace {

constexpr int ButtonWidth = 92;
constexpr int ButtonHeight = 26;
constexpr int SignSize = 40;
constexpr int MessagePixelSize = 15;
constexpr int PanelGap = 10;

// A question (with Cancel) gets a red warning triangle, a notice an "i".
void paintSign(QPainter &painter, const QRect &box, bool warning)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (warning) {
        QPainterPath triangle;
        triangle.moveTo(box.center().x(), box.top() + 2);
        triangle.lineTo(box.right() - 1, box.bottom() - 3);
        triangle.lineTo(box.left() + 1, box.bottom() - 3);
        triangle.closeSubpath();
        painter.setPen(
            QPen(SkinPalette::accentBright(), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(SkinPalette::accent());
        painter.drawPath(triangle);
        painter.setPen(SkinPalette::text());
        painter.setFont(SkinPalette::font(22, true));
        painter.drawText(box.adjusted(0, 8, 0, 0), Qt::AlignCenter, QStringLiteral("!"));
    } else {
        painter.setPen(QPen(SkinPalette::accentBright(), 2.0));
        painter.setBrush(QColor(30, 30, 34));
        painter.drawEllipse(QRectF(box).adjusted(2, 2, -2, -2));
        painter.setPen(SkinPalette::text());
        painter.setFont(SkinPalette::font(22, true));
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("i"));
    }
    painter.restore();
}

} // namespace

void DialogArt::paint(QPainter &painter, const PopDialogLayout &dialog, SkinPainter::Face face)
{
    SkinPainter::paintWindowBackground(painter, QRect(QPoint(0, 0), dialog.size), 3);
    SkinPainter::paintTitleStrip(painter, QRect(0, 0, dialog.size.width(), TitleHeight),
                                 dialog.title);
    const int panelBottom = dialog.okOrigin.y() - PanelGap;
    const QRect panel(Margin, TitleHeight + PanelGap, dialog.size.width() - 2 * Margin,
                      panelBottom - TitleHeight - PanelGap);
    SkinPainter::paintCarbonPanel(painter, panel);
    const QRect sign(panel.left() + Margin, panel.center().y() - SignSize / 2, SignSize, SignSize);
    paintSign(painter, sign, dialog.hasCancel());
    const QRect text(sign.right() + Margin, panel.top() + 4,
                     panel.right() - sign.right() - 2 * Margin, panel.height() - 8);
    SkinPainter::paintMessage(painter, text, dialog.message, MessagePixelSize);
    SkinPainter::paintButtonFace(painter, QRect(dialog.okOrigin, QSize(ButtonWidth, ButtonHeight)),
                                 face, QStringLiteral("OK"));
    if (dialog.hasCancel()) {
        SkinPainter::paintButtonFace(painter,
                                     QRect(dialog.cancelOrigin, QSize(ButtonWidth, ButtonHeight)),
                                     face, QStringLiteral("Cancel"));
    }
}

bool DialogArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    const SkinPainter::Face faces[] = {SkinPainter::Face::Normal, SkinPainter::Face::Over,
                                       SkinPainter::Face::Down};
    for (const PopDialogLayout &dialog : PopDialogLayout::all()) {
        for (const SkinPainter::Face face : faces) {
            const QString name =
                QStringLiteral("%1_%2.png").arg(dialog.name, SkinPainter::faceName(face));
            const auto painting = [&dialog, face](QPainter &painter) {
                paint(painter, dialog, face);
            };
            if (!ScaledPicture::writeAll(folder, name, dialog.size, painting, failed))
                return false;
        }
    }
    return true;
}

} // namespace orvex::artwork
