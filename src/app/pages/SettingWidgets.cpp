// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingWidgets.h"

#include "KeltoImageView.h"
#include "OrvexWidgetFactory.h"

namespace orvex {

namespace {

constexpr int FieldPixelSize = 13;
constexpr int MaxDpi = 8200;
constexpr int MinDpi = 50;
constexpr int DpiDigits = 4;

} // namespace

WexProgressBar *SettingWidgets::addSlider(KeltoImageView *view,
                                          const SettingViewLayout::Control &entry,
                                          WexProgressBar::Action action)
{
    const bool level = entry.field == QLatin1String("dpiLevelPro");
    const QImage thumb = KeltoImageView::loadImage(
        QLatin1String(level ? SettingViewLayout::LevelThumb : SettingViewLayout::RoundThumb));
    WexProgressBar *slider = OrvexWidgetFactory::AddProBar(entry.rect, std::move(action), view,
                                                           thumb, entry.maximum, entry.minimum);
    slider->setTag(entry.tag);
    slider->setObjectName(entry.field);
    slider->setOverImage(OrvexWidgetFactory::GetImageFromRect(view->activeImage(), entry.rect));
    slider->setIsConImage(true);
    slider->setAccessibleName(entry.caption);
    return slider;
}

WexNumberTextField *SettingWidgets::addNumberField(KeltoImageView *view,
                                                   const SettingViewLayout::Control &entry,
                                                   const QString &name,
                                                   WexNumberTextField::Action action)
{
    WexNumberTextField *field = OrvexWidgetFactory::AddNumTextField(
        entry.rect, view, MaxDpi, MinDpi, DpiDigits, false, std::move(action));
    field->setObjectName(entry.field);
    QFont font = field->font();
    font.setPixelSize(FieldPixelSize);
    font.setBold(true);
    field->setFont(font);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setAccessibleName(name);
    return field;
}

QString SettingWidgets::fieldName(const QString &sliderField)
{
    const SettingViewLayout::Control *slider = SettingViewLayout::byField(sliderField);
    return slider ? slider->caption + QStringLiteral(" in DPI") : QString();
}

} // namespace orvex
