// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageView.h"
#include "ButtonRecordEditor.h"
#include "WexMenulist.h"
#include "WexMenulistDelegate.h"
#include "catalogue/MenuInfo.h"

#include <QPointer>

namespace orvex {

// The single-key page: gives the selected mouse button one entry of the
// catalogue's single-key menu, chosen from a pick list. The page starts with
// nothing chosen, whatever the button does now. OK, once an entry is chosen,
// writes it into the record and closes the page; Cancel closes it leaving
// the record as handed in.
class SingleKeyView : public ButtonPageView, public ButtonRecordEditor, public WexMenulistDelegate
{
    Q_OBJECT
public:
    static constexpr int SelComTag = 5200;
    static constexpr int OkTag = 5201;
    static constexpr int CancelTag = 5202;

    SingleKeyView(const QRect &frame, QWidget *parent);

    void initControls() override;
    void refreshData() override;
    // Writes the chosen entry into tmpBtnInfo(): a single-function button
    // with the entry's function, function class and four key bits, empty
    // positions (255) included. MacroID, the launcher path and the
    // single-key code keep what the record held.
    void saveData() override;

    void buttonAction(WexButton *sender) override;
    void onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode) override;
    // Points the pick list at the single-key menu, making and styling it the
    // first time; no list while the catalogue has no single-key menu.
    void refreshComMenuList();

    MenuInfoPtr selMenuData() const { return m_selMenuData; }
    WexMenulist *comMenuList() const { return m_comMenuList; }
    WexButton *selComBtn() const { return byTag(SelComTag); }
    WexButton *okBtn() const { return byTag(OkTag); }
    WexButton *cancelBtn() const { return byTag(CancelTag); }

private:
    void confirm();
    void cancel();

    QPointer<WexMenulist> m_comMenuList;
    MenuInfoPtr m_selMenuData;
};

} // namespace orvex
