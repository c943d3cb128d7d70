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
#include "device/TransferWorker.h"
#include "messaging/AgentMessaging.h"
#include "messaging/LoadingOverlayHook.h"
#include "messaging/MainThreadCall.h"
#include "platform/ProcessState.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

#include <QMutexLocker>

#include <atomic>
#include <optional>

namespace orvex {

namespace {

constexpr int ButtonTransferEnd = 0;
constexpr int DeviceTransferEnd = 1;

constexpr long long DefaultSettleMs = 5000;
std::atomic<long long> settleMs{DefaultSettleMs};

// Main thread only, like everything reached through it.
ProfieController *controller()
{
    return ProfileState::getShareProCon();
}

// Runs a step that needs the profile store on the main thread. A worker lets
// go of the command channel while it waits (keeping other programs out), so
// that the main thread never waits for the channel while the worker waits
// for the main thread. False when the step did not run.
bool onMainThread(const std::function<void()> &step)
{
    if (MainThreadCall::isMainThread()) {
        step();
        return true;
    }
    DeviceCommandLock &channel = DeviceLink::commandLock();
    const int depth = channel.suspend();
    const bool ran = MainThreadCall::run(step);
    channel.resume(depth);
    if (!ran)
        ORVEX_WARNING(QStringLiteral("the application ended before the import was done"));
    return ran;
}

// What an import changes and puts back when it fails.
struct Selection
{
    int slot = 0;
    ORVEX_PROFILE record{};
    bool needSave = false;
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

// A slot bound to its stored profile: the record the mouse's bytes are read
// into, and the name to write back for a slot that had none.
struct SlotBinding
{
    ORVEX_PROFILE base{};
    std::optional<QString> newName;
};

SlotBinding bindSlot(int slot, const QString &nameOnMouse)
{
    ProfieController *profiles = controller();
    profiles->setCurrFWProfileIndex(slot);
    SlotBinding binding;
    ProfileValuePtr profile;
    if (nameOnMouse.isEmpty()) {
        profile = profiles->addProfile();
        binding.newName = profile->name();
    } else {
        profile = storedProfileNamed(nameOnMouse, slot);
        if (!profile)
            profile = profiles->addProfileByName(nameOnMouse, nullptr);
    }
    profiles->setProfileToFWPro(profile->profileId());
    binding.base = ProfileState::selProfile;
    return binding;
}

void storeSlot(const ORVEX_PROFILE &read)
{
    ProfileState::selProfile = read;
    controller()->saveSelProfileToData();
}

// Keeps what the import read, or, when it did not read everything or could
// not save it, drops it.
DeviceTransfer::ImportOutcome finishImport(bool read, const Selection &before)
{
    using Outcome = DeviceTransfer::ImportOutcome;
    Outcome outcome = Outcome::Imported;
    if (!read)
        outcome = Outcome::MouseStopped;
    else if (!controller()->saveToSys())
        outcome = Outcome::FolderNotWritten;
    if (outcome == Outcome::Imported) {
        controller()->setCurrFWProfileIndex(before.slot);
    } else {
        // A failed save leaves every profile file it had not yet replaced as
        // it was: reloading the folder drops what the import had changed in
        // memory.
        controller()->refreshProfile();
        restoreSelection(before);
    }
    return outcome;
}

void reportImportFailure(DeviceTransfer::ImportOutcome outcome)
{
    using Outcome = DeviceTransfer::ImportOutcome;
    if (outcome == Outcome::MouseStopped && DeviceLink::stopRequested())
        ORVEX_WARNING(QStringLiteral("import stopped on request; stored profiles unchanged"));
    else if (outcome == Outcome::MouseStopped)
        ORVEX_WARNING(
            QStringLiteral("import stopped: the mouse did not answer; stored profiles unchanged"));
    else if (outcome == Outcome::FolderNotWritten)
        ORVEX_WARNING(QStringLiteral("import read the mouse, but the profile folder could not be "
                                     "written; stored profiles unchanged"));
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

DeviceTransfer::WorkingRecord DeviceTransfer::takeWorkingRecord()
{
    const ProfileValuePtr profile = controller()->currProfile();
    return {controller()->currFWProfileIndex(), profile ? profile->name() : QString(),
            ProfileState::selProfile};
}

void DeviceTransfer::useWorkingRecord(const WorkingRecord &working)
{
    TransferState::currSetProfile = working.record;
    TransferState::currSetProfileID = working.slot;
}

bool DeviceTransfer::setCurrBtnInfoToDevice()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return sendButtons(takeWorkingRecord());
}

bool DeviceTransfer::sendButtons(const WorkingRecord &working)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    useWorkingRecord(working);
    TransferProgress::begin(QStringLiteral("Writing buttons"),
                            ButtonTransfer::planButtons(working.slot, working.record).needed());
    const bool sent = ButtonTransfer::setBtnInfoToDevice();
    TransferProgress::end();
    AgentMessaging::sendHideLoadView(ButtonTransferEnd, sent);
    return sent;
}

bool DeviceTransfer::setCurrColorToDev()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    useWorkingRecord(takeWorkingRecord());
    return SettingsTransfer::setColorToDevice();
}

bool DeviceTransfer::setCurrSettingToDev()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    useWorkingRecord(takeWorkingRecord());
    return SettingsTransfer::setSettingToDev();
}

