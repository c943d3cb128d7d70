// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingDPIView.h"

#include "SettingDPIDelegate.h"
#include "SettingViewLayout.h"
#include "SettingWidgets.h"

namespace orvex {

SettingDPIView::SettingDPIView(const QRect &frame, QWidget *parent) : KeltoImageView(frame, parent)
{
    setObjectName(QStringLiteral("SettingDPIView"));
    setAccessibleName(QStringLiteral("Separate X and Y resolution"));
}

void SettingDPIView::initData()
{
    setImageByName(QLatin1String(SettingViewLayout::DpiSkinName));
}

void SettingDPIView::initControls()
{
    const auto slide = [this](WexProgressBar *sender) { progessBarAction(sender); };
    const auto type = [this](WexNumberTextField *sender) { onNumTextChange(sender); };
    const auto entry = [](const char *field) {
        return *SettingViewLayout::byField(QLatin1String(field));
    };
    // Created row by row, so the keyboard goes X, its field, Y, its field.
    m_dpiXPro = SettingWidgets::addSlider(this, entry("dpiXPro"), slide);
    m_dpiXTxt = SettingWidgets::addNumberField(
        this, entry("dpiXTxt"), SettingWidgets::fieldName(QStringLiteral("dpiXPro")), type);
    m_dpiYPro = SettingWidgets::addSlider(this, entry("dpiYPro"), slide);
    m_dpiYTxt = SettingWidgets::addNumberField(
        this, entry("dpiYTxt"), SettingWidgets::fieldName(QStringLiteral("dpiYPro")), type);
}

void SettingDPIView::progessBarAction(WexProgressBar *sender)
{
    if (m_dpiDelegate)
        m_dpiDelegate->progessBarAction(sender);
}

void SettingDPIView::onNumTextChange(WexNumberTextField *sender)
{
    if (m_dpiDelegate)
        m_dpiDelegate->onNumTextChange(sender);
}

} // namespace orvex
