// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

namespace orvex {

// One picture dialog of the application: its name (the base of its three
// pictures), size, the top-left origins of its OK and Cancel buttons (a
// Cancel origin with a zero coordinate: no Cancel button), and the words its
// pictures carry. The artwork generator draws the pictures from this table,
// and the dialog gives the same words to assistive technologies.
class PopDialogLayout
{
public:
    QString name;
    QSize size;
    QPoint okOrigin;
    QPoint cancelOrigin;
    QString title;
    QString message;

    bool hasCancel() const { return cancelOrigin.x() != 0 && cancelOrigin.y() != 0; }

    static const QList<PopDialogLayout> &all();
    // The dialog of that name; null when there is none.
    static const PopDialogLayout *find(const QString &name);
};

} // namespace orvex
