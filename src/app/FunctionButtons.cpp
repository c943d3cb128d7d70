// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionButtons.h"

#include "ButtonInfoArea.h"
#include "LauncherFilePanel.h"
#include "MainView.h"
#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "WexUiAction.h"
#include "device/FirmwareFunctionTable.h"
#include "platform/LauncherTarget.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"

#include <QCoreApplication>

#include <cstring>

namespace orvex {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FunctionButtons", text);
}

} // namespace

FunctionButtons::FunctionButtons(MainView &view) : m_view(view) {}

bool FunctionButtons::checkOnlyLeft(int hotSpot) const
{
    if (hotSpot < 1 || hotSpot > ButtonCount)
        return false;
    const ORVEX_PROFILE &profile = OrvexAction::selProfile;
    if (!m_view.IsCurrSelectedBtn() || profile.btnInfo[hotSpot - 1].FuncID != LeftClickFunction)
        return true;
    int leftClicks = 0;
    for (const BTN_INFO &button : profile.btnInfo) {
        if (button.FuncID == LeftClickFunction)
            ++leftClicks;
    }
    return leftClicks > 1;
}

bool FunctionButtons::checkOnlyLeftPro()
{
    if (checkOnlyLeft(m_view.selBtnIndex()))
        return true;
    OrvexWidgetFactory::showPopView(QStringLiteral("WarningNeedLeft"));
    return false;
}

void FunctionButtons::resetBtnDefault()
{
    if (!m_view.IsCurrSelectedBtn())
        return;
    const int index = m_view.selBtnIndex() - 1;
    OrvexAction::selProfile.btnInfo[index] = OrvexAction::sysProCon->getDefBtnInfoByIndex(index);
    m_view.displayBtnInfo();
}

void FunctionButtons::defaultPro()
{
    if (!checkOnlyLeftPro())
        return;
    resetBtnDefault();
    OrvexAction::isNeedSave = true;
    m_view.refreshApplyBtn();
}

void FunctionButtons::showLaunchPro()
{
    if (!m_view.IsCurrSelectedBtn() || !checkOnlyLeftPro())
        return;
    const QString path = LauncherFilePanel::choose(m_view.window());
    if (!path.isEmpty())
        assignLauncher(path);
}

bool FunctionButtons::assignLauncher(const QString &path)
{
    if (!m_view.IsCurrSelectedBtn())
        return false;
    const QByteArray utf8 = path.toUtf8();
    if (utf8.size() > MaxLauncherPathBytes) {
        ORVEX_WARNING(
            QStringLiteral("launcher path of %1 bytes refused: %2").arg(utf8.size()).arg(path));
        WexUiAction::showInfoMessage(
            tr("This path is too long for a launcher button: %1 bytes, and a button holds at most "
               "%2. Choose a program or desktop entry with a shorter path.")
                .arg(utf8.size())
                .arg(MaxLauncherPathBytes));
        return false;
    }
    const QString refusal = LauncherTarget::refusal(path);
    if (!refusal.isEmpty()) {
        ORVEX_WARNING(QStringLiteral("launcher path %1 refused: %2").arg(path, refusal));
        WexUiAction::showInfoMessage(
            tr("The button cannot start %1: it is %2.").arg(path, refusal));
        return false;
    }
    BTN_INFO &button = OrvexAction::selProfile.btnInfo[m_view.selBtnIndex() - 1];
    button.btnType = MemoryMap::LauncherButtonType;
    button.FuncID = ButtonInfoArea::LauncherFunction;
    button.FuncTableId = fwfunc::Launcher;
    // A launcher has no parameters; old ones must not travel with it.
    std::memset(button.KeyBit, 0, sizeof button.KeyBit);
    button.MacroID = 0;
    std::memset(button.app_path, 0, sizeof button.app_path);
    std::memcpy(button.app_path, utf8.constData(), std::size_t(utf8.size()));
    m_view.displayBtnInfo();
    OrvexAction::isNeedSave = true;
    m_view.refreshApplyBtn();
    return true;
}

} // namespace orvex
