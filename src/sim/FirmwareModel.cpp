// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirmwareModel.h"

#include "FactoryImage.h"
#include "FirmwareReports.h"

#include "device/FirmwareFunctionTable.h"
#include "platform/WexLogger.h"

#include <algorithm>
#include <cstring>

namespace orvex::sim {

namespace {

using namespace fwreport;

FirmwareModel::Memory toMemory(const QByteArray &image)
{
    FirmwareModel::Memory memory{};
    std::memcpy(memory.data(), image.constData(), memory.size());
    return memory;
}

int addressOf(const Report &report)
{
    return report[AddressLowByte] | (report[AddressHighByte] << 8);
}

bool isInMemory(int address)
{
    return address >= 0 && address < fwmem::Size;
}

std::uint8_t profileNibble(int profile)
{
    return std::uint8_t(profile << ProfileShift);
}

} // namespace

FirmwareModel::FirmwareModel() : FirmwareModel(FactoryImage::build()) {}

FirmwareModel::FirmwareModel(const QByteArray &image)
{
    QByteArray start = image;
    if (start.size() != fwmem::Size) {
        ORVEX_WARNING(
            QStringLiteral("memory image of %1 bytes instead of %2; using the factory image")
                .arg(start.size())
                .arg(fwmem::Size));
        start = FactoryImage::build();
    }
    m_applied = toMemory(start);
    m_written = m_applied;
}

bool FirmwareModel::setFeatureReport(const Report &report)
{
    Notifications out;
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged)
            return false;
        if (m_trace)
            m_trace(ReportDirection::Set, report);
        switch (report[CommandByte]) {
        case Control:
            control(report, out);
            break;
        case WriteByte:
            writeByte(report);
            break;
        case ReadByte:
            readByte(report);
            break;
        default:
            break; // unknown commands are ignored, as by the mouse
        }
    }
    notify(out);
    return true;
}

bool FirmwareModel::getFeatureReport(Report &report)
{
    std::lock_guard lock(m_mutex);
    if (!m_plugged || m_silent)
        return false;
    report = m_answer;
    if (m_trace)
        m_trace(ReportDirection::Get, report);
    return true;
}

bool FirmwareModel::isPlugged() const
{
    std::lock_guard lock(m_mutex);
    return m_plugged;
}

void FirmwareModel::setSilent(bool silent)
{
    std::lock_guard lock(m_mutex);
    m_silent = silent;
}

bool FirmwareModel::isSilent() const
{
    std::lock_guard lock(m_mutex);
    return m_silent;
}

void FirmwareModel::control(const Report &report, Notifications &out)
{
    switch (report[ControlByte]) {
    case ControlReload:
        m_applied = m_written;
        out.appliedChanged = true;
        break;
    case ControlReset:
        m_written = m_applied;
        m_answer = {};
        break;
    case ControlSelectProfile: {
        const int profile = report[SelectedProfileByte];
        if (profile >= fwmem::ProfileCount)
            break;
        const auto value = std::uint8_t(fwmem::ActiveProfileMark | profile);
        m_written[fwmem::ActiveProfile] = value;
        m_applied[fwmem::ActiveProfile] = value;
        out.appliedChanged = true;
        break;
    }
    default:
        break;
    }
}

void FirmwareModel::writeByte(const Report &report)
{
    const int address = addressOf(report);
    if (isInMemory(address))
        m_written[std::size_t(address)] = report[DataByte];
}

void FirmwareModel::readByte(const Report &report)
{
    const int address = addressOf(report);
    m_answer = {};
    m_answer[CommandByte] = ReadByte;
    m_answer[AnswerDataByte] = isInMemory(address) ? m_written[std::size_t(address)] : 0;
    m_answer[AnswerAddressLowByte] = report[AddressLowByte];
    m_answer[AnswerAddressHighByte] = report[AddressHighByte];
}

bool FirmwareModel::pressProfileButton()
{
    return stepProfile(ProfileStep::Next);
}

bool FirmwareModel::switchProfile(int profile)
{
    if (profile < 0 || profile >= fwmem::ProfileCount)
        return false;
    Notifications out;
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged)
            return false;
        applyProfile(profile, out);
    }
    notify(out);
    return true;
}

