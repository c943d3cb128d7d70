// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace orvex {

class WexNumberTextField;

// A number field as a spin box: its value, range and step can be read and
// the value set through the accessibility value interface.
class WexNumberFieldAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit WexNumberFieldAccessible(WexNumberTextField *field);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    WexNumberTextField *field() const;
};

} // namespace orvex
