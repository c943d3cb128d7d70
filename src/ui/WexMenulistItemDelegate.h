// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace orvex {

class WexMenulist;

// Paints the rows of a pick list in its colours: the highlighted row in the
// selected colours, a separator line under entries that ask for one.
class WexMenulistItemDelegate : public QStyledItemDelegate
{
public:
    explicit WexMenulistItemDelegate(WexMenulist *menulist);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    WexMenulist *m_menulist;
};

} // namespace orvex
