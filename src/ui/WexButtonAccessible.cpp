// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexButtonAccessible.h"

#include "WexButton.h"

namespace orvex {

WexButtonAccessible::WexButtonAccessible(WexButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

WexButton *WexButtonAccessible::button() const
{
    return static_cast<WexButton *>(widget());
}

QAccessible::Role WexButtonAccessible::role() const
{
    switch (button()->accessibleKind()) {
    case WexButton::Kind::CheckBox:
        return QAccessible::CheckBox;
    case WexButton::Kind::StepItem:
        return QAccessible::RadioButton;
    case WexButton::Kind::PickButton:
        return QAccessible::ButtonMenu;
    case WexButton::Kind::PushButton:
        break;
    }
    return QAccessible::Button;
}

QAccessible::State WexButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (button()->accessibleKind() == WexButton::Kind::PickButton) {
        state.hasPopup = true;
    } else if (button()->accessibleKind() != WexButton::Kind::PushButton) {
        state.checkable = true;
        state.checked = button()->Checked();
    } else {
        state.pressed = button()->currentState() == WexButton::State::Down;
    }
    return state;
}

QString WexButtonAccessible::text(QAccessible::Text kind) const
{
    if (button()->accessibleKind() == WexButton::Kind::PickButton)
        return pickButtonText(kind);
    if (kind == QAccessible::Name)
        return button()->accessibleLabel();
    if (kind == QAccessible::Description) {
        const QString tip = button()->toolTip();
        if (!tip.isEmpty() && tip != button()->accessibleLabel())
            return tip;
        return button()->accessibleDescription();
    }
    return QAccessibleWidget::text(kind);
}

// A pick button is named for what it chooses; the entry chosen, its title,
// is read after the name as its description and is its value.
QString WexButtonAccessible::pickButtonText(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Name:
        return button()->accessibleName().isEmpty() ? button()->accessibleLabel()
                                                    : button()->accessibleName();
    case QAccessible::Value:
        return button()->title();
    case QAccessible::Description:
        if (!button()->title().isEmpty())
            return button()->title();
        return button()->toolTip().isEmpty() ? button()->accessibleDescription()
                                             : button()->toolTip();
    default:
        return QAccessibleWidget::text(kind);
    }
}

QStringList WexButtonAccessible::actionNames() const
{
    if (!button()->isEnabled())
        return {};
    if (button()->accessibleKind() == WexButton::Kind::PushButton ||
        button()->accessibleKind() == WexButton::Kind::PickButton)
        return {pressAction()};
    return {toggleAction()};
}

void WexButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() || actionName == toggleAction())
        button()->performClick();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList WexButtonAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction() || actionName == toggleAction())
        return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace orvex
