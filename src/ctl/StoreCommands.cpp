// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreCommands.h"

#include "DeviceConnection.h"
#include "ProgressLine.h"

#include "catalogue/Catalogue.h"
#include "device/DeviceLink.h"
#include "device/DeviceTransfer.h"
#include "device/MemoryMap.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"
#include "profile/ProfileValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

#include <cstring>

namespace orvex::ctl {

namespace {

constexpr int MaxSettleMs = 60000;

ProfieController *store()
{
    return ProfileState::getShareProCon();
}

// The onboard slots bound to a profile.
QList<int> slotsOf(const ProfileValue &profile)
{
    QList<int> bound;
    for (int slot = 0; slot < fwmem::ProfileCount; ++slot) {
        const ProfileValuePtr owner = store()->getProfileByFWProId(slot);
        if (owner && owner->profileId() == profile.profileId())
            bound << slot;
    }
    return bound;
}

// An argument that names no stored profile but ends like a profile file
// means a file, present or not.
bool isProfileFileName(const QString &argument)
{
    return argument.endsWith(QLatin1String(".pro"), Qt::CaseInsensitive);
}

bool sameSettings(const ProfileValue &a, const ProfileValue &b)
{
    const ORVEX_PROFILE first = a.profileData();
    const ORVEX_PROFILE second = b.profileData();
    return std::memcmp(&first, &second, sizeof(ORVEX_PROFILE)) == 0;
}

} // namespace

StoreCommands::StoreCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err)
{
    Catalogue::initMenuList();
}

bool StoreCommands::singleOption(const CtlInvocation &invocation, const QString &name,
                                 QString *value, bool *repeated)
{
    const QList<std::optional<QString>> values = invocation.optionValues(name);
    *repeated = values.size() > 1;
    if (values.isEmpty())
        return true;
    // Only an option that ends the command line lacks its value, so a first
    // one without a value is the only one.
    if (!values.first()) {
        m_err << "orvexctl: " << name << " needs a value\n";
        return false;
    }
    *value = *values.first();
    return true;
}

int StoreCommands::profiles(const CtlInvocation &invocation)
{
    if (!invocation.arguments.isEmpty()) {
        m_err << "orvexctl: profiles takes no arguments\n";
        return ExitUsageError;
    }
    QJsonArray list;
    QString text;
    QTextStream lines(&text);
    for (const ProfileValuePtr &profile : store()->profileArr) {
        const QList<int> bound = slotsOf(*profile);
        QJsonArray slotArray;
        QStringList slotNames;
        for (int slot : bound) {
            slotArray.append(slot);
            slotNames << QString::number(slot);
        }
        list.append(QJsonObject{{QStringLiteral("profileId"), qint64(profile->profileId())},
                                {QStringLiteral("name"), profile->name()},
                                {QStringLiteral("isDefault"), profile->isDefault()},
                                {QStringLiteral("slots"), slotArray}});
        lines << QString::number(profile->profileId()).rightJustified(4) << "  "
              << (profile->isDefault() ? "factory " : "        ") << profile->name();
        if (!slotNames.isEmpty())
            lines << "  (slot " << slotNames.join(QStringLiteral(", ")) << ')';
        lines << '\n';
    }
    lines.flush();
    if (invocation.json)
        m_out << QJsonDocument(list).toJson(QJsonDocument::Indented);
    else
        m_out << text;
    return ExitOk;
}

int StoreCommands::import(const CtlInvocation &invocation)
{
    QString settle;
    bool repeated = false;
    if (!singleOption(invocation, QStringLiteral("--settle"), &settle, &repeated))
        return ExitUsageError;
    const auto settleMs = settle.isEmpty()
                              ? std::optional<int>(int(DeviceTransfer::settlePause().count()))
                              : CtlInvocation::number(settle, 0, MaxSettleMs);
    if (!settleMs || repeated || !invocation.arguments.isEmpty()) {
        m_err << "orvexctl: import takes only --settle MS (" << CtlInvocation::range(0, MaxSettleMs)
              << ")\n";
        return ExitUsageError;
    }
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    DeviceTransfer::setSettlePause(std::chrono::milliseconds(*settleMs));
    store();
    DeviceTransfer::ImportOutcome outcome;
    {
        ProgressLine progress;
        outcome = DeviceTransfer::importAll();
    }
    switch (outcome) {
    case DeviceTransfer::ImportOutcome::Imported:
        break;
    case DeviceTransfer::ImportOutcome::MouseStopped:
        m_err
            << "orvexctl: import: the mouse stopped answering; the stored profiles are unchanged\n";
        return ExitDeviceError;
    case DeviceTransfer::ImportOutcome::FolderNotWritten:
        m_err << "orvexctl: import: the profile folder could not be written; the stored profiles "
                 "are unchanged\n";
        return ExitDeviceError;
    }
    for (int slot = 0; slot < fwmem::ProfileCount; ++slot) {
        const ProfileValuePtr bound = store()->getProfileByFWProId(slot);
        m_out << "slot " << slot << ": " << (bound ? bound->name() : QString()) << '\n';
    }
    return ExitOk;
}

