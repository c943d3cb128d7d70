// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageWindows.h"

#include "FunctionButtons.h"
#include "MainView.h"
#include "OrvexAction.h"
#include "WexNoTitleWindow.h"
#include "pages/LightOptionView.h"
#include "pages/MacroView.h"
#include "pages/PagePlaceholderView.h"
#include "pages/ProfileView.h"
#include "pages/SettingView.h"
#include "pages/SingleKeyView.h"
#include "pages/TkeyView.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"

namespace orvex {

namespace {

int indexOf(PageWindows::Page page)
{
    return int(page);
}

// The page that edits the selected button's record, in a page window.
ButtonRecordEditor *pageOf(WexNoTitleWindow *window)
{
    return window ? dynamic_cast<ButtonRecordEditor *>(window->contentView()) : nullptr;
}

// The content of a page window; pages not built yet show a placeholder.
QWidget *makeContent(PageWindows::Page page, const QRect &frame, const char *title)
{
    switch (page) {
    case PageWindows::Page::LightOption:
        return KeltoImageView::create<LightOptionView>(frame, nullptr);
    case PageWindows::Page::Setting:
        return KeltoImageView::create<SettingView>(frame, nullptr);
    case PageWindows::Page::Macro:
        return KeltoImageView::create<MacroView>(frame, nullptr);
    case PageWindows::Page::TKey:
        return KeltoImageView::create<TkeyView>(frame, nullptr);
    case PageWindows::Page::SingleKey:
        return KeltoImageView::create<SingleKeyView>(frame, nullptr);
    case PageWindows::Page::Profile:
        return KeltoImageView::create<ProfileView>(frame, nullptr);
    default:
        return KeltoImageView::create<PagePlaceholderView>(frame, nullptr, QLatin1String(title));
    }
}

} // namespace

PageWindows::PageFrame PageWindows::frameOf(Page page)
{
    switch (page) {
    case Page::LightOption:
        return {"Lighting", QSize(709, 598), 50, false};
    case Page::Setting:
        return {"Performance settings", QSize(605, 663), 60, false};
    case Page::Macro:
        return {"Macro editor", QSize(603, 474), 60, true};
    case Page::Profile:
        return {"Profile management", QSize(603, 474), 40, true};
    case Page::TKey:
        return {"Macro function", QSize(281, 324), 40, true};
    case Page::SingleKey:
        return {"Single key function", QSize(282, 181), 40, true};
    }
    return {"", QSize(), 0, false};
}

PageWindows::PageWindows(MainView &view) : m_view(view) {}

PageWindows::~PageWindows()
{
    for (const QPointer<WexNoTitleWindow> &window : m_windows)
        delete window.data();
}

WexNoTitleWindow *PageWindows::window(Page page) const
{
    return m_windows[indexOf(page)];
}

WexNoTitleWindow *PageWindows::makeWindow(Page page)
{
    const PageFrame frame = frameOf(page);
    auto *window = new WexNoTitleWindow(frame.size);
    window->setWindowTitle(QLatin1String(frame.title));
    window->move(m_view.window()->pos());
    window->setContentView(makeContent(page, QRect(QPoint(0, 0), frame.size), frame.title));
    window->setIsCanDrag(true);
    window->setDragHeight(frame.dragHeight);
    window->center();
    m_windows[indexOf(page)] = window;
    return window;
}

void PageWindows::runModalLoop(Page page)
{
    OrvexAction::sysProCon->saveSelProfileToData();
    WexNoTitleWindow *window = makeWindow(page);
    // Counted although the loop blocks: an assistive technology's action
    // still reaches the main view while it runs.
    m_view.raiseModalCount();
    window->runModal();
    m_view.lowerModalCount();
    m_windows[indexOf(page)] = nullptr;
    window->deleteLater();
    bringMainWindowToFront();
}

void PageWindows::beginModalSession(Page page)
{
    if (m_modalSession) {
        ORVEX_WARNING(QStringLiteral("a page is open already; %1 not opened")
                          .arg(QLatin1String(frameOf(page).title)));
        return;
    }
    WexNoTitleWindow *window = makeWindow(page);
    connect(window, &WexNoTitleWindow::windowWillClose, this, &PageWindows::windowWillClose);
    m_view.raiseModalCount();
    m_modalSession = true;
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    window->raise();
    window->activateWindow();
}

void PageWindows::showLightOptionView()
{
    runModalLoop(Page::LightOption);
}

void PageWindows::showSettingView()
{
    runModalLoop(Page::Setting);
}

void PageWindows::showMacroView()
{
    beginModalSession(Page::Macro);
}

void PageWindows::showProfileView()
{
    beginModalSession(Page::Profile);
}

void PageWindows::showTKeyView()
{
    if (!m_view.IsCurrSelectedBtn() || !m_view.functionButtons().checkOnlyLeftPro())
        return;
    beginModalSession(Page::TKey);
    if (ButtonRecordEditor *page = pageOf(window(Page::TKey)))
        page->setTmpBtnInfo(OrvexAction::selProfile.btnInfo[m_view.selBtnIndex() - 1]);
}

void PageWindows::showSingKeyView()
{
    if (!m_view.IsCurrSelectedBtn() || !m_view.functionButtons().checkOnlyLeftPro())
        return;
    OrvexAction::sysProCon->saveSelProfileToData();
    beginModalSession(Page::SingleKey);
    if (ButtonRecordEditor *page = pageOf(window(Page::SingleKey)))
        page->setTmpBtnInfo(OrvexAction::selProfile.btnInfo[m_view.selBtnIndex() - 1]);
}

void PageWindows::windowWillClose(WexNoTitleWindow *closing)
{
    if (!m_modalSession || !closing)
        return;
    int closed = -1;
    for (int i = 0; i < PageCount; ++i) {
        if (frameOf(Page(i)).session && m_windows[i] == closing)
            closed = i;
    }
    if (closed < 0)
        return;
    m_modalSession = false;
    const Page page = Page(closed);
    if ((page == Page::TKey || page == Page::SingleKey) && m_view.IsCurrSelectedBtn()) {
        if (ButtonRecordEditor *content = pageOf(closing))
            OrvexAction::selProfile.btnInfo[m_view.selBtnIndex() - 1] = content->tmpBtnInfo();
    }
    if (page == Page::Profile) {
        // The profile the main window showed may have been deleted on the
        // page: show the slot's profile again (its default when none is
        // bound any more) rather than a name that is no longer stored.
        ProfieController *store = OrvexAction::sysProCon;
        if (store && !store->currProfile())
            store->setCurrFWProfileIndex(store->currFWProfileIndex());
        m_view.fillSettingData();
    }
    m_view.displayBtnInfo();
    m_view.refreshApplyBtn();
    m_view.lowerModalCount();
    m_windows[closed] = nullptr;
    closing->deleteLater();
    bringMainWindowToFront();
}

void PageWindows::bringMainWindowToFront()
{
    QWidget *main = m_view.window();
    main->raise();
    main->activateWindow();
}

} // namespace orvex
