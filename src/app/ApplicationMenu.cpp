// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationMenu.h"

#include "AboutConnortller.h"
#include "MainView.h"
#include "OrvexAction.h"
#include "profile/ProfieController.h"

#include <QAction>
#include <QMenu>

namespace orvex {

ApplicationMenu::ApplicationMenu(MainView &view) : m_view(view)
{
    m_menu = new QMenu(&m_view);
    m_menu->setAccessibleName(QStringLiteral("Application menu"));
    // Each item closes the menu first: an assistive technology's action
    // triggers the item without closing it, and About runs modally.
    m_about = m_menu->addAction(tr("About Orvex"), this, [this] {
        m_menu->hide();
        AboutConnortller::shareAboutController()->showModal();
    });
    m_osdMenu = m_menu->addAction(QString(), this, [this] {
        m_menu->hide();
        osdClick(m_osdMenu);
    });
    m_webSite = m_menu->addAction(tr("Orvex on the web"), this, [this] {
        m_menu->hide();
        m_view.openWebSitePro();
    });
    // The title follows the switch each time the menu opens (the agent's
    // preferences may have changed it meanwhile).
    connect(m_menu, &QMenu::aboutToShow, this, &ApplicationMenu::refreshOsdMenu);
}

ApplicationMenu::~ApplicationMenu() = default;

void ApplicationMenu::refreshOsdMenu()
{
    ProfieController *store = OrvexAction::sysProCon;
    if (!store || !m_osdMenu)
        return;
    if (store->isOSD()) {
        m_osdMenu->setText(QStringLiteral("Disable the OSD"));
        m_osdMenu->setData(DisableOsdTag);
    } else {
        m_osdMenu->setText(QStringLiteral("Enable the OSD"));
        m_osdMenu->setData(EnableOsdTag);
    }
}

void ApplicationMenu::osdClick(QAction *sender)
{
    ProfieController *store = OrvexAction::sysProCon;
    if (!store || !sender)
        return;
    store->setIsOSD(sender->data().toInt() == EnableOsdTag);
    m_view.changeOSDPro();
    refreshOsdMenu();
}

void ApplicationMenu::popupAt(const QPoint &globalPosition)
{
    refreshOsdMenu();
    m_menu->popup(globalPosition);
}

void ApplicationMenu::popupBelow(QWidget *button)
{
    popupAt(button->mapToGlobal(QPoint(0, button->height())));
}

} // namespace orvex
