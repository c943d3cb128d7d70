// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexImageViewAccessible.h"

#include "WexImageView.h"

namespace orvex {

WexImageViewAccessible::WexImageViewAccessible(WexImageView *view)
    : QAccessibleWidget(view, QAccessible::Graphic)
{
}

QString WexImageViewAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
        return widget()->toolTip();
    return QAccessibleWidget::text(kind);
}

QAccessible::State WexImageViewAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.animated = static_cast<WexImageView *>(widget())->isAnimated();
    return state;
}

} // namespace orvex
