// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexNoTitleWindow.h"

#include "platform/WexLogger.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace orvex {

namespace {

WexNoTitleWindow::ModalRunHook modalRunHook;

} // namespace

WexNoTitleWindow::WexNoTitleWindow(const QSize &contentSize, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    resize(contentSize);
}

WexNoTitleWindow::~WexNoTitleWindow()
{
    if (m_loop)
        m_loop->exit(0);
}

void WexNoTitleWindow::setContentView(QWidget *view)
{
    if (m_content && m_content != view)
        m_content->deleteLater();
    m_content = view;
    if (!view)
        return;
    view->setParent(this);
    view->setGeometry(rect());
    view->show();
    if (windowTitle().isEmpty() && !view->accessibleName().isEmpty())
        setWindowTitle(view->accessibleName());
}

void WexNoTitleWindow::center()
{
    const QScreen *target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!target)
        return;
    const QRect area = target->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

int WexNoTitleWindow::runModal()
{
    if (m_loop) {
        ORVEX_WARNING(QStringLiteral("A modal run of this window is already going on"));
        return 0;
    }
    if (modalRunHook) {
        if (const std::optional<int> code = modalRunHook(this)) {
            Q_EMIT windowWillClose(this);
            return *code;
        }
    }
    QEventLoop loop;
    m_loop = &loop;
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    QPointer<WexNoTitleWindow> self(this);
    const int code = loop.exec(QEventLoop::DialogExec);
    if (!self)
        return code;
    m_loop = nullptr;
    Q_EMIT windowWillClose(this);
    hide();
    setWindowModality(Qt::NonModal);
    return code;
}

void WexNoTitleWindow::stopModal(int code)
{
    if (!m_loop)
        return;
    m_loop->exit(code);
}

void WexNoTitleWindow::setModalRunHook(ModalRunHook hook)
{
    modalRunHook = std::move(hook);
}

void WexNoTitleWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (!m_canDrag || event->button() != Qt::LeftButton || at.y() >= m_dragHeight) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    // The window manager moves the window where it can; otherwise by hand.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void WexNoTitleWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPosition().toPoint() - m_dragOffset);
    else
        QWidget::mouseMoveEvent(event);
}

void WexNoTitleWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_dragging && event->button() == Qt::LeftButton)
        m_dragging = false;
    else
        QWidget::mouseReleaseEvent(event);
}

void WexNoTitleWindow::closeEvent(QCloseEvent *event)
{
    if (m_loop) {
        stopModal(0);
        event->ignore();
        return;
    }
    Q_EMIT windowWillClose(this);
    QWidget::closeEvent(event);
}

void WexNoTitleWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_content)
        m_content->setGeometry(rect());
}

} // namespace orvex
