// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceTransfer.h"

#include "device/ButtonTransfer.h"
#include "device/DeviceLink.h"
#include "device/FirmwareName.h"
#include "device/MemoryMap.h"
#include "device/OnboardProfile.h"
#include "device/SettingsTransfer.h"
#include "device/TransferProgress.h"
#include "device/TransferState.h"
#include "messaging/AgentMessaging.h"
#include "messaging/LoadingOverlayHook.h"
#include "platform/ProcessState.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

#include <QMutexLocker>

#include <atomic>
#include <thread>

namespace orvex {

namespace {

constexpr int ButtonTransferEnd = 0;
constexpr int DeviceTransferEnd = 1;

constexpr long long DefaultSettleMs = 5000;
std::atomic<long long> settleMs{DefaultSettleMs};

ProfieController *controller()
{
    return ProfileState::getShareProCon();
}

// What an import changes and puts back when it fails.
struct Selection
{
    int slot;
    ORVEX_PROFILE record;
    bool needSave;
};

Selection rememberSelection()
{
    return {controller()->currFWProfileIndex(), ProfileState::selProfile, ProfileState::isNeedSave};
}

void restoreSelection(const Selection &selection)
{
    controller()->setCurrFWProfileIndex(selection.slot);
    ProfileState::selProfile = selection.record;
    ProfileState::isNeedSave = selection.needSave;
}

// The stored profile whose name the mouse holds. Names reach the mouse in
// their stored form ("Café" as "Cafe", cut to 32 characters), so a profile
// matches when its name would be written as the one read; among several, the
// one of exactly that name wins, then the one already bound to the slot.
ProfileValuePtr storedProfileNamed(const QString &nameOnMouse, int slot)
{
    if (ProfileValuePtr exact = controller()->getProfileByName(nameOnMouse))
        return exact;
    const QByteArray stored = nameOnMouse.toLatin1();
    const ProfileValuePtr bound = controller()->getProfileByFWProId(slot);
    if (bound && FirmwareName::encode(bound->name()) == stored)
        return bound;
    for (const ProfileValuePtr &profile : controller()->profileArr) {
        if (FirmwareName::encode(profile->name()) == stored)
            return profile;
    }
    return nullptr;
}

const bool registeredReset = ProcessState::add("DeviceTransfer", &DeviceTransfer::resetState);

} // namespace

void DeviceTransfer::setSettlePause(std::chrono::milliseconds pause)
{
    settleMs = pause.count();
}

std::chrono::milliseconds DeviceTransfer::settlePause()
{
    return std::chrono::milliseconds(settleMs.load());
}

void DeviceTransfer::resetState()
{
    settleMs = DefaultSettleMs;
}

void DeviceTransfer::takeWorkingRecord()
{
    TransferState::currSetProfile = ProfileState::selProfile;
    TransferState::currSetProfileID = controller()->currFWProfileIndex();
}

bool DeviceTransfer::setCurrBtnInfoToDevice()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    takeWorkingRecord();
    TransferProgress::begin(QStringLiteral("Writing buttons"), fwmem::ButtonSlotCount * 5);
    const bool sent = ButtonTransfer::setBtnInfoToDevice();
    TransferProgress::end();
    AgentMessaging::sendHideLoadView(ButtonTransferEnd, sent);
    return sent;
}

bool DeviceTransfer::setCurrColorToDev()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    takeWorkingRecord();
    return SettingsTransfer::setColorToDevice();
}

bool DeviceTransfer::setCurrSettingToDev()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    takeWorkingRecord();
    return SettingsTransfer::setSettingToDev();
}

bool DeviceTransfer::setCurrDPILevelToDev()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    takeWorkingRecord();
    return SettingsTransfer::setDPILevelToDev();
}

