// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexNumberFieldAccessible.h"

#include "WexNumberTextField.h"

namespace orvex {

WexNumberFieldAccessible::WexNumberFieldAccessible(WexNumberTextField *field)
    : QAccessibleWidget(field, QAccessible::SpinBox)
{
}

WexNumberTextField *WexNumberFieldAccessible::field() const
{
    return static_cast<WexNumberTextField *>(widget());
}

void *WexNumberFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State WexNumberFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = field()->isEditable();
    state.readOnly = !field()->isEditable();
    return state;
}

QString WexNumberFieldAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return QString::number(field()->intValue());
    if (kind == QAccessible::Name && field()->accessibleName().isEmpty())
        return field()->toolTip();
    return QAccessibleWidget::text(kind);
}

QVariant WexNumberFieldAccessible::currentValue() const
{
    return field()->intValue();
}

void WexNumberFieldAccessible::setCurrentValue(const QVariant &value)
{
    if (!field()->isEditable() || !field()->isEnabled())
        return;
    field()->setIntValue(value.toInt());
    // An assistive technology's change counts as the user's.
    Q_EMIT field()->textEdited(field()->text());
}

QVariant WexNumberFieldAccessible::maximumValue() const
{
    return field()->maxNum();
}

QVariant WexNumberFieldAccessible::minimumValue() const
{
    return field()->minNum();
}

QVariant WexNumberFieldAccessible::minimumStepSize() const
{
    return 1;
}

} // namespace orvex
