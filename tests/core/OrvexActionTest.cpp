// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrvexAction.h"

#include <QDomElement>

using namespace orvex;

namespace {

// Built, never run: every operation the application calls through the
// toolbox, with the arguments it passes, resolves to exactly one function.
// A subsystem that gains a name another one already has makes its call
// ambiguous here, and this program fails to build.
[[maybe_unused]] void callsThroughTheToolbox(QDomElement element, WexTreeNode::Ptr node,
                                             const MacroInfo &macro)
{
    std::uint8_t report[8] = {};
    std::uint16_t address = 0x0400;

    // Command channel
    (void)OrvexAction::sysDeviceReq;
    OrvexAction::GetCommand(report, 8);
    OrvexAction::SetCommand(report, 8);
    OrvexAction::refreshDeviceData();
    OrvexAction::resetDev();
    OrvexAction::setAdrrData(0xAB, 0x0123);
    OrvexAction::getAdrrDataWithAddr(0x3B40);
    OrvexAction::setProfileToDevice(2);
    OrvexAction::startListenDev();
    OrvexAction::checkListenDev();

    // Memory map
    OrvexAction::getOffsetAdrBy(0x10E, 3);
    OrvexAction::getBtnIndexBy(OrvexAction::getBtnIndexBy2(4));
    OrvexAction::getColorIndex(OrvexAction::getColorIndex2(5));
    OrvexAction::getMacroType(OrvexAction::getMacroType2(7));
    OrvexAction::getBtnTypePro(6);
    OrvexAction::GetFWKeyCode(0);
    OrvexAction::setMacroKeyData(0, 1, &address);

    // Transfers on the transfer record
    OrvexAction::currSetProfileID = 1;
    ORVEX_PROFILE &record = OrvexAction::currSetProfile;
    OrvexAction::setBtnInfoToDevice();
    OrvexAction::getBtnInfoFromDevice();
    OrvexAction::setMacroInfoToDevice(1, 3, record);
    OrvexAction::getMacroInfoFromDevice(1, 3, record);
    OrvexAction::setColorToDevice();
    OrvexAction::getColorFromDevice();
    OrvexAction::setSettingToDev();
    OrvexAction::setDPILevelToDev();
    OrvexAction::getSettingFromDev();
    OrvexAction::setFWProfileName(OrvexAction::getFWProfileName());
    OrvexAction::getFWProfile();
    OrvexAction::setCurrBtnInfoToDevice();
    OrvexAction::setCurrBtnInfoToDevicePro();
    OrvexAction::setCurrColorToDev();
    OrvexAction::setCurrSettingToDev();
    OrvexAction::setCurrDPILevelToDev();
    OrvexAction::applyFWData();
    OrvexAction::applyFWDataPro();
    OrvexAction::getAllFWData();
    OrvexAction::getAllFWDataPro();
    OrvexAction::showLoadViewPro();
    OrvexAction::hideLoadViewPro();

    // Profile store and system preferences
    OrvexAction::getSysPath();
    OrvexAction::selProfile = record;
    OrvexAction::isNeedSave = true;
    (void)OrvexAction::sysProCon;
    OrvexAction::getShareProCon();
    (void)OrvexAction::selMouseAction;
    OrvexAction::firstUp();
    OrvexAction::initSysPrePro();
    OrvexAction::updateSysPreSettingPro();
    OrvexAction::setSysPreSettingValue(5, 1);
    OrvexAction::resetSysProSettingToDef();
    OrvexAction::applySysPreSettingToDef();
    OrvexAction::daemonGetOsd();

    // Catalogue
    (void)OrvexAction::macroListArrs;
    (void)OrvexAction::macroNode;
    (void)OrvexAction::macroMenuNode;
    (void)OrvexAction::singleMenuNode;
    OrvexAction::initMenuList();
    OrvexAction::refreshMenuList();
    OrvexAction::saveMenuList();
    OrvexAction::initMacroList(element);
    OrvexAction::addMacroInfoByEle(element);
    OrvexAction::initMacroMenulist(element);
    OrvexAction::initSingleMenulist(element);
    OrvexAction::addNodeByEle(element, node);
    OrvexAction::initNodeTooltip(node);
    OrvexAction::addElementByNode(macro, element);
    OrvexAction::SaveMacroInfoToEle(element, macro);
    OrvexAction::getNewMacorId();
    OrvexAction::addMacorByName(QStringLiteral("Macro"));
    OrvexAction::getMacroById(1);
    OrvexAction::getMacroByName(OrvexAction::getMacroNameById(1));
    OrvexAction::getSingleById(1);
    OrvexAction::getSingleByBtnInfo(record.btnInfo[0]);
    OrvexAction::getSingleNameById(1);
    OrvexAction::getMacroMenuByFunid(1);
    OrvexAction::getMacroMenuNameById(1);

    // Messages
    OrvexAction::sendMessageToDaemon(101);
    OrvexAction::sendMessageToDaemon(111, {1, 2});
    OrvexAction::sendProfileChangeToDaemon(1);
    OrvexAction::sendModeChangeToDaemon(1);
    OrvexAction::sendRateChangeToDaemon(2);
    OrvexAction::sendDPiChangeToDaemon(2, 16, 16);
    OrvexAction::sendHideLoadView(0);
    OrvexAction::sendFinishWinMsg(1, 2);

    OrvexAction::resetState();
}

} // namespace
