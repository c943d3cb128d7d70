// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageView.h"
#include "ButtonRecordEditor.h"
#include "WexMenulistDelegate.h"
#include "WexSetpDelegate.h"
#include "WexTextField.h"
#include "catalogue/MacroInfo.h"

#include <QPointer>

namespace orvex {

class WexSetpPanelObj;

// The macro page: gives the selected mouse button one of the user's macros
// and a repeat mode. The macro is chosen from the shared macro pick list;
// the mode from four buttons of which one is selected (position = mode + 1):
// 0 once, 1 a number of times (choosing it asks for the count at once),
// 2 while the button is held, 3 until the button is pressed again.
//
// OK, once a macro is chosen, writes the assignment into the record and
// closes the page; Cancel closes it leaving the record as handed in.
class TkeyView : public ButtonPageView,
                 public ButtonRecordEditor,
                 public WexSetpDelegate,
                 public WexMenulistDelegate
{
    Q_OBJECT
public:
    static constexpr int SelMacroTag = 5250;
    static constexpr int OnceTag = 5251;
    static constexpr int MultTimesTag = 5252;
    static constexpr int HoldTag = 5253;
    static constexpr int UntilPressedTag = 5254;
    static constexpr int OkTag = 5255;
    static constexpr int CancelTag = 5256;

    enum MacroType
    {
        Once = 0,
        NumberOfTimes = 1,
        WhileHeld = 2,
        UntilPressedAgain = 3,
    };

    TkeyView(const QRect &frame, QWidget *parent);
    ~TkeyView() override;

    void initControls() override;
    // Rebuilds the macro pick list, takes its choices, selects "once".
    void refreshData() override;
    // Writes the assignment into tmpBtnInfo(): a macro button running the
    // chosen macro in the chosen mode. KeyBit[2], KeyBit[3], the launcher
    // path and the single-key code keep what the record held.
    void saveData() override;

    // Copies the record; a macro button's mode, count and macro are shown.
    void setTmpBtnInfo(const BTN_INFO &record) override;

    void buttonAction(WexButton *sender) override;
    void onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender) override;
    void onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode) override;
    // Remembers the macro (none: null) and shows its name on the pick button.
    void setSelMacro(const MacroInfoPtr &macro);
    // Asks for the repeat count in a dialog of its own; OK keeps the new count.
    void showLoopFrm();

    MacroInfoPtr selMacroInfo() const { return m_selMacroInfo; }
    int macroType() const { return m_macroType; }
    int macroCount() const { return m_macroCount; }
    WexSetpPanelObj *macroTypeSetp() const { return m_macroTypeSetp; }
    WexButton *selMacroBtn() const { return byTag(SelMacroTag); }
    WexButton *okBtn() const { return byTag(OkTag); }
    WexButton *cancelBtn() const { return byTag(CancelTag); }
    WexTextField *countLabel() const { return m_countLabel; }

private:
    void confirm();
    void cancel();
    // Moves the selector to `macroType` + 1 without treating it as the user's choice.
    void fillMacroType();
    void showCount();

    WexSetpPanelObj *m_macroTypeSetp = nullptr;
    QPointer<WexTextField> m_countLabel;
    MacroInfoPtr m_selMacroInfo;
    int m_macroType = Once;
    int m_macroCount = 0;
    bool m_isFillData = false;
    bool m_askCountAgain = false;
};

} // namespace orvex
