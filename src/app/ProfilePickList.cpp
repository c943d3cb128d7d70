// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilePickList.h"

#include "MainView.h"
#include "MainViewControls.h"
#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "PickListStyle.h"
#include "WexMenulist.h"
#include "catalogue/ProfileMenuData.h"
#include "profile/ProfieController.h"

namespace orvex {

namespace {

constexpr int ProfileListTag = 28;
constexpr int ProfileEntryType = 1;

} // namespace

ProfilePickList::ProfilePickList(MainView &view) : m_view(view) {}

ProfilePickList::~ProfilePickList()
{
    if (m_profileMenuList)
        m_profileMenuList->setDelegate(nullptr);
}

void ProfilePickList::refreshProfileList()
{
    if (!m_profileRootNode)
        m_profileRootNode = WexTreeNode::initWithData(nullptr);
    m_profileRootNode->removeAllChild();
    for (const ProfileValuePtr &profile : OrvexAction::sysProCon->profileArr) {
        auto entry = ProfileMenuData::initWithProfileValue(profile);
        entry->setType(ProfileEntryType);
        WexTreeNode::initWithData(entry, m_profileRootNode);
    }
    if (!m_profileMenuList) {
        // Owned by the view, so it goes with it.
        m_profileMenuList = WexMenulist::menulistWithNode(m_profileRootNode, &m_view);
        PickListStyle::apply(m_profileMenuList, PickListStyle::ProfileListWidth);
        m_profileMenuList->setDelegate(this);
        m_profileMenuList->setAccessibleName(QLatin1String(AccessibleName));
    }
    m_profileMenuList->setMenuNode(m_profileRootNode);
}

void ProfilePickList::show()
{
    refreshProfileList();
    OrvexWidgetFactory::showMenulistWithBtn(m_view.controls().byTag(ProfileListTag),
                                            m_profileMenuList);
}

void ProfilePickList::onMenulistSelected(WexMenulist *, const WexTreeNode::Ptr &selNode)
{
    const auto entry = selNode ? selNode->dataAs<ProfileMenuData>() : nullptr;
    if (!entry || m_view.isModalSeron() > 0)
        return;
    m_view.acitveProfileById(entry->profileId);
}

} // namespace orvex
