// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileCommands.h"

#include "DeviceConnection.h"
#include "ProfilePrinter.h"
#include "ProgressLine.h"

#include "OrvexAction.h"
#include "catalogue/Catalogue.h"
#include "device/OnboardProfile.h"
#include "device/SettingsTransfer.h"
#include "device/TransferProgress.h"
#include "profile/ProfileValue.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace orvex::ctl {

namespace {
constexpr int AllSlots = -1;
const QString SlotOption = QStringLiteral("--slot");
} // namespace

ProfileCommands::ProfileCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err)
{
    Catalogue::initMenuList();
}

// Every --slot given must name a slot; the last one counts.
std::optional<int> ProfileCommands::slotOption(const CtlInvocation &invocation)
{
    int slot = AllSlots;
    for (const std::optional<QString> &text : invocation.optionValues(SlotOption)) {
        const auto value =
            text ? CtlInvocation::number(*text, CtlInvocation::FirstSlot, CtlInvocation::LastSlot)
                 : std::nullopt;
        if (!value) {
            m_err << "orvexctl: --slot needs a slot number " << CtlInvocation::slotRange() << '\n';
            return std::nullopt;
        }
        slot = *value;
    }
    return slot;
}

int ProfileCommands::dump(const CtlInvocation &invocation)
{
    const auto slot = slotOption(invocation);
    if (!slot)
        return ExitUsageError;
    if (!invocation.arguments.isEmpty()) {
        m_err << "orvexctl: dump takes only --slot N (try orvexctl --help)\n";
        return ExitUsageError;
    }
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    const int active = SettingsTransfer::getFWProfile();
    const int first = *slot == AllSlots ? 0 : *slot;
    const int last = *slot == AllSlots ? fwmem::ProfileCount - 1 : *slot;

    QJsonArray profiles;
    QString text;
    ProgressLine progress;
    for (int s = first; s <= last; ++s) {
        TransferProgress::begin(QStringLiteral("Reading slot %1").arg(s),
                                OnboardProfile::readStepsEstimate());
        const auto onboard = OnboardProfile::read(s);
        TransferProgress::end();
        if (!onboard) {
            m_err << "orvexctl: dump: the mouse stopped answering while reading slot " << s << '\n';
            return ExitDeviceError;
        }
        const ProfilePrinter::Heading heading{
            QStringLiteral("Slot %1: %2%3")
                .arg(s)
                .arg(onboard->name, s == active ? QStringLiteral(" (active)") : QString()),
            QJsonObject{{QStringLiteral("slot"), s},
                        {QStringLiteral("name"), onboard->name},
                        {QStringLiteral("active"), s == active}}};
        profiles.append(ProfilePrinter::json(heading, onboard->profile));
        text += ProfilePrinter::text(heading, onboard->profile);
    }
    if (invocation.json)
        m_out << QJsonDocument(profiles).toJson(QJsonDocument::Indented);
    else
        m_out << text;
    return ExitOk;
}

int ProfileCommands::showFile(const CtlInvocation &invocation)
{
    if (invocation.arguments.size() != 1) {
        m_err << "orvexctl: show-file takes one profile file (try orvexctl --help)\n";
        return ExitUsageError;
    }
    const QString path = invocation.arguments[0];
    QString refusal;
    const auto value = ProfileValue::initWithPath(path, &refusal);
    if (!value) {
        m_err << "orvexctl: show-file: " << path << " is not a readable profile file (" << refusal
              << ")\n";
        return ExitImportUnreadable;
    }
    const qint64 size = QFileInfo(path).size();
    QJsonArray bound;
    for (std::int64_t id : value->fwProfileID)
        bound.append(qint64(id));
    const ProfilePrinter::Heading heading{
        QStringLiteral("Profile file %1: %2%3 (id %4)")
            .arg(QFileInfo(path).fileName(), value->name(),
                 value->isDefault() ? QStringLiteral(", factory profile") : QString())
            .arg(value->profileId()),
        QJsonObject{{QStringLiteral("file"), path},
                    {QStringLiteral("name"), value->name()},
                    {QStringLiteral("profileId"), qint64(value->profileId())},
                    {QStringLiteral("isDefault"), value->isDefault()},
                    {QStringLiteral("slotBindings"), bound},
                    {QStringLiteral("fileSize"), size}}};
    if (invocation.json)
        m_out << QJsonDocument(ProfilePrinter::json(heading, value->profileData()))
                     .toJson(QJsonDocument::Indented);
    else
        m_out << ProfilePrinter::text(heading, value->profileData());
    return ExitOk;
}

} // namespace orvex::ctl
