// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/SystemPreferences.h"

#include "platform/PreferencesFile.h"
#include "platform/ProcessState.h"
#include "platform/WexLogger.h"
#include "platform/WexMouseAction.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

namespace orvex {

namespace {
const bool registeredReset = ProcessState::add("SystemPreferences", &SystemPreferences::resetState);
} // namespace

WexMouseAction &SystemPreferences::mouseAction()
{
    if (!selMouseAction) {
        selMouseAction = new WexMouseAction;
        for (int type : {WexMouseAction::Acceleration, WexMouseAction::ScrollSpeed,
                         WexMouseAction::DoubleClickSpeed})
            selMouseAction->addSettingItem(type);
        selMouseAction->startSynchronize();
    }
    return *selMouseAction;
}

bool SystemPreferences::firstUp()
{
    const QString key = QLatin1String(PreferencesFile::FirstUpKey);
    const bool done = PreferencesFile::boolValue(key).value_or(false);
    if (!done)
        PreferencesFile::setBoolValue(key, true);
    return done;
}

void SystemPreferences::initSysPrePro()
{
    mouseAction();
    if (PreferencesFile::boolValue(QLatin1String(PreferencesFile::FirstUpKey)).value_or(false))
        return;
    ORVEX_INFO(QStringLiteral("first run: the system mouse settings go into every profile"));
    updateSysPreSettingPro();
    ProfieController *controller = ProfileState::getShareProCon();
    controller->saveSelProfileToData();
    const ORVEX_PROFILE &system = ProfileState::selProfile;
    for (const ProfileValuePtr &profile : controller->profileArr) {
        ORVEX_PROFILE data = profile->profileData();
        data.acceler = system.acceler;
        data.doubleSpeed = system.doubleSpeed;
        data.srcSpeed = system.srcSpeed;
        profile->setProfileData(data);
    }
    // The flag is set only once the copy is on disk, so a failed save is
    // retried at the next start.
    if (controller->saveToSys())
        firstUp();
    else
        ORVEX_WARNING(QStringLiteral("first-run copy not saved; it is tried again next start"));
}

void SystemPreferences::updateSysPreSettingPro()
{
    WexMouseAction &action = mouseAction();
    ORVEX_PROFILE &record = ProfileState::selProfile;
    record.acceler = std::uint32_t(action.getValueByType(WexMouseAction::Acceleration));
    record.srcSpeed = std::uint32_t(action.getValueByType(WexMouseAction::ScrollSpeed));
    record.doubleSpeed = std::uint32_t(action.getValueByType(WexMouseAction::DoubleClickSpeed));
}

void SystemPreferences::setSysPreSettingValue(int value, int type)
{
    mouseAction().setValue(value, type);
}

void SystemPreferences::resetSysProSettingToDef()
{
    mouseAction().resetDefault();
}

void SystemPreferences::applySysPreSettingToDef()
{
    mouseAction().applyDefault();
}

void SystemPreferences::resetState()
{
    delete selMouseAction;
    selMouseAction = nullptr;
}

} // namespace orvex
