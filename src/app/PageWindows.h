// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

namespace orvex {

class MainView;
class WexNoTitleWindow;

// The windows of the configuration pages. Each page is the content of a
// borderless window of the page's size, centred on the screen.
//
// The lighting and settings pages run a modal loop: the call returns when
// the page closes. The other four run in a modal session: the window stays
// open while the event loop goes on, the main view counts it as a running
// modal operation, and its closing ends the session and hands the page's
// result back (the edited button, or a new profile list).
class PageWindows : public QObject
{
    Q_OBJECT
public:
    enum class Page
    {
        LightOption,
        Setting,
        Macro,
        Profile,
        TKey,
        SingleKey,
    };
    static constexpr int PageCount = 6;

    struct PageFrame
    {
        const char *title;
        QSize size;
        int dragHeight;
        bool session; // a modal session; else a modal loop
    };
    static PageFrame frameOf(Page page);

    explicit PageWindows(MainView &view);
    ~PageWindows() override;

    void showLightOptionView();
    void showSettingView();
    void showMacroView();
    void showProfileView();
    // Both need a selected hot-spot that may change its function.
    void showTKeyView();
    void showSingKeyView();

    bool hasModalSession() const { return m_modalSession; }
    // The open window of a page, null when it is not open.
    WexNoTitleWindow *window(Page page) const;

    // A page window closes: ends its modal session and takes its result.
    void windowWillClose(WexNoTitleWindow *window);

private:
    WexNoTitleWindow *makeWindow(Page page);
    void runModalLoop(Page page);
    void beginModalSession(Page page);
    void bringMainWindowToFront();

    MainView &m_view;
    QPointer<WexNoTitleWindow> m_windows[PageCount];
    bool m_modalSession = false;
};

} // namespace orvex
