// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageView.h"
#include "RigthMouseTBDelegate.h"
#include "RigthMouseTBView.h"
#include "WexBtnDelege.h"
#include "WexMenulist.h"
#include "WexMenulistDelegate.h"
#include "WexNumberTextField.h"
#include "catalogue/MacroInfo.h"
#include "catalogue/MenuInfo.h"

#include <QPointer>

#include <optional>

class QKeyEvent;

namespace orvex {

class MacroStepModel;

// The macro editor. It works on the catalogue's macros in memory: the
// chosen macro's steps are edited in place, so every change is at once the
// catalogue's; OK and Apply write the catalogue to its file, Cancel leaves
// the changes in memory unwritten. Nothing here talks to the mouse.
//
// Recording appends one step per key going down or up (as macOS virtual key
// codes, through the key table), modifier keys included, and per mouse
// button going down or up on the page, its buttons or its step list
// (codes 120 left, 121 right, 122 other). The pause before an event becomes
// the delay of the step recorded before it, measured or as the delay
// settings say. A click on Stop ends recording and is not recorded.
class MacroView : public ButtonPageView,
                  public WexMenulistDelegate,
                  public WexBtnDelege,
                  public RigthMouseTBDelegate
{
    Q_OBJECT
public:
    enum Tag
    {
        RecordTag = 5100,
        StopTag = 5101,
        DelKeyTag = 5102,
        KeyUpTag = 5103,
        KeyDownTag = 5104,
        NewMacroTag = 5105,
        LoadMacroTag = 5106,
        SaveMacroTag = 5107,
        DelMacroTag = 5108,
        MacroNameTag = 5109,
        InsertDelayTag = 5110,
        InsertDefDelayTag = 5111,
        InsertComTag = 5112,
        AdjustDelayUpTag = 5113,
        AdjustDelayDownTag = 5114,
        IgnoreDelayTag = 5115,
        InsertDefDelayChkTag = 5116,
        ComSelTag = 5117,
        OkTag = 5118,
        CancelTag = 5119,
        ApplyTag = 5120,
    };

    // How recording sets the delay of the step before each new event.
    enum DelayType
    {
        MeasuredDelay = 0,
        NoDelay = 1,
        DefaultDelay = 2,
    };

    // Shared by every opening of the editor for the life of the program.
    struct DelaySettings
    {
        int delayTime = 0;      // the step-delay field, for "Set delay"
        int defDelayTime = 50;  // the default delay, in ms
        int delaySetpTime = 25; // the step of the + and - buttons
        int delayType = MeasuredDelay;
    };
    static DelaySettings &delaySettings();

    static constexpr int MaxRecordedSteps = 40;
    static constexpr int MaxDelay = 5000;
    static constexpr int MaxDelayDigits = 4;
    static constexpr char MaxMacrosMessage[] = "Maximum number of macros reached";
    static constexpr char NameTakenMessage[] = "A macro of this name already exists.";
    static constexpr char DeleteMacroQuestion[] = "Are you sure you want to delete this macro?";
    static constexpr char ClearStepsQuestion[] = "Are you sure you want to Clear Commands?";

    MacroView(const QRect &frame, QWidget *parent);
    ~MacroView() override;

    void initControls() override;
    // Opening: rebuilds the macro pick list, makes the command list, stops
    // recording, shows the delay settings; no macro is chosen.
    void refreshData() override;
    void fillSettingData() override;

    void buttonAction(WexButton *sender) override;
    void onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode) override;
    void onMouseEvent(QObject *sender, QEvent *event, int type) override;

    void setRecState(bool recording);
    // Shows `macro` (null: none), choosing its entry of the macro list.
    void setSelMacro(const MacroInfoPtr &macro);
    void setSelMacroByNode(const WexTreeNode::Ptr &node);
    // A new macro of that name with a new identifier, chosen; the limit
    // message when the catalogue is full.
    void addMacorByName(const QString &name);
    // Adds `macro` to the catalogue and chooses it.
    void addMacroPro(const MacroInfoPtr &macro);
    // True when no macro has that name (exact comparison).
    static bool checkMacroName(const QString &name);

    // Records one event as the step (code, kind), following the rules of
    // recording (auto-repeat, the 40-step limit, delays).
    void AddNewKey(int keyCode, int keyFlag);
    // The macOS virtual key code of a key event, through the key table;
    // none for a key the table does not hold.
    static std::optional<int> recordedKeyCode(const QKeyEvent &event);

    int endTag() const { return m_endTag; }
    void setEndTag(int tag) { m_endTag = tag; }
    bool isRecord() const { return m_isRecord; }
    MacroInfoPtr currMacroInfo() const { return m_currMacroInfo; }
    MenuInfoPtr currMacroMenuData() const { return m_currMacroMenuData; }
    MacroKeyInfoPtr selKeyInfo() const { return m_selKeyInfo; }
    // The row of the selected step; -1 when none.
    int selectedRow() const;
    void selectRow(int row);
    RigthMouseTBView *keytbView() const { return m_keytbView; }
    MacroStepModel *stepModel() const { return m_stepModel; }
    WexMenulist *macroComList() const { return m_macroComList; }
    WexNumberTextField *adjustDelayTxt() const { return m_adjustDelayTxt; }
    WexNumberTextField *defDelayTxt() const { return m_defDelayTxt; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // While recording, takes the key events meant for any widget of the
    // page's window.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initTooltip();
    void initTabOrder();
    void initStepList();
    WexNumberTextField *addDelayField(const QString &field);
    void refreshComMenuList();
    bool recordKeyEvent(QKeyEvent *event);
    bool recordPageClick(QMouseEvent *event, bool down);
    void refreshEnableStates();
    void refreshStepButtons();
    void refreshRecordDescription();
    void onRowSelected();
    void reloadSteps(const MacroKeyInfoPtr &select);
    // Shows a message or asks a question, in the user's language.
    static void showMessage(const char *message);
    static bool askQuestion(const char *question);

    // Step editing and delays (MacroViewEditing.cpp).
    void deleteSelectedStep();
    void clearAllSteps();
    void moveSelectedStep(int by);
    void insertCommand();
    void adjustSelectedDelay();
    void stepDelayTime(int by);
    void checkBoxClicked(WexButton *sender);
    void refreshDelayFields();
    void takeOverDelayType();

    // Macro management (MacroViewEditing.cpp).
    void newMacro();
    void deleteMacro();
    void exportMacro();
    void importMacro();
    void confirm();
    void cancel();
    void apply();

    MenuInfoPtr m_currMacroData;
    MacroInfoPtr m_currMacroInfo;
    WexTreeNode::Ptr m_selMacroNode;
    MacroKeyInfoPtr m_selKeyInfo;
    MacroKeyInfoPtr m_lastKeyInfo;
    int m_currInsertIndex = 0;
    bool m_isRecord = false;
    bool m_isAddDelay = false;
    // Seconds since 1970 of the last recorded event; -1 before the first.
    double m_oldTime = -1;
    MenuInfoPtr m_currMacroMenuData;
    QPointer<WexMenulist> m_macroComList;
    int m_endTag = 0;
    bool m_reloading = false;

    QPointer<RigthMouseTBView> m_keytbView;
    MacroStepModel *m_stepModel = nullptr;
    QPointer<WexNumberTextField> m_adjustDelayTxt;
    QPointer<WexNumberTextField> m_defDelayTxt;
};

} // namespace orvex
