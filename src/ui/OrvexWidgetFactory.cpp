// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrvexWidgetFactory.h"

#include "KeltoImageView.h"
#include "LoadingOverlay.h"
#include "PopDialogLayout.h"
#include "PopDialogView.h"
#include "WexMenulist.h"
#include "WexTextField.h"
#include "platform/WexLogger.h"

#include <QPainter>

namespace orvex {

namespace {

constexpr char TextFontFamily[] = "Arial";

void styleTextField(WexTextField *field)
{
    field->setBackgroundColor(Qt::transparent);
    field->setTextColor(Qt::white);
}

} // namespace

WexTextField *OrvexWidgetFactory::AddTextField(const QRect &rect, QWidget *parView)
{
    auto *field = new WexTextField(parView);
    field->setGeometry(rect);
    field->setBordered(true);
    field->setEditable(true);
    styleTextField(field);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font(QString::fromLatin1(TextFontFamily));
    font.setPixelSize(TextPixelSize);
    field->setFont(font);
    field->show();
    return field;
}

WexTextField *OrvexWidgetFactory::AddLabTextField(const QRect &rect, QWidget *parView)
{
    WexTextField *field = AddTextField(rect, parView);
    field->setEditable(false);
    field->setBordered(false);
    styleTextField(field);
    return field;
}

WexNumberTextField *OrvexWidgetFactory::AddNumTextField(const QRect &rect, QWidget *parView,
                                                        int maxNum, int minNum, int maxLen,
                                                        bool hasNeg,
                                                        WexNumberTextField::Action onNumTextChange)
{
    auto *field = new WexNumberTextField(parView);
    field->setGeometry(rect);
    field->setBordered(false);
    field->setEditable(true);
    styleTextField(field);
    field->setAction(std::move(onNumTextChange));
    field->setMaxNum(maxNum);
    field->setMinNum(minNum);
    field->setMaxLenth(maxLen);
    field->setHasNegative(hasNeg);
    field->resetFormat();
    field->show();
    return field;
}

QImage OrvexWidgetFactory::GetImageFromRect(const QImage &source, const QRect &rect)
{
    if (source.isNull() || rect.isEmpty())
        return {};
    // `rect` is in units; a skin for a scaled screen has `ratio` pixels per
    // unit, and its slice keeps that ratio so it is drawn at the same size.
    const qreal ratio = source.devicePixelRatio();
    const QRect pixels(qRound(rect.x() * ratio), qRound(rect.y() * ratio),
                       qRound(rect.width() * ratio), qRound(rect.height() * ratio));
    QImage slice(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    slice.fill(Qt::transparent);
    QPainter painter(&slice);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setOpacity(1.0);
    painter.drawImage(QRect(QPoint(0, 0), pixels.size()), source, pixels);
    painter.end();
    slice.setDevicePixelRatio(ratio);
    return slice;
}

WexButton *OrvexWidgetFactory::AddButton(const QRect &rect, WexButton::Action action,
                                         WexButton::Action rightAction, KeltoImageView *parView)
{
    auto *button = new WexButton(parView);
    button->setGeometry(rect);
    if (parView) {
        button->setNormalImage(GetImageFromRect(parView->bgImage(), rect));
        button->setHoverImage(GetImageFromRect(parView->overImage(), rect));
        button->setHightImage(GetImageFromRect(parView->downImage(), rect));
        button->setDisableImage(GetImageFromRect(parView->disableImage(), rect));
    }
    QFont font = button->font();
    font.setPixelSize(ButtonTitlePixelSize);
    button->setBtnFont(font);
    button->setBtnTextAlignment(Qt::AlignCenter);
    button->setAction(std::move(action));
    button->setRightAction(std::move(rightAction));
    button->show();
    return button;
}

WexButton *OrvexWidgetFactory::AddCheckBox(const QRect &rect, WexButton::Action action,
                                           WexButton::Action rightAction, KeltoImageView *parView)
{
    WexButton *button = AddButton(rect, std::move(action), std::move(rightAction), parView);
    button->setIsCheckBox(true);
    return button;
}

WexProgressBar *OrvexWidgetFactory::AddProBar(const QRect &rect, WexProgressBar::Action action,
                                              KeltoImageView *parView, const QImage &sliderImg,
                                              int maxV, int minV)
{
    auto *bar = new WexProgressBar(parView);
    bar->setGeometry(rect);
    bar->setBarStyle(WexProgressBar::StyleSlider);
    if (parView) {
        const QImage slice = GetImageFromRect(parView->bgImage(), rect);
        bar->setBgImage(slice);
        bar->setOverImage(slice);
    }
    bar->setIndicateImage(sliderImg);
    bar->setChangeAction(std::move(action));
    bar->setMinValue(double(minV));
    bar->setMaxValue(double(maxV));
    bar->show();
    return bar;
}

void OrvexWidgetFactory::showMenulistWithBtn(const QWidget *view, WexMenulist *list)
{
    if (!view || !list)
        return;
    list->showMenulist(view->mapToGlobal(QPoint(0, view->height())));
}

bool OrvexWidgetFactory::showPopView(const QString &name, const QSize &frameSize,
                                     const QPoint &okBtnOrg, const QPoint &cancelBtnOrg)
{
    return PopDialogView::showPopView(name, frameSize, okBtnOrg, cancelBtnOrg);
}

bool OrvexWidgetFactory::showPopView(const QString &name)
{
    const PopDialogLayout *layout = PopDialogLayout::find(name);
    if (!layout) {
        ORVEX_WARNING(QStringLiteral("No dialog is named %1").arg(name));
        return false;
    }
    return showPopView(name, layout->size, layout->okOrigin, layout->cancelOrigin);
}

void OrvexWidgetFactory::showLoadViewPro()
{
    LoadingOverlay::showLoadViewPro();
}

void OrvexWidgetFactory::hideLoadViewPro()
{
    LoadingOverlay::hideLoadViewPro();
}

} // namespace orvex