bool DeviceTransfer::setCurrDPILevelToDev()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    useWorkingRecord(takeWorkingRecord());
    return SettingsTransfer::setDPILevelToDev();
}

bool DeviceTransfer::applyFWData()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return sendProfile(takeWorkingRecord());
}

bool DeviceTransfer::sendProfile(const WorkingRecord &working)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    useWorkingRecord(working);
    const OnboardProfile onboard{working.slot, working.name, working.record};
    TransferProgress::begin(QStringLiteral("Writing profile %1").arg(working.slot + 1),
                            onboard.plan().needed());
    const bool sent = onboard.write();
    TransferProgress::end();
    if (!sent && DeviceLink::stopRequested())
        ORVEX_WARNING(QStringLiteral("applying profile \"%1\" to slot %2 stopped on request")
                          .arg(working.name)
                          .arg(working.slot));
    else if (!sent)
        ORVEX_WARNING(
            QStringLiteral("applying profile \"%1\" to slot %2 failed: the mouse did not answer")
                .arg(working.name)
                .arg(working.slot));
    AgentMessaging::sendHideLoadView(ButtonTransferEnd, sent);
    return sent;
}

bool DeviceTransfer::readApplyTargets()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    const WorkingRecord working = takeWorkingRecord();
    const OnboardProfile onboard{working.slot, working.name, working.record};
    TransferProgress::begin(QStringLiteral("Reading profile %1").arg(working.slot + 1),
                            onboard.plan().size());
    const bool read = onboard.readTargets();
    TransferProgress::end();
    return read;
}

bool DeviceTransfer::importSlot(int slot)
{
    const std::optional<QString> name = SettingsTransfer::readName(slot);
    if (!name)
        return false;
    SlotBinding binding;
    if (!onMainThread([&] { binding = bindSlot(slot, *name); }))
        return false;
    if (binding.newName &&
        !DeviceLink::finishWrites(SettingsTransfer::writeName(slot, *binding.newName)))
        return false;
    const std::optional<ORVEX_PROFILE> read = OnboardProfile::readRecord(slot, binding.base);
    if (!read || !ButtonTransfer::readMacroBytes(slot, *read))
        return false;
    return onMainThread([&] { storeSlot(*read); });
}

bool DeviceTransfer::getAllFWData()
{
    return importAll() == ImportOutcome::Imported;
}

DeviceTransfer::ImportOutcome DeviceTransfer::importAll()
{
    QMutexLocker lock(&DeviceLink::commandLock());
    const ImportOutcome outcome =
        DeviceLink::sleepUnlessStopped(settlePause()) ? importSlots() : ImportOutcome::MouseStopped;
    reportImportFailure(outcome);
    AgentMessaging::sendHideLoadView(DeviceTransferEnd, outcome == ImportOutcome::Imported);
    return outcome;
}

DeviceTransfer::ImportOutcome DeviceTransfer::importSlots()
{
    Selection before;
    if (!onMainThread([&] { before = rememberSelection(); }))
        return ImportOutcome::MouseStopped;
    bool read = true;
    for (int slot = 0; slot < fwmem::ProfileCount && read; ++slot) {
        TransferProgress::begin(
            QStringLiteral("Reading profile %1 of %2").arg(slot + 1).arg(fwmem::ProfileCount),
            OnboardProfile::readStepsEstimate());
        read = importSlot(slot);
    }
    TransferProgress::end();
    ImportOutcome outcome = ImportOutcome::MouseStopped;
    onMainThread([&] { outcome = finishImport(read, before); });
    return outcome;
}

bool DeviceTransfer::startBehindOverlay(std::function<void()> transfer)
{
    const bool started = TransferWorker::start([transfer = std::move(transfer)] {
        TransferProgress::setListener(&LoadingOverlayHook::reportProgress);
        transfer();
        TransferProgress::setListener({});
    });
    if (started)
        LoadingOverlayHook::show();
    return started;
}

bool DeviceTransfer::setCurrBtnInfoToDevicePro()
{
    const WorkingRecord working = takeWorkingRecord();
    return startBehindOverlay([working] { sendButtons(working); });
}

bool DeviceTransfer::applyFWDataPro()
{
    const WorkingRecord working = takeWorkingRecord();
    return startBehindOverlay([working] { sendProfile(working); });
}

bool DeviceTransfer::getAllFWDataPro()
{
    return startBehindOverlay([] { importAll(); });
}

} // namespace orvex
