// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRasterWindow>

namespace orvex {

class DesktopNotification;
class ShowMsgView;

// The display window: a plain raster window, borderless, translucent, above
// every other window, centred horizontally BottomMargin pixels above the
// bottom of the primary screen. It never takes the focus and lets clicks
// through to what is below.
//
// Where the platform cannot place such a window (a Wayland session, where
// windows do not choose their position or stacking), the window is never
// shown; each display goes to the desktop's notification service instead,
// with the picture's words.
class OsdWindow : public QRasterWindow
{
    Q_OBJECT
public:
    static constexpr int BottomMargin = 100;

    OsdWindow();
    ~OsdWindow() override;

    ShowMsgView *contentView() const { return m_view; }

    // Moves the window to its place and, while hidden, makes it transparent,
    // ready for the next display.
    void prepareForDisplay();

    // The window's top-left corner for a screen of that geometry.
    static QPoint placement(const QRect &screenGeometry);
    // Whether windows can be placed and kept on top on this platform.
    static bool canPlaceWindows();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void present(const QString &caption);
    void finish();

    ShowMsgView *m_view;
    DesktopNotification *m_notification = nullptr;
};

} // namespace orvex
