// SPDX-License-Identifier: GPL-3.0-or-later
#include "RigthMouseTBView.h"

#include "RigthMouseTBDelegate.h"
#include "WexBtnDelege.h"

#include <QCoreApplication>
#include <QMetaProperty>
#include <QMouseEvent>

namespace orvex {

namespace {

// The text an editor holds: its user property (a line edit's text).
QString editorText(const QWidget *editor)
{
    const QMetaProperty property = editor->metaObject()->userProperty();
    return property.isValid() ? property.read(editor).toString() : QString();
}

} // namespace

RigthMouseTBView::RigthMouseTBView(QWidget *parent) : QTableView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void RigthMouseTBView::sendMouseMove(QEvent *event, int type)
{
    if (m_wexBtnDelege)
        m_wexBtnDelege->onMouseEvent(this, event, type);
}

void RigthMouseTBView::mousePressEvent(QMouseEvent *event)
{
    // A double click away from the cell the first press chose is handled by
    // the table as a press of its own; it was reported already.
    if (m_inDoubleClick) {
        QTableView::mousePressEvent(event);
        return;
    }
    press(event, false);
}

void RigthMouseTBView::mouseDoubleClickEvent(QMouseEvent *event)
{
    press(event, true);
}

void RigthMouseTBView::press(QMouseEvent *event, bool second)
{
    setFocus(Qt::MouseFocusReason);
    switch (event->button()) {
    case Qt::LeftButton:
        sendMouseMove(event, WexBtnDelege::LeftDown);
        if (m_isCaptureMouseEvent)
            break;
        if (second) {
            m_inDoubleClick = true;
            QTableView::mouseDoubleClickEvent(event);
            m_inDoubleClick = false;
        } else {
            QTableView::mousePressEvent(event);
        }
        return;
    case Qt::RightButton:
        sendMouseMove(event, WexBtnDelege::RightDown);
        if (!m_isCaptureMouseEvent)
            passToPage(event);
        break;
    default:
        sendMouseMove(event, WexBtnDelege::OtherDown);
        if (m_isCaptureMouseEvent)
            break;
        QTableView::mouseReleaseEvent(event);
        return;
    }
    event->accept();
}

void RigthMouseTBView::mouseReleaseEvent(QMouseEvent *event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        sendMouseMove(event, WexBtnDelege::LeftUp);
        break;
    case Qt::RightButton:
        sendMouseMove(event, WexBtnDelege::RightUp);
        break;
    default:
        sendMouseMove(event, WexBtnDelege::OtherUp);
        break;
    }
    if (m_isCaptureMouseEvent)
        event->accept();
    else
        QTableView::mouseReleaseEvent(event);
}

void RigthMouseTBView::passToPage(QMouseEvent *event)
{
    QWidget *page = parentWidget();
    if (!page)
        return;
    QMouseEvent atPage(event->type(), page->mapFromGlobal(event->globalPosition()),
                       event->scenePosition(), event->globalPosition(), event->button(),
                       event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(page, &atPage);
}

// The platform follows a right press with a context-menu request; it goes
// on to the page like the press, and stops here while clicks are recorded.
void RigthMouseTBView::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_isCaptureMouseEvent)
        event->accept();
    else
        event->ignore();
}

// Asked once the editor is open, as the cell's text starts being edited; a
// refusal closes it again at once, nothing changed.
bool RigthMouseTBView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!QTableView::edit(index, trigger, event))
        return false;
    QWidget *editor = indexWidget(index);
    if (!editor || !m_tableDelegate || m_tableDelegate->textShouldBeginEditing(this, index)) {
        m_editingIndex = index;
        return true;
    }
    QTableView::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    return false;
}

void RigthMouseTBView::commitData(QWidget *editor)
{
    if (m_tableDelegate &&
        !m_tableDelegate->textShouldEndEditing(this, m_editingIndex, editorText(editor))) {
        m_endRefused = true;
        return;
    }
    QTableView::commitData(editor);
}

void RigthMouseTBView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // A refused end keeps the editor open with the focus, as if the
    // attempt to leave it had not happened.
    if (m_endRefused) {
        m_endRefused = false;
        editor->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_editingIndex = QPersistentModelIndex();
    QTableView::closeEditor(editor, hint);
}

} // namespace orvex
