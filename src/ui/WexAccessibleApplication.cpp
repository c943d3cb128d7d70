// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexAccessibleApplication.h"

#include <QApplication>
#include <QWidget>

namespace orvex {

QList<QWidget *> WexAccessibleApplication::visiblePopups()
{
    QList<QWidget *> popups;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() == Qt::Popup && widget->isVisible())
            popups.append(widget);
    }
    return popups;
}

int WexAccessibleApplication::childCount() const
{
    return QAccessibleApplication::childCount() + int(visiblePopups().size());
}

QAccessibleInterface *WexAccessibleApplication::child(int index) const
{
    const int windows = QAccessibleApplication::childCount();
    if (index < windows)
        return QAccessibleApplication::child(index);
    const QList<QWidget *> popups = visiblePopups();
    const int popup = index - windows;
    if (popup < 0 || popup >= popups.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(popups.at(popup));
}

int WexAccessibleApplication::indexOfChild(const QAccessibleInterface *child) const
{
    const int index = QAccessibleApplication::indexOfChild(child);
    if (index >= 0 || !child)
        return index;
    const int popup = int(visiblePopups().indexOf(qobject_cast<QWidget *>(child->object())));
    return popup < 0 ? -1 : QAccessibleApplication::childCount() + popup;
}

} // namespace orvex
