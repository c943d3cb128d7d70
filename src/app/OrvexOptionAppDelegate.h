// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainView.h"
#include "WexNoTitleWindow.h"

#include <QObject>
#include <QPointer>

#include <functional>

namespace orvex {

// The application's delegate: builds the main window - borderless, dragged
// by its top strip, its content one MainView - and ends the application when
// the view asks for it or the window closes.
class OrvexOptionAppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit OrvexOptionAppDelegate(QObject *parent = nullptr);
    ~OrvexOptionAppDelegate() override;

    // Builds the window and its view and shows it. The view checks for the
    // mouse as it joins the window; without one it warns and asks to end,
    // and launch() answers false without showing anything.
    bool launch();
    // The drag strip, then "Notify_EndLoadApp".
    void applicationDidFinishLaunching();

    WexNoTitleWindow *window() const { return m_window; }
    MainView *mainView() const { return m_mainView; }
    bool isTerminating() const { return m_terminating; }

    // Brings the window to the front (a second start asked for it).
    void raiseWindow();
    static void showAboutPro();

    // What ending the application does; by default it leaves the event
    // loop. Tests count instead.
    void setQuitHandler(std::function<void()> quit) { m_quit = std::move(quit); }

private:
    void terminate();

    QPointer<WexNoTitleWindow> m_window;
    QPointer<MainView> m_mainView;
    std::function<void()> m_quit;
    bool m_launched = false;
    bool m_terminating = false;
};

} // namespace orvex
