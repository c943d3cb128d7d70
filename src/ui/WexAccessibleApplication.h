// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleObject>
#include <QList>

class QWidget;

namespace orvex {

// The application as assistive technologies see it. Qt leaves pop-up windows
// (the pick lists, menus) out of the application's children, so a screen
// reader or UI automation walking the tree from the application never finds
// their entries; here the visible pop-ups follow the other windows.
class WexAccessibleApplication : public QAccessibleApplication
{
public:
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    static QList<QWidget *> visiblePopups();
};

} // namespace orvex
