// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleKeyView.h"

#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "PickListStyle.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "device/MemoryMap.h"

namespace orvex {

namespace {

constexpr char ListName[] = "Key";

} // namespace

SingleKeyView::SingleKeyView(const QRect &frame, QWidget *parent)
    : ButtonPageView(frame, parent, ButtonPageLayout::singleKeyView())
{
}

void SingleKeyView::initControls()
{
    addControl(QStringLiteral("selComBtn"));
    addControl(QStringLiteral("okBtn"));
    addControl(QStringLiteral("cancelBtn"));
}

void SingleKeyView::refreshData()
{
    refreshComMenuList();
    fillSettingData();
}

void SingleKeyView::refreshComMenuList()
{
    if (!OrvexAction::singleMenuNode)
        return;
    if (!m_comMenuList) {
        m_comMenuList = WexMenulist::menulistWithNode(OrvexAction::singleMenuNode, this);
        PickListStyle::apply(m_comMenuList, PickListStyle::SingleKeyListWidth);
        m_comMenuList->setDelegate(this);
        m_comMenuList->setAccessibleName(QLatin1String(ListName));
    }
    m_comMenuList->setMenuNode(OrvexAction::singleMenuNode);
}

void SingleKeyView::buttonAction(WexButton *sender)
{
    if (!sender)
        return;
    switch (sender->tag()) {
    case SelComTag:
        OrvexWidgetFactory::showMenulistWithBtn(sender, m_comMenuList);
        break;
    case OkTag:
        confirm();
        break;
    case CancelTag:
        cancel();
        break;
    default:
        break;
    }
}

void SingleKeyView::onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode)
{
    if (!selNode || list != m_comMenuList)
        return;
    const MenuInfoPtr entry = selNode->dataAs<MenuInfo>();
    if (!entry)
        return;
    m_selMenuData = entry;
    selComBtn()->setTitle(entry->titleStr());
}

void SingleKeyView::saveData()
{
    if (!m_selMenuData)
        return;
    m_tmpBtnInfo.btnType = MemoryMap::SingleButtonType;
    m_tmpBtnInfo.FuncID = std::uint32_t(m_selMenuData->functionID);
    m_tmpBtnInfo.FuncTableId = std::uint32_t(m_selMenuData->functionTableID);
    const auto keyBits = m_selMenuData->keyBits();
    for (std::size_t i = 0; i < keyBits.size(); ++i)
        m_tmpBtnInfo.KeyBit[i] = std::uint32_t(keyBits[i]);
}

void SingleKeyView::confirm()
{
    if (!m_selMenuData)
        return;
    m_endTag = Confirmed;
    OrvexAction::isNeedSave = true;
    saveData();
    closePage();
}

void SingleKeyView::cancel()
{
    m_endTag = Cancelled;
    closePage();
}

} // namespace orvex
