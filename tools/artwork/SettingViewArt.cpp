// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingViewArt.h"

#include "PageFrameArt.h"
#include "ScaledPicture.h"
#include "SettingViewLayout.h"
#include "SkinPalette.h"

#include <QFileInfo>
#include <QPainter>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;
using Kind = SettingViewLayout::Kind;
using View = SettingViewLayout::View;
using Control = SettingViewLayout::Control;

constexpr quint32 MetalSeed = 23;
constexpr int AccentLine = 2;
constexpr int PanelTitleHeight = 22;
constexpr int PanelInset = 14;
constexpr int FooterTop = 608;
constexpr int CaptionPixelSize = 13;
constexpr int RowLabelPixelSize = 12;
constexpr int EndLabelPixelSize = 9;

QString skinName(const char *normalName, Face face)
{
    const QString normal = QLatin1String(normalName);
    return QStringLiteral("%1_%2.%3")
        .arg(normal.section(u'_', 0, 0), SkinPainter::faceName(face), QFileInfo(normal).suffix());
}

void paintHeader(QPainter &painter)
{
    PageFrameArt::paintHeaderStrip(painter, SettingViewLayout::ViewSize.width(),
                                   SettingViewLayout::DragHeight);
    PageFrameArt::paintHeading(
        painter, {QRect(24, 14, 5, 24),
                  {20, QRect(38, 10, 400, 32), QStringLiteral("PERFORMANCE")},
                  {9, QRect(39, 38, 500, 14),
                   QStringLiteral("RESOLUTION  \u00B7  REPORT RATE  \u00B7  POINTER")}});
}

void paintPanels(QPainter &painter)
{
    for (const SettingViewLayout::Panel &panel : SettingViewLayout::panels()) {
        SkinPainter::paintCarbonPanel(painter, panel.rect);
        PageFrameArt::paintLabel(
            painter,
            QRect(panel.rect.left() + PanelInset, panel.rect.top() + 6, 240, PanelTitleHeight - 6),
            panel.title);
    }
    // The desktop settings act on the whole desktop, not only on this mouse.
    const QRect desktop = SettingViewLayout::panels().last().rect;
    painter.save();
    painter.setFont(SkinPalette::font(10));
    painter.setPen(SkinPalette::textDim());
    painter.drawText(QRect(desktop.right() - 320, desktop.top() + 6, 320 - PanelInset, 16),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Applied to the desktop at once"));
    painter.restore();
}

void paintEndLabel(QPainter &painter, const QRect &rect, Qt::Alignment alignment,
                   const QString &text)
{
    QFont font = SkinPalette::font(EndLabelPixelSize, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    painter.setFont(font);
    painter.setPen(SkinPalette::textDim());
    painter.drawText(rect, int(alignment | Qt::AlignVCenter), text.toUpper());
}

// The four resolution levels, marked where the thumb stops.
void paintLevelMarks(QPainter &painter, const Control &slider)
{
    for (int level = slider.minimum; level <= slider.maximum; ++level) {
        const int x = SettingViewLayout::levelMark(level);
        painter.setPen(QColor(255, 255, 255, 60));
        painter.drawLine(x, slider.rect.bottom() - 3, x, slider.rect.bottom());
        paintEndLabel(
            painter,
            QRect(x - 10, slider.rect.bottom() + 1, 20, SettingViewLayout::TrackEndLabelHeight),
            Qt::AlignHCenter, QString::number(level + 1));
    }
}

void paintSlider(QPainter &painter, const Control &slider, Face face)
{
    SkinPainter::paintSliderTrack(painter, slider.rect, face == Face::Active);
    painter.save();
    painter.setFont(SkinPalette::font(RowLabelPixelSize, true));
    painter.setPen(SkinPalette::text());
    const QRect label = SettingViewLayout::rowLabel(slider);
    if (label.width() > 0)
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, slider.caption);
    if (slider.field == QLatin1String("dpiLevelPro"))
        paintLevelMarks(painter, slider);
    const SettingViewLayout::TrackEnds ends = SettingViewLayout::trackEnds(slider);
    if (!ends.low.isEmpty()) {
        paintEndLabel(painter, SettingViewLayout::lowEndRect(slider),
                      ends.beside ? Qt::AlignRight : Qt::AlignLeft, ends.low);
        paintEndLabel(painter, SettingViewLayout::highEndRect(slider),
                      ends.beside ? Qt::AlignLeft : Qt::AlignRight, ends.high);
    }
    painter.restore();
}

// The field's text is drawn at run time; the skin gives it a sunken box and
// the unit after it.
void paintNumberField(QPainter &painter, const Control &field)
{
    const QRect box = SettingViewLayout::fieldBox(field);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(96, 98, 104), 1.0));
    painter.setBrush(QColor(10, 10, 12));
    painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(SkinPalette::font(RowLabelPixelSize, true));
    painter.setPen(SkinPalette::textDim().lighter(130));
    painter.drawText(QRect(box.right() + 8, box.top(), 40, box.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, field.caption);
    painter.restore();
}

