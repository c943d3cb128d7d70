// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QModelIndex>
#include <QString>

namespace orvex {

class RigthMouseTBView;

// What the macro editor's step table asks its owner about editing a cell.
// An owner that does not care keeps the answers below: editing may begin
// and end.
class RigthMouseTBDelegate
{
public:
    virtual ~RigthMouseTBDelegate() = default;
    virtual bool textShouldBeginEditing(RigthMouseTBView *table, const QModelIndex &index)
    {
        (void)table;
        (void)index;
        return true;
    }
    // `text` is what the cell's editor holds; false keeps it open.
    virtual bool textShouldEndEditing(RigthMouseTBView *table, const QModelIndex &index,
                                      const QString &text)
    {
        (void)table;
        (void)index;
        (void)text;
        return true;
    }
};

} // namespace orvex