bool FirmwareModel::pressDpiUp()
{
    return stepStage(StageStep::Up);
}

bool FirmwareModel::pressDpiDown()
{
    return stepStage(StageStep::Down);
}

bool FirmwareModel::pressButton(int slot)
{
    if (slot < 0 || slot >= fwmem::ButtonSlotCount)
        return false;
    Notifications out;
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged)
            return false;
        applyButton(slot, out);
    }
    notify(out);
    return true;
}

void FirmwareModel::unplug()
{
    Notifications out;
    {
        std::lock_guard lock(m_mutex);
        out.plugChanged = m_plugged;
        out.plugged = false;
        m_plugged = false;
    }
    notify(out);
}

// Plugging in powers the mouse up: like a restart, writes not yet applied are
// gone and a firmware that had hung answers again.
void FirmwareModel::plug()
{
    Notifications out;
    {
        std::lock_guard lock(m_mutex);
        if (m_plugged)
            return;
        m_plugged = true;
        m_silent = false;
        m_written = m_applied;
        m_answer = {};
        out.plugChanged = true;
        out.plugged = true;
    }
    notify(out);
}

bool FirmwareModel::stepProfile(ProfileStep step)
{
    Notifications out;
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged)
            return false;
        const int delta = step == ProfileStep::Next ? 1 : fwmem::ProfileCount - 1;
        applyProfile((activeProfileLocked() + delta) % fwmem::ProfileCount, out);
    }
    notify(out);
    return true;
}

bool FirmwareModel::stepStage(StageStep step)
{
    Notifications out;
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged)
            return false;
        applyStage(step, out);
    }
    notify(out);
    return true;
}

// A profile switch on the mouse changes the active-profile byte in both
// memories, like the Select command, and tells the host: A4 01 p<<4.
void FirmwareModel::applyProfile(int profile, Notifications &out)
{
    const auto value = std::uint8_t(fwmem::ActiveProfileMark | profile);
    m_written[fwmem::ActiveProfile] = value;
    m_applied[fwmem::ActiveProfile] = value;
    out.appliedChanged = true;

    Report report{};
    report[CommandByte] = InputKind;
    report[EventByte] = EventProfile;
    report[ProfileByte] = profileNibble(profile);
    emitInput(report, out);
}

// A DPI button moves the stage bits of the active profile's performance byte
// (in both memories) and reports the stage with its X and Y bytes:
// A4 02 p<<4|stage X Y. At either end the stage stays and is reported again.
void FirmwareModel::applyStage(StageStep step, Notifications &out)
{
    const int profile = activeProfileLocked();
    const int current = activeStageLocked();
    int stage = current;
    if (step == StageStep::Up)
        stage = std::min(current + 1, fwmem::DpiStageCount - 1);
    else if (step == StageStep::Down)
        stage = std::max(current - 1, 0);
    else
        stage = (current + 1) % fwmem::DpiStageCount;

    const std::uint16_t performance = profileAddress(fwmem::Performance, profile);
    if (stage != current || (m_applied[performance] & StageMask) != stage) {
        for (Memory *memory : {&m_written, &m_applied})
            (*memory)[performance] = std::uint8_t(((*memory)[performance] & ~StageMask) | stage);
        out.appliedChanged = true;
    }

    Report report{};
    report[CommandByte] = InputKind;
    report[EventByte] = EventDpi;
    report[ProfileByte] = std::uint8_t(profileNibble(profile) | stage);
    report[DpiXByte] = m_applied[profileAddress(fwmem::DpiX + stage, profile)];
    report[DpiYByte] = m_applied[profileAddress(fwmem::DpiY + stage, profile)];
    emitInput(report, out);
}