void paintFaceControl(QPainter &painter, const Control &control, Face face)
{
    // Active carries the lit tracks only; the controls show their rest there.
    const Face shown = face == Face::Active ? Face::Normal : face;
    painter.save();
    painter.setClipRect(control.rect, Qt::IntersectClip);
    if (control.kind == Kind::CheckBox)
        SkinPainter::paintCheckBox(painter, control.rect, shown, false, control.caption);
    else
        SkinPainter::paintButtonFace(painter, control.rect, shown, control.caption,
                                     CaptionPixelSize);
    painter.restore();
}

void paintControl(QPainter &painter, const Control &control, Face face)
{
    switch (control.kind) {
    case Kind::Slider:
        paintSlider(painter, control, face);
        break;
    case Kind::NumberField:
        paintNumberField(painter, control);
        break;
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RateItem:
        paintFaceControl(painter, control, face);
        break;
    }
}

bool onJointRow(const Control &control)
{
    return control.field == QLatin1String("dpiPro") || control.field == QLatin1String("dpiTxt");
}

void paintFooter(QPainter &painter)
{
    const QSize size = SettingViewLayout::ViewSize;
    const QRect band(1, FooterTop, size.width() - 2, size.height() - FooterTop - 1);
    painter.fillRect(band, QColor(8, 8, 10, 210));
    painter.fillRect(QRect(band.left(), FooterTop, band.width(), AccentLine),
                     SkinPalette::accent());
}

} // namespace

void SettingViewArt::paint(QPainter &painter, Face face, ResolutionRows rows)
{
    const QRect window(QPoint(0, 0), SettingViewLayout::ViewSize);
    SkinPainter::paintWindowBackground(painter, window, MetalSeed);
    paintHeader(painter);
    paintPanels(painter);
    paintFooter(painter);
    for (const Control &control : SettingViewLayout::controlsOf(View::Page)) {
        if (rows == ResolutionRows::Separate && onJointRow(control))
            continue;
        paintControl(painter, control, face);
    }
    if (rows == ResolutionRows::Separate) {
        painter.save();
        painter.translate(SettingViewLayout::DpiViewRect.topLeft());
        for (const Control &control : SettingViewLayout::controlsOf(View::Dpi))
            paintControl(painter, control, face);
        painter.restore();
    }
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(window.adjusted(0, 0, -1, -1));
}

bool SettingViewArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    const Face pageFaces[] = {Face::Normal, Face::Over, Face::Down, Face::Disable, Face::Active};
    for (const Face face : pageFaces) {
        const auto painting = [face](QPainter &painter) {
            paint(painter, face, ResolutionRows::Joint);
        };
        if (!ScaledPicture::writeAll(folder, skinName(SettingViewLayout::SkinName, face),
                                     SettingViewLayout::ViewSize, painting, failed))
            return false;
    }
    const QRect dpiView = SettingViewLayout::DpiViewRect;
    for (const Face face : {Face::Normal, Face::Active}) {
        const auto painting = [face, dpiView](QPainter &painter) {
            painter.translate(-dpiView.topLeft());
            paint(painter, face, ResolutionRows::Separate);
        };
        if (!ScaledPicture::writeAll(folder, skinName(SettingViewLayout::DpiSkinName, face),
                                     dpiView.size(), painting, failed))
            return false;
    }
    return true;
}

} // namespace orvex::artwork
