// SPDX-License-Identifier: GPL-3.0-or-later
#include "PagePlaceholderView.h"

#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "skin/SkinPainter.h"

#include <QPainter>

namespace orvex {

namespace {

constexpr char CloseCaption[] = "Close page";

} // namespace

PagePlaceholderView::PagePlaceholderView(const QRect &frame, QWidget *parent, const QString &title)
    : KeltoImageView(frame, parent), m_title(title)
{
    setAccessibleName(title);
}

QRect PagePlaceholderView::closeRect() const
{
    return QRect(QPoint(width() - Margin - CloseButtonSize.width(),
                        frmHeight() - Margin - CloseButtonSize.height()),
                 CloseButtonSize);
}

QImage PagePlaceholderView::renderSkin(int face) const
{
    QImage skin = SkinPainter::blankImage(QSize(width(), frmHeight()));
    QPainter painter(&skin);
    SkinPainter::paintWindowBackground(painter, skin.rect());
    SkinPainter::paintTitleStrip(painter, QRect(0, 0, width(), TitleHeight), m_title);
    SkinPainter::paintCarbonPanel(painter, QRect(Margin, TitleHeight + Margin, width() - 2 * Margin,
                                                 closeRect().top() - TitleHeight - 2 * Margin));
    SkinPainter::paintButtonFace(painter, closeRect(), SkinPainter::Face(face),
                                 QLatin1String(CloseCaption));
    return skin;
}

void PagePlaceholderView::initData()
{
    setBgImage(renderSkin(int(SkinPainter::Face::Normal)));
    setOverImage(renderSkin(int(SkinPainter::Face::Over)));
    setDownImage(renderSkin(int(SkinPainter::Face::Down)));
    setDisableImage(renderSkin(int(SkinPainter::Face::Disable)));
}

void PagePlaceholderView::initControls()
{
    // Closing the window ends a modal run as well as a modal session.
    m_closeBtn = OrvexWidgetFactory::AddButton(
        closeRect(), [this](WexButton *) { window()->close(); }, {}, this);
    m_closeBtn->setAccessibleName(QLatin1String(CloseCaption));
}

} // namespace orvex
