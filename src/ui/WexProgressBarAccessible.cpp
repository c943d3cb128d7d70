// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexProgressBarAccessible.h"

#include "WexProgressBar.h"

namespace orvex {

WexProgressBarAccessible::WexProgressBarAccessible(WexProgressBar *bar)
    : QAccessibleWidget(bar, QAccessible::Slider)
{
}

WexProgressBar *WexProgressBarAccessible::bar() const
{
    return static_cast<WexProgressBar *>(widget());
}

void *WexProgressBarAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::Role WexProgressBarAccessible::role() const
{
    return bar()->barStyle() == WexProgressBar::StyleSlider ? QAccessible::Slider
                                                            : QAccessible::ProgressBar;
}

QString WexProgressBarAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return QString::number(bar()->currentPos());
    if (kind == QAccessible::Name && bar()->accessibleName().isEmpty())
        return bar()->toolTip();
    return QAccessibleWidget::text(kind);
}

QVariant WexProgressBarAccessible::currentValue() const
{
    return bar()->currentPos();
}

void WexProgressBarAccessible::setCurrentValue(const QVariant &value)
{
    if (bar()->barStyle() != WexProgressBar::StyleSlider || !bar()->isEnabled())
        return;
    // As the user's own move, so the page hears of it.
    bar()->moveByUser(value.toDouble());
}

QVariant WexProgressBarAccessible::maximumValue() const
{
    return bar()->maxValue();
}

QVariant WexProgressBarAccessible::minimumValue() const
{
    return bar()->minValue();
}

QVariant WexProgressBarAccessible::minimumStepSize() const
{
    return 1;
}

} // namespace orvex
