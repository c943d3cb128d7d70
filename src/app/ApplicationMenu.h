// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QAction;
class QWidget;

namespace orvex {

class MainView;

// The application menu: About, the on-screen display switch and the brand's
// web site. Shown by the menu button in the main window's top strip and by a
// right click on the window where no control is.
//
// The display item reads "Disable the OSD" (tag 2) while the display is on
// and "Enable the OSD" (tag 1) while it is off; the tag is the item's data.
class ApplicationMenu : public QObject
{
    Q_OBJECT
public:
    static constexpr int EnableOsdTag = 1;
    static constexpr int DisableOsdTag = 2;

    explicit ApplicationMenu(MainView &view);
    ~ApplicationMenu() override;

    QMenu *menu() const { return m_menu; }
    QAction *osdMenu() const { return m_osdMenu; }
    QAction *aboutItem() const { return m_about; }
    QAction *webSiteItem() const { return m_webSite; }

    // The display item's title and tag from the stored switch.
    void refreshOsdMenu();
    // The display item was chosen: tag 1 switches the display on, any other
    // off; the agent is told.
    void osdClick(QAction *sender);

    void popupAt(const QPoint &globalPosition);
    void popupBelow(QWidget *button);

private:
    MainView &m_view;
    QPointer<QMenu> m_menu;
    QAction *m_about = nullptr;
    QAction *m_osdMenu = nullptr;
    QAction *m_webSite = nullptr;
};

} // namespace orvex
