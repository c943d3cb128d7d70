// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace orvex {

class WexProgressBar;

// A picture slider as assistive technologies see it: a slider (or a progress
// bar in the plain style) whose value can be read and, for a slider, set.
class WexProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit WexProgressBarAccessible(WexProgressBar *bar);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    WexProgressBar *bar() const;
};

} // namespace orvex
