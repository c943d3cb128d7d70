// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace orvex {

class WexButton;

// A skinned button as assistive technologies see it: a push button, a check
// box, an item of a step selector (a radio button) or a button that opens a
// pick list, with its checked state and one action that clicks it.
class WexButtonAccessible : public QAccessibleWidget
{
public:
    explicit WexButtonAccessible(WexButton *button);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    WexButton *button() const;
    QString pickButtonText(QAccessible::Text kind) const;
};

} // namespace orvex
