// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace orvex {

class WexImageView;

// A picture as assistive technologies see it: a graphic named by the window
// (setAccessibleName), else by its tooltip.
class WexImageViewAccessible : public QAccessibleWidget
{
public:
    explicit WexImageViewAccessible(WexImageView *view);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
};

} // namespace orvex