// What a button does is decided by the function class stored for its slot in
// the applied memory of the active profile.
void FirmwareModel::applyButton(int slot, Notifications &out)
{
    const int profile = activeProfileLocked();
    const std::uint8_t functionClass =
        m_applied[profileAddress(fwmem::ButtonClass + slot, profile)];
    const std::uint8_t firstParam =
        m_applied[profileAddress(fwmem::ButtonParams + fwmem::ButtonParamCount * slot, profile)];

    Report report{};
    report[CommandByte] = InputKind;
    report[EventByte] = EventButton;
    report[ProfileByte] = profileNibble(profile);

    switch (functionClass) {
    case fwfunc::Launcher:
        report[ButtonCodeByte] =
            std::uint8_t(LauncherCodeBase + fwmem::ButtonSlotCount * profile + slot);
        emitInput(report, out);
        break;
    case fwfunc::ConfigApp:
        report[ButtonCodeByte] = ConfigAppCode;
        emitInput(report, out);
        break;
    case fwfunc::Dpi:
        if (firstParam == fwfunc::DpiUp)
            applyStage(StageStep::Up, out);
        else if (firstParam == fwfunc::DpiDown)
            applyStage(StageStep::Down, out);
        else if (firstParam == fwfunc::DpiCycle)
            applyStage(StageStep::Cycle, out);
        break;
    case fwfunc::ProfileSwitch:
        if (firstParam == fwfunc::ProfileNext)
            applyProfile((profile + 1) % fwmem::ProfileCount, out);
        else if (firstParam == fwfunc::ProfilePrevious)
            applyProfile((profile + fwmem::ProfileCount - 1) % fwmem::ProfileCount, out);
        break;
    default:
        break; // clicks, keys, media, wheel and macros go to the host as ordinary HID input
    }
}

void FirmwareModel::emitInput(const Report &report, Notifications &out)
{
    if (m_trace)
        m_trace(ReportDirection::In, report);
    out.inputReports.push_back(report);
}

std::uint8_t FirmwareModel::writtenByte(int address) const
{
    std::lock_guard lock(m_mutex);
    return isInMemory(address) ? m_written[std::size_t(address)] : 0;
}

std::uint8_t FirmwareModel::appliedByte(int address) const
{
    std::lock_guard lock(m_mutex);
    return isInMemory(address) ? m_applied[std::size_t(address)] : 0;
}

QByteArray FirmwareModel::appliedImage() const
{
    std::lock_guard lock(m_mutex);
    return QByteArray(reinterpret_cast<const char *>(m_applied.data()),
                      qsizetype(m_applied.size()));
}

int FirmwareModel::activeProfile() const
{
    std::lock_guard lock(m_mutex);
    return activeProfileLocked();
}

int FirmwareModel::activeStage() const
{
    std::lock_guard lock(m_mutex);
    return activeStageLocked();
}

// A byte naming no profile (the host may write anything) counts as profile 0.
int FirmwareModel::activeProfileLocked() const
{
    const int profile = m_applied[fwmem::ActiveProfile] & ActiveProfileMask;
    return profile < fwmem::ProfileCount ? profile : 0;
}

int FirmwareModel::activeStageLocked() const
{
    const int stage =
        m_applied[profileAddress(fwmem::Performance, activeProfileLocked())] & StageMask;
    return std::min(stage, fwmem::DpiStageCount - 1);
}

int FirmwareModel::addObserver(FirmwareObserver observer)
{
    std::lock_guard lock(m_mutex);
    const int id = m_nextObserverId++;
    m_observers.emplace(id, std::move(observer));
    return id;
}

void FirmwareModel::removeObserver(int id)
{
    std::lock_guard lock(m_mutex);
    m_observers.erase(id);
}

void FirmwareModel::setTraceSink(TraceSink sink)
{
    std::lock_guard lock(m_mutex);
    m_trace = std::move(sink);
}

void FirmwareModel::notify(const Notifications &notifications)
{
    std::vector<FirmwareObserver> observers;
    {
        std::lock_guard lock(m_mutex);
        for (const auto &entry : m_observers)
            observers.push_back(entry.second);
    }
    for (const FirmwareObserver &observer : observers) {
        if (notifications.plugChanged && observer.plugChanged)
            observer.plugChanged(notifications.plugged);
        if (observer.inputReport) {
            for (const Report &report : notifications.inputReports)
                observer.inputReport(report);
        }
        if (notifications.appliedChanged && observer.appliedMemoryChanged)
            observer.appliedMemoryChanged();
    }
}

} // namespace orvex::sim
