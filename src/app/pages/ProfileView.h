// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageView.h"
#include "RigthMouseTBDelegate.h"
#include "WexMenulistDelegate.h"
#include "profile/ProfileValue.h"

#include <QPointer>

namespace orvex {

class ProfileTableModel;
class RigthMouseTBView;
class WexMenulist;

// The profile management page: the user's stored profiles (never the
// shipped defaults) in a table of row number and name, and what can be done
// with them - new, copy, rename, delete, import, export, and making one the
// active profile of the mouse slot being edited. It works directly on the
// shared profile controller; the list reaches disk at the controller's next
// save (which an activation makes), so Cancel undoes nothing.
//
// A name is edited in its cell: a double click, F2, or "Rename" on the row's
// context menu (right click, or the menu key). An empty name, or one
// another profile has, keeps the cell editing; Escape gives up the edit.
class ProfileView : public ButtonPageView, public WexMenulistDelegate, public RigthMouseTBDelegate
{
    Q_OBJECT
public:
    // The controller holds at most this many profiles, defaults included.
    static constexpr int MaxProfileCount = 50;
    static constexpr int ContextMenuWidth = 153;
    // Tags of the context menu's entries.
    enum MenuTag
    {
        RenameTag = 1,
        CopyTag = 2,
        SetActiveTag = 3,
    };

    ProfileView(const QRect &frame, QWidget *parent);
    ~ProfileView() override;

    void initData() override;
    void initControls() override;
    // getProfileArrsPro(), then fillSettingData().
    void refreshData() override;
    // The rows become the controller's user profiles, in its order.
    void getProfileArrsPro();
    // Shows the rows; the selection becomes the controller's selected
    // profile, none when that is a default one.
    void fillSettingData();
    // Selects the row of `profile` (nothing for none or a profile not
    // shown); with `edited` its name starts being edited, all selected.
    void selectRowByData(const ProfileValuePtr &profile, bool edited);

    void buttonAction(WexButton *sender) override;
    void onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode) override;
    bool textShouldBeginEditing(RigthMouseTBView *table, const QModelIndex &index) override;
    bool textShouldEndEditing(RigthMouseTBView *table, const QModelIndex &index,
                              const QString &text) override;

    // New (`copy` false) or a copy of the selection; refused with a message
    // when the list is full.
    void addProfile(bool copy);
    void reNamePro();
    void delProfile();
    void importProfile();
    void extentProfile();
    // Asks the main window to bind the selection to the slot being edited
    // and send it to the mouse.
    void ActiveProfilePro();

    ProfileValuePtr currSelProfile() const { return m_currSelProfile; }
    RigthMouseTBView *profileTbView() const { return m_profileTbView; }
    ProfileTableModel *tableModel() const { return m_model; }
    WexMenulist *rightMenuList() const { return m_rightMenuList; }
    // Shows the context menu with its top-left corner at `screenPoint`,
    // when a row is selected.
    void showRightMenu(const QPoint &screenPoint);

protected:
    // A right press passed on by the table opens the row's context menu.
    void mousePressEvent(QMouseEvent *event) override;
    // The keyboard's menu key on the table opens it under the selected row.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void initTable();
    void initTooltip();
    void initRightMenu();
    // Rebuilds the rows and selects `profile` (none: no row).
    void showRows(const ProfileValuePtr &profile, bool edited);
    // Selects the row of `profile` alone (none: no row).
    void selectOnly(const ProfileValuePtr &profile, bool edited);
    void onSelectionChanged();
    void refreshEnableState();
    bool isFull() const;

    RigthMouseTBView *m_profileTbView = nullptr;
    ProfileTableModel *m_model = nullptr;
    ProfileValuePtr m_currSelProfile;
    WexTreeNode::Ptr m_rightNode;
    QPointer<WexMenulist> m_rightMenuList;
};

} // namespace orvex
