// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WexMenulistAtt.h"
#include "platform/WexTreeNode.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QList>

class QListWidget;

namespace orvex {

class WexMenulistDelegate;

// A pop-up pick list over the children of one tree node: one row per child,
// showing its entry's caption. Choosing a row closes the list and calls the
// delegate with that child node; Escape or a click elsewhere closes it
// without a choice. Rows are read from the node each time the list is
// shown, so the owner may rebuild the tree between showings.
class WexMenulist : public QFrame
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 20;
    // Longer lists scroll.
    static constexpr int MaxVisibleRows = 24;

    // A list over `node`'s children; `owner` (may be null) owns the list.
    static WexMenulist *menulistWithNode(const WexTreeNode::Ptr &node, QWidget *owner = nullptr);
    explicit WexMenulist(QWidget *owner = nullptr);

    void setMenuNode(const WexTreeNode::Ptr &node);
    WexTreeNode::Ptr menuNode() const { return m_node; }
    // Not owned; must outlive the list or be cleared first.
    void setDelegate(WexMenulistDelegate *delegate) { m_delegate = delegate; }
    WexMenulistDelegate *delegate() const { return m_delegate; }

    // Colours of the rows, the selected (highlighted) row, the inner border
    // and the line under entries that ask for a separator (an invalid colour:
    // no lines), and the caption font.
    void setMenulistFontColor(const QColor &fontColor, const QColor &bgColor,
                              const QColor &selFontColor, const QColor &selBgColor,
                              const QColor &borderColor, const QColor &sepreColor,
                              const QFont &textFont);
    WexMenulistAtt &menulistAtt() { return m_att; }
    const WexMenulistAtt &menulistAtt() const { return m_att; }

    // Shows the list with its top-left corner at `screenPoint`, moved as
    // little as needed to stay on the screen.
    void showMenulist(const QPoint &screenPoint);

    int rowCount() const { return int(m_rows.size()); }
    QString rowCaption(int row) const;
    // Chooses `row` as a click would; false when out of range.
    bool chooseRow(int row);

    QColor fontColor() const { return m_fontColor; }
    QColor bgColor() const { return m_bgColor; }
    QColor selFontColor() const { return m_selFontColor; }
    QColor selBgColor() const { return m_selBgColor; }
    QColor sepreColor() const { return m_sepreColor; }
    QFont textFont() const { return m_textFont; }
    bool rowNeedsSeparator(int row) const;
    QListWidget *listWidget() const { return m_list; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuildRows();
    void applyLook();

    WexTreeNode::Ptr m_node;
    QList<WexTreeNode::Ptr> m_rows;
    WexMenulistDelegate *m_delegate = nullptr;
    WexMenulistAtt m_att;
    QColor m_fontColor = Qt::white;
    QColor m_bgColor = QColor(57, 57, 57);
    QColor m_selFontColor = Qt::white;
    QColor m_selBgColor = QColor(125, 6, 8);
    QColor m_innerBorderColor = Qt::black;
    QColor m_sepreColor;
    QFont m_textFont;
    QListWidget *m_list = nullptr;
};

} // namespace orvex
