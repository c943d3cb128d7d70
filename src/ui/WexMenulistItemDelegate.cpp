// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexMenulistItemDelegate.h"

#include "WexMenulist.h"

#include <QPainter>

namespace orvex {

namespace {

constexpr int CaptionInset = 6;

} // namespace

WexMenulistItemDelegate::WexMenulistItemDelegate(WexMenulist *menulist)
    : QStyledItemDelegate(menulist), m_menulist(menulist)
{
}

void WexMenulistItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                    const QModelIndex &index) const
{
    const bool highlighted = option.state.testFlag(QStyle::State_Selected) ||
                             option.state.testFlag(QStyle::State_MouseOver);
    painter->save();
    painter->fillRect(option.rect, highlighted ? m_menulist->selBgColor() : m_menulist->bgColor());
    painter->setFont(m_menulist->textFont());
    painter->setPen(highlighted ? m_menulist->selFontColor() : m_menulist->fontColor());
    const QRect textRect = option.rect.adjusted(CaptionInset, 0, -CaptionInset, 0);
    const QString caption = painter->fontMetrics().elidedText(
        index.data(Qt::DisplayRole).toString(), Qt::ElideRight, textRect.width());
    painter->drawText(textRect, int(m_menulist->menulistAtt().qtAlignment()), caption);
    if (m_menulist->rowNeedsSeparator(index.row())) {
        painter->setPen(m_menulist->sepreColor());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    }
    painter->restore();
}

QSize WexMenulistItemDelegate::sizeHint(const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    (void)index;
    return QSize(option.rect.width(), WexMenulist::RowHeight);
}

} // namespace orvex
