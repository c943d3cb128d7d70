// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceCommands.h"

#include "DeviceConnection.h"
#include "device/MemoryMap.h"

#include "OrvexAction.h"
#include "device/SettingsTransfer.h"
#include "device/WexHIDComFunction.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvex::ctl {

namespace {
constexpr int MaxAddress = 0xFFFF;
constexpr int MaxByte = 0xFF;

QString hexByte(int value)
{
    return QStringLiteral("0x") +
           QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

bool DeviceCommands::expectArguments(const CtlInvocation &invocation, int count)
{
    if (invocation.arguments.size() == count)
        return true;
    m_err << "orvexctl: " << invocation.command << " takes " << count << " argument"
          << (count == 1 ? "" : "s") << " (try orvexctl --help)\n";
    return false;
}

std::optional<int> DeviceCommands::argument(const CtlInvocation &invocation, int index, int minimum,
                                            int maximum, const char *what)
{
    const QString &text = invocation.arguments[index];
    const auto value = CtlInvocation::number(text, minimum, maximum);
    if (!value)
        m_err << "orvexctl: " << what << " '" << text << "' is not a number in "
              << CtlInvocation::range(minimum, maximum) << '\n';
    return value;
}

int DeviceCommands::deviceFailure(const QString &what)
{
    m_err << "orvexctl: " << what << ": the mouse did not answer\n";
    return ExitDeviceError;
}

std::optional<QString> DeviceCommands::readOnboardName(int slot)
{
    return SettingsTransfer::readName(slot);
}

int DeviceCommands::info(const CtlInvocation &invocation)
{
    if (!expectArguments(invocation, 0))
        return ExitUsageError;
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    const auto active = OrvexAction::readByteChecked(fwmem::ActiveProfile);
    if (!active)
        return deviceFailure(QStringLiteral("info"));
    const int activeSlot = *active & fwmem::ActiveProfileMask;
    QStringList names;
    for (int slot = 0; slot < fwmem::ProfileCount; ++slot) {
        const auto name = readOnboardName(slot);
        if (!name)
            return deviceFailure(QStringLiteral("info"));
        names << *name;
    }
    const QString device = OrvexAction::sysDeviceReq->describeDevice();
    if (invocation.json) {
        QJsonArray profiles;
        for (int slot = 0; slot < names.size(); ++slot)
            profiles.append(
                QJsonObject{{QStringLiteral("slot"), slot}, {QStringLiteral("name"), names[slot]}});
        const QJsonObject result{{QStringLiteral("device"), device},
                                 {QStringLiteral("activeProfile"), activeSlot},
                                 {QStringLiteral("profiles"), profiles}};
        m_out << QJsonDocument(result).toJson(QJsonDocument::Indented);
        return ExitOk;
    }
    m_out << "Mouse: " << device << '\n';
    m_out << "Onboard profiles (slot: name):\n";
    for (int slot = 0; slot < names.size(); ++slot)
        m_out << (slot == activeSlot ? "* " : "  ") << slot << ": " << names[slot] << '\n';
    return ExitOk;
}

int DeviceCommands::read(const CtlInvocation &invocation)
{
    if (!expectArguments(invocation, 1))
        return ExitUsageError;
    const auto address = argument(invocation, 0, 0, MaxAddress, "address");
    if (!address)
        return ExitUsageError;
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    const auto value = OrvexAction::readByteChecked(std::uint16_t(*address));
    if (!value)
        return deviceFailure(QStringLiteral("read"));
    if (invocation.json)
        m_out << QJsonDocument(QJsonObject{{QStringLiteral("address"), *address},
                                           {QStringLiteral("value"), int(*value)}})
                     .toJson(QJsonDocument::Compact)
              << '\n';
    else
        m_out << hexByte(*value) << '\n';
    return ExitOk;
}

int DeviceCommands::write(const CtlInvocation &invocation)
{
    if (!expectArguments(invocation, 2))
        return ExitUsageError;
    const auto address = argument(invocation, 0, 0, MaxAddress, "address");
    const auto value = address ? argument(invocation, 1, 0, MaxByte, "value") : std::nullopt;
    if (!value)
        return ExitUsageError;
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    if (!OrvexAction::writeByteChecked(std::uint16_t(*address), std::uint8_t(*value)))
        return deviceFailure(QStringLiteral("write"));
    return ExitOk;
}

int DeviceCommands::select(const CtlInvocation &invocation)
{
    if (!expectArguments(invocation, 1))
        return ExitUsageError;
    const auto slot = argument(invocation, 0, 0, fwmem::ProfileCount - 1, "slot");
    if (!slot)
        return ExitUsageError;
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    const bool written = OrvexAction::writeByteChecked(
        fwmem::ActiveProfile, std::uint8_t(fwmem::ActiveProfileMark | *slot));
    if (!written || !OrvexAction::selectProfileChecked(*slot))
        return deviceFailure(QStringLiteral("select"));
    return ExitOk;
}

int DeviceCommands::reload(const CtlInvocation &invocation)
{
    if (!expectArguments(invocation, 0))
        return ExitUsageError;
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    return OrvexAction::reloadChecked() ? ExitOk : deviceFailure(QStringLiteral("reload"));
}

int DeviceCommands::reset(const CtlInvocation &invocation)
{
    if (!expectArguments(invocation, 0))
        return ExitUsageError;
    if (const int status = DeviceConnection::open(invocation, m_err))
        return status;
    return OrvexAction::resetChecked() ? ExitOk : deviceFailure(QStringLiteral("reset"));
}

} // namespace orvex::ctl
