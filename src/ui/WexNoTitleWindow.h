// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class QEventLoop;

namespace orvex {

// A borderless top-level window holding one content view that fills it.
// When dragging is on, pressing the pointer in the top strip (dragHeight
// pixels) on a spot no control takes moves the window.
//
// runModal() shows the window application-modally and returns the code
// given to stopModal(); closing the window ends the run with 0.
class WexNoTitleWindow : public QWidget
{
    Q_OBJECT
public:
    // Answers the code of a modal run without showing the window, or nothing
    // to let the run go on; tests install one to act for the user.
    using ModalRunHook = std::function<std::optional<int>(WexNoTitleWindow *window)>;

    explicit WexNoTitleWindow(const QSize &contentSize, QWidget *parent = nullptr);
    ~WexNoTitleWindow() override;

    // The window takes ownership of `view` and fits it to its size.
    void setContentView(QWidget *view);
    QWidget *contentView() const { return m_content; }

    void setIsCanDrag(bool canDrag) { m_canDrag = canDrag; }
    bool isCanDrag() const { return m_canDrag; }
    void setDragHeight(int height) { m_dragHeight = height; }
    int dragHeight() const { return m_dragHeight; }

    // Centres the window on the screen it is on (the primary one if none).
    void center();

    int runModal();
    void stopModal(int code);
    bool isModalRunning() const { return m_loop != nullptr; }

    static void setModalRunHook(ModalRunHook hook);

Q_SIGNALS:
    // Before the window hides for good (close or the end of a modal run).
    void windowWillClose(orvex::WexNoTitleWindow *window);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<QWidget> m_content;
    QEventLoop *m_loop = nullptr;
    int m_dragHeight = 0;
    bool m_canDrag = false;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace orvex