bool DeviceTransfer::applyFWData()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    takeWorkingRecord();
    const ProfileValuePtr profile = controller()->currProfile();
    const QString name = profile ? profile->name() : QString();
    TransferProgress::begin(
        QStringLiteral("Writing profile %1").arg(TransferState::currSetProfileID + 1),
        OnboardProfile::readStepsEstimate() + name.size());
    const bool sent =
        OnboardProfile{TransferState::currSetProfileID, name, TransferState::currSetProfile}
            .write();
    TransferProgress::end();
    if (!sent)
        ORVEX_WARNING(
            QStringLiteral("applying profile \"%1\" to slot %2 failed: the mouse did not answer")
                .arg(name)
                .arg(TransferState::currSetProfileID));
    AgentMessaging::sendHideLoadView(ButtonTransferEnd, sent);
    return sent;
}

bool DeviceTransfer::importSlot(int slot)
{
    ProfieController *profiles = controller();
    profiles->setCurrFWProfileIndex(slot);
    const std::optional<QString> name = SettingsTransfer::readName(slot);
    if (!name)
        return false;
    ProfileValuePtr profile;
    if (name->isEmpty()) {
        profile = profiles->addProfile();
        if (!DeviceLink::finishWrites(SettingsTransfer::writeName(slot, profile->name())))
            return false;
    } else {
        profile = storedProfileNamed(*name, slot);
        if (!profile)
            profile = profiles->addProfileByName(*name, nullptr);
    }
    profiles->setProfileToFWPro(profile->profileId());
    const std::optional<ORVEX_PROFILE> read =
        OnboardProfile::readRecord(slot, ProfileState::selProfile);
    if (!read)
        return false;
    ProfileState::selProfile = *read;
    profiles->saveSelProfileToData();
    return true;
}

bool DeviceTransfer::getAllFWData()
{
    return importAll() == ImportOutcome::Imported;
}

DeviceTransfer::ImportOutcome DeviceTransfer::importAll()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    std::this_thread::sleep_for(settlePause());
    const Selection before = rememberSelection();
    bool read = true;
    for (int slot = 0; slot < fwmem::ProfileCount && read; ++slot) {
        TransferProgress::begin(
            QStringLiteral("Reading profile %1 of %2").arg(slot + 1).arg(fwmem::ProfileCount),
            OnboardProfile::readStepsEstimate());
        read = importSlot(slot);
    }
    TransferProgress::end();
    ImportOutcome outcome = ImportOutcome::Imported;
    if (!read) {
        outcome = ImportOutcome::MouseStopped;
        ORVEX_WARNING(
            QStringLiteral("import stopped: the mouse did not answer; stored profiles unchanged"));
    } else if (!controller()->saveToSys()) {
        outcome = ImportOutcome::FolderNotWritten;
        ORVEX_WARNING(QStringLiteral("import read the mouse, but the profile folder could not be "
                                     "written; stored profiles unchanged"));
    }
    if (outcome == ImportOutcome::Imported) {
        controller()->setCurrFWProfileIndex(before.slot);
    } else {
        // A failed save leaves every profile file it had not yet replaced as
        // it was: reloading the folder drops what the import had changed in
        // memory.
        controller()->refreshProfile();
        restoreSelection(before);
    }
    AgentMessaging::sendHideLoadView(DeviceTransferEnd, outcome == ImportOutcome::Imported);
    return outcome;
}

void DeviceTransfer::runOnWorker(bool (*transfer)())
{
    LoadingOverlayHook::show();
    std::thread([transfer] {
        TransferProgress::setListener(&LoadingOverlayHook::reportProgress);
        transfer();
        TransferProgress::setListener({});
    }).detach();
}

void DeviceTransfer::setCurrBtnInfoToDevicePro()
{
    runOnWorker(&DeviceTransfer::setCurrBtnInfoToDevice);
}

void DeviceTransfer::applyFWDataPro()
{
    runOnWorker(&DeviceTransfer::applyFWData);
}

void DeviceTransfer::getAllFWDataPro()
{
    runOnWorker(&DeviceTransfer::getAllFWData);
}

} // namespace orvex
