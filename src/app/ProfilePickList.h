// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WexMenulist.h"
#include "WexMenulistDelegate.h"
#include "platform/WexTreeNode.h"

#include <QPointer>

namespace orvex {

class MainView;

// The pick list of all stored profiles under the profile-name button:
// choosing one binds it to the selected slot and writes it into the mouse.
class ProfilePickList : public WexMenulistDelegate
{
public:
    static constexpr char AccessibleName[] = "Stored profiles";

    explicit ProfilePickList(MainView &view);
    ~ProfilePickList() override;

    // Rebuilds the list from the stored profiles, in their order.
    void refreshProfileList();
    // refreshProfileList(), then shows the list under the profile-name button.
    void show();
    void onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode) override;

    WexMenulist *profileMenuList() const { return m_profileMenuList; }

private:
    MainView &m_view;
    WexTreeNode::Ptr m_profileRootNode;
    QPointer<WexMenulist> m_profileMenuList;
};

} // namespace orvex
