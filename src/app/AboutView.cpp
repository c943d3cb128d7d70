// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutView.h"

#include "ApplicationIdentity.h"
#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexUiAction.h"
#include "skin/SkinPainter.h"
#include "skin/SkinPalette.h"

#include <QLabel>
#include <QPainter>

namespace orvex {

namespace {

constexpr int TextPixelSize = 14;
constexpr int SitePixelSize = 12;

QString title()
{
    return QStringLiteral("About %1").arg(QLatin1String(ApplicationIdentity::DisplayName));
}

} // namespace

AboutView::AboutView(const QRect &frame, QWidget *parent) : KeltoImageView(frame, parent)
{
    setAccessibleName(title());
    setAccessibleDescription(lines().join(QLatin1Char('\n')));
}

QStringList AboutView::lines()
{
    return {QStringLiteral("%1 mouse configuration (%2)")
                .arg(QLatin1String(ApplicationIdentity::DisplayName),
                     QLatin1String(ApplicationIdentity::ProgramName)),
            QStringLiteral("Version %1").arg(ApplicationIdentity::version()),
            QStringLiteral("Licence: %1").arg(QLatin1String(ApplicationIdentity::Licence))};
}

QRect AboutView::okRect() const
{
    return QRect(
        QPoint(width() - Margin - ButtonSize.width(), frmHeight() - Margin - ButtonSize.height()),
        ButtonSize);
}

QRect AboutView::siteRect() const
{
    return QRect(QPoint(Margin, okRect().top()), SiteButtonSize);
}

QRect AboutView::textRect() const
{
    const int top = TitleHeight + Margin;
    return QRect(Margin, top, width() - 2 * Margin, okRect().top() - Margin - top);
}

QImage AboutView::renderSkin(int face) const
{
    const auto state = SkinPainter::Face(face);
    QImage skin = SkinPainter::blankImage(QSize(width(), frmHeight()));
    QPainter painter(&skin);
    SkinPainter::paintWindowBackground(painter, skin.rect());
    SkinPainter::paintTitleStrip(painter, QRect(0, 0, width(), TitleHeight), title());
    SkinPainter::paintCarbonPanel(painter, textRect());
    SkinPainter::paintButtonFace(painter, okRect(), state, QStringLiteral("OK"));
    SkinPainter::paintButtonFace(painter, siteRect(), state,
                                 QLatin1String(ApplicationIdentity::WebSite), SitePixelSize);
    return skin;
}

void AboutView::initData()
{
    setBgImage(renderSkin(int(SkinPainter::Face::Normal)));
    setOverImage(renderSkin(int(SkinPainter::Face::Over)));
    setDownImage(renderSkin(int(SkinPainter::Face::Down)));
    setDisableImage(renderSkin(int(SkinPainter::Face::Disable)));
}

void AboutView::initControls()
{
    m_text = new QLabel(lines().join(QLatin1Char('\n')), this);
    m_text->setGeometry(textRect().adjusted(Margin, 0, -Margin, 0));
    m_text->setFont(SkinPalette::font(TextPixelSize));
    m_text->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }")
                              .arg(SkinPalette::text().name()));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_okBtn = OrvexWidgetFactory::AddButton(
        okRect(),
        [this](WexButton *) {
            if (auto *frame = qobject_cast<WexNoTitleWindow *>(window()))
                frame->stopModal(1);
        },
        {}, this);
    m_okBtn->setAccessibleName(QStringLiteral("OK"));
    m_webSiteBtn = OrvexWidgetFactory::AddButton(
        siteRect(),
        [](WexButton *) { WexUiAction::openPage(QLatin1String(ApplicationIdentity::WebSite)); }, {},
        this);
    m_webSiteBtn->setAccessibleName(QLatin1String(ApplicationIdentity::WebSite));
}

} // namespace orvex
