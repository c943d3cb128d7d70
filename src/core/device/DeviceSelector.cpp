// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceSelector.h"

#include "device/HidTransport.h"
#include "device/SocketTransport.h"
#include "device/VirtualMouseProtocol.h"
#include "platform/ProcessState.h"

#include <QMutex>
#include <QMutexLocker>

namespace orvex {

namespace {

QMutex optionMutex;
QString processOption;

const QLatin1String HidForm("hid");
const QLatin1String SimForm("sim");
const QLatin1String SimPathPrefix("sim:");

const bool registeredReset = ProcessState::add("DeviceSelector", &DeviceSelector::resetState);

} // namespace

QString DeviceSelector::acceptedForms()
{
    return QStringLiteral("'hid' (the USB mouse), 'sim' (the virtual mouse at its default socket) "
                          "or 'sim:PATH' (the virtual mouse at the socket PATH)");
}

std::optional<DeviceSelector> DeviceSelector::parse(const QString &text, QString *error)
{
    DeviceSelector selector;
    if (text == HidForm) {
        selector.m_kind = Kind::Hid;
        return selector;
    }
    if (text == SimForm) {
        QString folderError;
        selector.m_kind = Kind::Sim;
        selector.m_socketPath = vmouse::prepareDefaultSocketPath(&folderError);
        if (selector.m_socketPath.isEmpty()) {
            if (error)
                *error = folderError;
            return std::nullopt;
        }
        return selector;
    }
    if (text.startsWith(SimPathPrefix) && text.size() > SimPathPrefix.size()) {
        selector.m_kind = Kind::Sim;
        selector.m_socketPath = text.mid(SimPathPrefix.size());
        return selector;
    }
    if (error)
        *error = QStringLiteral("unknown device '%1': use %2").arg(text, acceptedForms());
    return std::nullopt;
}

std::optional<DeviceSelector> DeviceSelector::current(QString *error)
{
    QString option;
    {
        QMutexLocker lock(&optionMutex);
        option = processOption;
    }
    if (option.isEmpty())
        option = qEnvironmentVariable(EnvironmentVariable);
    if (option.isEmpty())
        option = HidForm;
    return parse(option, error);
}

void DeviceSelector::setProcessOption(const QString &option)
{
    QMutexLocker lock(&optionMutex);
    processOption = option;
}

void DeviceSelector::resetState()
{
    setProcessOption(QString());
}

QString DeviceSelector::toString() const
{
    if (m_kind == Kind::Hid)
        return HidForm;
    return SimPathPrefix + m_socketPath;
}

std::unique_ptr<Transport> DeviceSelector::createTransport(int vendorId, int productId) const
{
    if (m_kind == Kind::Sim)
        return std::make_unique<SocketTransport>(m_socketPath);
    return std::make_unique<HidTransport>(std::uint16_t(vendorId), std::uint16_t(productId));
}

} // namespace orvex
