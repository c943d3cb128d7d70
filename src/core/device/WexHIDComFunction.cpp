// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/WexHIDComFunction.h"

#include "device/DeviceSelector.h"
#include "device/ReportText.h"
#include "platform/ProcessState.h"
#include "platform/WexLogger.h"

#include <QMutexLocker>

#include <algorithm>
#include <cstring>

namespace orvex {

namespace {

QString hexBytes(const Report &report)
{
    return QString::fromLatin1(ReportText::format(report));
}

bool isFeatureRequest(const DeviceRequest &request)
{
    return request.wValue == usb::FeatureReportId0 && request.pData != nullptr &&
           request.wLength >= sizeof(Report);
}

const bool registeredReset = ProcessState::add("WexHIDComFunction", &WexHIDComFunction::resetState);

} // namespace

WexHIDComFunction *WexHIDComFunction::shareDeviceReq()
{
    static WexHIDComFunction shared;
    return &shared;
}

bool WexHIDComFunction::listenDevWithVid(int vendorId, int productId)
{
    QString error;
    const auto selector = DeviceSelector::current(&error);
    if (!selector) {
        ORVEX_ERROR(error);
        return false;
    }
    std::unique_ptr<Transport> transport = selector->createTransport(vendorId, productId);
    QMutexLocker lock(&m_mutex);
    m_transport = std::move(transport);
    const bool open = m_transport->open();
    ORVEX_DEBUG(QStringLiteral("listening for %1: %2")
                    .arg(m_transport->describe(),
                         open ? QStringLiteral("present") : QStringLiteral("absent")));
    return open;
}

bool WexHIDComFunction::isDevOn()
{
    QMutexLocker lock(&m_mutex);
    return m_transport && m_transport->isPresent();
}

bool WexHIDComFunction::sendDeviceRequest(DeviceRequest &request)
{
    request.wLenDone = 0;
    if (!isFeatureRequest(request)) {
        ORVEX_WARNING(QStringLiteral("unsupported device request %1/%2")
                          .arg(request.bmRequestType)
                          .arg(request.bRequest));
        return false;
    }
    QMutexLocker lock(&m_mutex);
    if (!m_transport)
        return false;
    if (request.bmRequestType == usb::RequestTypeClassInterfaceOut &&
        request.bRequest == usb::SetReport)
        return sendFeature(request);
    if (request.bmRequestType == usb::RequestTypeClassInterfaceIn &&
        request.bRequest == usb::GetReport)
        return getFeature(request);
    ORVEX_WARNING(QStringLiteral("unsupported device request %1/%2")
                      .arg(request.bmRequestType)
                      .arg(request.bRequest));
    return false;
}

bool WexHIDComFunction::sendFeature(DeviceRequest &request)
{
    Report report;
    std::memcpy(report.data(), request.pData, report.size());
    const bool sent = m_transport->sendFeatureReport(report);
    if (m_printMessages)
        ORVEX_TRACE(QStringLiteral("SET %1%2")
                        .arg(hexBytes(report), sent ? QString() : QStringLiteral(" (failed)")));
    if (sent)
        request.wLenDone = report.size();
    return sent;
}

bool WexHIDComFunction::getFeature(DeviceRequest &request)
{
    Report report;
    std::memcpy(report.data(), request.pData, report.size());
    const bool received = m_transport->getFeatureReport(report);
    if (m_printMessages)
        ORVEX_TRACE(received ? QStringLiteral("GET %1").arg(hexBytes(report))
                             : QStringLiteral("GET failed"));
    if (!received)
        return false;
    std::memcpy(request.pData, report.data(), report.size());
    request.wLenDone = report.size();
    return true;
}

void WexHIDComFunction::setIsPrintMsg(bool print)
{
    QMutexLocker lock(&m_mutex);
    m_printMessages = print;
}

void WexHIDComFunction::setTransport(std::unique_ptr<Transport> transport)
{
    QMutexLocker lock(&m_mutex);
    m_transport = std::move(transport);
    if (m_transport)
        m_transport->open();
}

QString WexHIDComFunction::beginTransfer()
{
    QMutexLocker lock(&m_mutex);
    if (!m_transport)
        return {};
    m_transport->beginTransfer();
    return m_transport->lockKey();
}

QString WexHIDComFunction::describeDevice()
{
    QMutexLocker lock(&m_mutex);
    return m_transport ? m_transport->describe() : QStringLiteral("no device");
}

void WexHIDComFunction::resetState()
{
    WexHIDComFunction *shared = shareDeviceReq();
    shared->setTransport(nullptr);
    shared->setIsPrintMsg(false);
}

} // namespace orvex
