// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

namespace orvex {

class RigthMouseTBDelegate;
class WexBtnDelege;

// The macro editor's step table. Every mouse-button press and release on it
// is reported to its WexBtnDelege with the codes the skinned buttons use
// (4/5 left, 6/7 right, 8/9 other, press/release), so one handler records
// the clicks of either. Then, unless the table captures mouse events (the
// editor records clicks), the event goes on: left presses and releases and
// right releases to the table's own handling; a right press to the page
// that holds the table, whose context menu opens; another button's press or
// release ends whatever the table's press began, as a release does.
//
// It asks its table delegate whether a cell's editing may begin and end, and
// takes the keyboard focus on every click.
class RigthMouseTBView : public QTableView
{
    Q_OBJECT
public:
    explicit RigthMouseTBView(QWidget *parent = nullptr);
    using QTableView::edit;

    // Not owned; must outlive the table or be cleared first.
    void setWexBtnDelege(WexBtnDelege *delegate) { m_wexBtnDelege = delegate; }
    WexBtnDelege *wexBtnDelege() const { return m_wexBtnDelege; }
    void setTableDelegate(RigthMouseTBDelegate *delegate) { m_tableDelegate = delegate; }
    RigthMouseTBDelegate *tableDelegate() const { return m_tableDelegate; }
    // Set: mouse-button events stop at the table once reported.
    void setIsCaptureMouseEvent(bool capture) { m_isCaptureMouseEvent = capture; }
    bool isCaptureMouseEvent() const { return m_isCaptureMouseEvent; }

    // Reports `event` to the WexBtnDelege, if any, with the code `type`.
    void sendMouseMove(QEvent *event, int type);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double click is a press like the first.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void press(QMouseEvent *event, bool second);
    // Hands a right press to the page that holds the table.
    void passToPage(QMouseEvent *event);

    WexBtnDelege *m_wexBtnDelege = nullptr;
    RigthMouseTBDelegate *m_tableDelegate = nullptr;
    bool m_isCaptureMouseEvent = false;
    QPersistentModelIndex m_editingIndex;
    bool m_endRefused = false;
    bool m_inDoubleClick = false;
};

} // namespace orvex