int StoreCommands::apply(const CtlInvocation &invocation)
{
    QString slotText;
    bool repeated = false;
    if (!singleOption(invocation, QStringLiteral("--slot"), &slotText, &repeated))
        return ExitUsageError;
    const auto slot =
        CtlInvocation::number(slotText, CtlInvocation::FirstSlot, CtlInvocation::LastSlot);
    if (!slot || repeated || invocation.arguments.size() != 1) {
        m_err << "orvexctl: apply takes NAME or FILE.pro and --slot N ("
              << CtlInvocation::slotRange() << ")\n";
        return ExitUsageError;
    }
    int unresolved = ExitOk;
    const ProfileValuePtr profile = profileToApply(invocation.arguments[0], *slot, &unresolved);
    if (!profile)
        return unresolved;
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    // The binding is stored only once the mouse holds the profile: a slot
    // bound to a profile it does not hold would bind the next import to the
    // wrong stored profile.
    store()->setCurrFWProfileIndex(*slot);
    store()->setProfileToFWPro(profile->profileId());
    const bool changedOnly = invocation.has(QStringLiteral("--changed-only"));
    const long long writesBefore = DeviceLink::writeRequestsSent();
    bool applied = false;
    {
        ProgressLine progress;
        // One hold of the mouse from the read to the last write, so that no
        // other program writes in between.
        QMutexLocker lock(&DeviceLink::commandLock());
        applied =
            (!changedOnly || DeviceTransfer::readApplyTargets()) && DeviceTransfer::applyFWData();
    }
    if (!applied) {
        m_err << "orvexctl: apply: the mouse stopped answering; slot " << *slot
              << " keeps what it held and the stored profiles are unchanged\n";
        return ExitDeviceError;
    }
    if (!store()->saveToSys()) {
        m_err << "orvexctl: apply: slot " << *slot << " holds " << profile->name()
              << ", but the profile folder could not be written\n";
        return ExitDeviceError;
    }
    m_out << "slot " << *slot << ": " << profile->name();
    if (changedOnly) {
        const long long written = DeviceLink::writeRequestsSent() - writesBefore;
        m_out << " (" << written << (written == 1 ? " byte" : " bytes") << " written)";
    }
    m_out << '\n';
    return ExitOk;
}

// A stored profile of that name, else the profile of the file `source`: the
// stored profile of the file's name when there is one (the file is not a
// second copy of it), else the file imported.
ProfileValuePtr StoreCommands::profileToApply(const QString &source, int slot, int *status)
{
    if (const ProfileValuePtr stored = store()->getProfileByName(source))
        return stored;
    if (!isProfileFileName(source)) {
        m_err << "orvexctl: apply: no stored profile or profile file '" << source << "'\n";
        *status = ExitUsageError;
        return nullptr;
    }
    QString refusal;
    const ProfileValuePtr file = ProfileValue::initWithPath(source, &refusal);
    if (!file) {
        m_err << "orvexctl: apply: " << source << " is not a readable profile file (" << refusal
              << ")\n";
        *status = ExitImportUnreadable;
        return nullptr;
    }
    if (const ProfileValuePtr stored = store()->getProfileByName(file->name())) {
        if (!sameSettings(*stored, *file))
            m_err << "orvexctl: apply: a stored profile is named '" << file->name()
                  << "'; applying it, not the settings in " << source << '\n';
        return stored;
    }
    // A refused launcher takes the default of the slot the profile goes to.
    store()->setCurrFWProfileIndex(slot);
    ProfieController::ImportReport report;
    store()->importProfile(file, &report);
    printRefusedLaunchers(QStringLiteral("apply"), report.refusedLaunchers);
    return file;
}

void StoreCommands::printRefusedLaunchers(const QString &command,
                                          const QList<LauncherScreen::Refusal> &refused)
{
    for (const LauncherScreen::Refusal &launcher : refused)
        m_err << "orvexctl: " << command << ": launcher of " << ButtonKeyNames[launcher.button]
              << " set to its default, " << launcher.path << " is refused: " << launcher.reason
              << '\n';
}

int StoreCommands::exportFile(const CtlInvocation &invocation)
{
    if (invocation.arguments.size() != 2) {
        m_err << "orvexctl: export takes NAME and FILE.pro\n";
        return ExitUsageError;
    }
    const ProfileValuePtr profile = store()->getProfileByName(invocation.arguments[0]);
    if (!profile) {
        m_err << "orvexctl: export: no stored profile named '" << invocation.arguments[0] << "'\n";
        return ExitUsageError;
    }
    if (!profile->saveToPath(invocation.arguments[1])) {
        m_err << "orvexctl: export: cannot write " << invocation.arguments[1] << '\n';
        return ExitUsageError;
    }
    return ExitOk;
}

int StoreCommands::importFile(const CtlInvocation &invocation)
{
    if (invocation.arguments.size() != 1) {
        m_err << "orvexctl: import-file takes one FILE.pro\n";
        return ExitUsageError;
    }
    const QString &path = invocation.arguments[0];
    ProfieController::ImportReport report;
    switch (store()->addByPath(path, &report)) {
    case ProfieController::Imported:
        printRefusedLaunchers(QStringLiteral("import-file"), report.refusedLaunchers);
        if (!store()->saveToSys()) {
            m_err << "orvexctl: import-file: the profile folder could not be written\n";
            return ExitDeviceError;
        }
        m_out << "imported " << path << '\n';
        return ExitOk;
    case ProfieController::NameTaken:
        m_err << "orvexctl: import-file: a stored profile already has the name in " << path << '\n';
        return ExitImportNameTaken;
    default:
        m_err << "orvexctl: import-file: " << path << " is not a readable profile file ("
              << report.refusal << ")\n";
        return ExitImportUnreadable;
    }
}

} // namespace orvex::ctl
