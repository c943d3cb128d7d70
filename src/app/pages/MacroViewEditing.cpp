// SPDX-License-Identifier: GPL-3.0-or-later
// The macro editor's step editing, delay settings and macro management.
#include "MacroView.h"

#include "CreateMacroView.h"
#include "MacroFilePanel.h"
#include "MacroStepModel.h"
#include "MacroViewLayout.h"
#include "OrvexAction.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexNumberTextField.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"

#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace orvex {

namespace {

constexpr int NameAccepted = 1;

} // namespace

// --- Steps -----------------------------------------------------------------------

void MacroView::deleteSelectedStep()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    QList<MacroKeyInfoPtr> &steps = m_currMacroInfo->keyInfoArr;
    steps.removeAt(row);
    m_selKeyInfo = nullptr;
    m_reloading = true;
    m_stepModel->reload();
    m_reloading = false;
    selectRow(std::min(row, int(steps.size()) - 1));
}

void MacroView::clearAllSteps()
{
    if (!m_currMacroInfo || !askQuestion(ClearStepsQuestion))
        return;
    m_currMacroInfo->keyInfoArr.clear();
    m_selKeyInfo = nullptr;
    m_lastKeyInfo = nullptr;
    reloadSteps(nullptr);
}

void MacroView::moveSelectedStep(int by)
{
    const int row = selectedRow();
    if (row >= 0) {
        QList<MacroKeyInfoPtr> &steps = m_currMacroInfo->keyInfoArr;
        const int to = row + by;
        if (to >= 0 && to < steps.size()) {
            steps.move(row, to);
            reloadSteps(m_selKeyInfo);
        }
    }
    refreshStepButtons();
}

void MacroView::insertCommand()
{
    if (!m_currMacroInfo || !m_currMacroMenuData)
        return;
    const int row = std::max(selectedRow(), 0);
    auto step = std::make_shared<MacroKeyInfo>(m_currMacroMenuData->functionID,
                                               MacroKeyInfo::Combination, 0);
    m_currMacroInfo->keyInfoArr.insert(row, step);
    m_lastKeyInfo = step;
    reloadSteps(step);
}

void MacroView::adjustSelectedDelay()
{
    if (selectedRow() < 0)
        return;
    m_selKeyInfo->delay = delaySettings().delayTime;
    reloadSteps(m_selKeyInfo);
}

// Up lands on a multiple of the step; down keeps the remainder, so 37
// goes up to 50 and down to 12.
void MacroView::stepDelayTime(int by)
{
    DelaySettings &settings = delaySettings();
    int value = std::clamp(settings.delayTime + by * settings.delaySetpTime, 0, MaxDelay);
    if (by > 0 && settings.delaySetpTime > 0)
        value -= value % settings.delaySetpTime;
    settings.delayTime = value;
    m_adjustDelayTxt->setIntValue(value);
}

void MacroView::checkBoxClicked(WexButton *sender)
{
    WexButton *ignore = byTag(IgnoreDelayTag);
    WexButton *useDefault = byTag(InsertDefDelayChkTag);
    if (ignore->Checked() && useDefault->Checked())
        (sender == ignore ? useDefault : ignore)->setChecked(false);
    refreshDelayFields();
}

// The default delay is typed only while it is to be used. The step-delay
// field serves "Set delay" and stays open.
void MacroView::refreshDelayFields()
{
    m_defDelayTxt->setEnabled(byTag(InsertDefDelayChkTag)->Checked());
}

void MacroView::takeOverDelayType()
{
    int type = MeasuredDelay;
    if (byTag(IgnoreDelayTag)->Checked())
        type = NoDelay;
    if (byTag(InsertDefDelayChkTag)->Checked())
        type = DefaultDelay;
    delaySettings().delayType = type;
}

// --- Macros ----------------------------------------------------------------------

void MacroView::newMacro()
{
    const ButtonPageLayout::Page &layout = MacroViewLayout::createMacroView();
    auto dialogWindow = std::make_unique<WexNoTitleWindow>(layout.size);
    dialogWindow->setWindowTitle(layout.title);
    auto *dialog = KeltoImageView::create<CreateMacroView>(QRect(QPoint(0, 0), layout.size),
                                                           dialogWindow.get());
    dialogWindow->setContentView(dialog);
    dialogWindow->setIsCanDrag(true);
    dialogWindow->setDragHeight(CreateMacroView::DragHeight);
    dialogWindow->center();
    const bool accepted = dialogWindow->runModal() == NameAccepted;
    const QString name = dialog->nameStr();
    dialogWindow.reset();
    if (accepted)
        addMacorByName(name);
    window()->raise();
    window()->activateWindow();
}

void MacroView::deleteMacro()
{
    if (!m_currMacroInfo || !askQuestion(DeleteMacroQuestion))
        return;
    const WexTreeNode::Ptr next = m_selMacroNode ? m_selMacroNode->nextNode() : nullptr;
    const MenuInfoPtr nextEntry = next ? next->dataAs<MenuInfo>() : nullptr;
    const MacroInfoPtr nextMacro = nextEntry ? nextEntry->macroInfo : nullptr;
    OrvexAction::macroListArrs.removeAll(m_currMacroInfo);
    OrvexAction::refreshMenuList();
    setSelMacro(nextMacro);
}

void MacroView::exportMacro()
{
    if (!m_currMacroInfo)
        return;
    const QString path = MacroFilePanel::chooseSavePath(window(), m_currMacroInfo->nameStr);
    if (path.isEmpty())
        return;
    if (!WexAction::SaveObject(*m_currMacroInfo, path))
        ORVEX_WARNING(QStringLiteral("the macro could not be written to %1").arg(path));
}

// The file's name names the macro. A macro file carries no identifier, so
// the macro gets a new one, as a new macro does: buttons find their macro
// by it.
void MacroView::importMacro()
{
    const QString path = MacroFilePanel::chooseOpenPath(window());
    if (path.isEmpty())
        return;
    const MacroInfoPtr macro = WexAction::CopyObject<MacroInfo>(path);
    if (!macro) {
        ORVEX_WARNING(QStringLiteral("%1 holds no macro").arg(path));
        return;
    }
    macro->nameStr = QFileInfo(path).completeBaseName();
    if (!checkMacroName(macro->nameStr)) {
        showMessage(NameTakenMessage);
        return;
    }
    if (OrvexAction::macroListArrs.size() >= OrvexAction::MaxMacroCount) {
        showMessage(MaxMacrosMessage);
        return;
    }
    macro->macroId = OrvexAction::getNewMacorId();
    addMacroPro(macro);
}

void MacroView::confirm()
{
    m_endTag = 1;
    OrvexAction::saveMenuList();
    if (OrvexAction::sysProCon) {
        OrvexAction::sysProCon->saveSelProfileToData();
        OrvexAction::sysProCon->saveToSys();
    }
    closePage();
}

void MacroView::cancel()
{
    m_endTag = 0;
    closePage();
}

void MacroView::apply()
{
    OrvexAction::saveMenuList();
}

} // namespace orvex
