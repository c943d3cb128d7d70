// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidTransport.h"

#include "device/ReportText.h"

#include "platform/WexLogger.h"

#include <algorithm>
#include <utility>

namespace orvex {

namespace {

QString fromLibrary(const wchar_t *text)
{
    return text ? QString::fromWCharArray(text) : QString();
}

} // namespace

HidTransport::HidTransport(std::uint16_t vendorId, std::uint16_t productId, const HidApi &api,
                           PhysicalPathReader physicalPath)
    : api_(api), enumeration_(api, vendorId, productId), physicalPathOf_(std::move(physicalPath))
{
}

HidTransport::~HidTransport()
{
    close();
}

bool HidTransport::open()
{
    if (device_)
        return true;
    if (!initialise())
        return false;
    const QList<QByteArray> paths = enumeration_.configurationPaths();
    return path_.isEmpty() ? openChosen(paths) : reopenSame(paths);
}

bool HidTransport::openChosen(const QList<QByteArray> &paths)
{
    if (paths.isEmpty()) {
        ORVEX_DEBUG(QStringLiteral("%1: not found (%2)")
                        .arg(enumeration_.identity(), fromLibrary(api_.error(nullptr))));
        return false;
    }
    if (paths.size() > 1)
        ORVEX_INFO(QStringLiteral("%1: %2 found, using %3")
                       .arg(enumeration_.identity())
                       .arg(paths.size())
                       .arg(QString::fromLocal8Bit(paths.front())));
    path_ = paths.front();
    physicalPath_ = physicalPathOf_(path_);
    return openPath(path_);
}

// The node may be back under the same name after a replug, or the name may
// now belong to another mouse plugged in elsewhere: only the physical path
// tells them apart.
bool HidTransport::reopenSame(const QList<QByteArray> &paths)
{
    if (!paths.contains(path_) || physicalPathOf_(path_) != physicalPath_) {
        ORVEX_DEBUG(QStringLiteral("%1: gone; not reopening another device").arg(describe()));
        return false;
    }
    return openPath(path_);
}

void HidTransport::close()
{
    if (!device_)
        return;
    api_.close(device_);
    device_ = nullptr;
}

void HidTransport::forgetChoice()
{
    close();
    path_.clear();
    physicalPath_.clear();
}

bool HidTransport::isPresent()
{
    const bool chosenOnBus = !path_.isEmpty() && enumeration_.configurationPaths().contains(path_);
    if (!path_.isEmpty() && !chosenOnBus) {
        ORVEX_INFO(QStringLiteral("%1: gone from the bus").arg(describe()));
        forgetChoice();
    }
    return open();
}

void HidTransport::beginTransfer()
{
    if (!device_)
        forgetChoice();
    open();
}

bool HidTransport::sendFeatureReport(const Report &report)
{
    if (!open())
        return false;
    Buffer buffer{ReportId};
    std::copy(report.begin(), report.end(), buffer.begin() + 1);
    ORVEX_TRACE(QStringLiteral("SET %1").arg(QString::fromLatin1(ReportText::format(report))));
    const int result = api_.sendFeatureReport(device_, buffer.data(), buffer.size());
    if (result != int(buffer.size())) {
        failTransfer("SET", result);
        return false;
    }
    return true;
}

bool HidTransport::getFeatureReport(Report &report)
{
    if (!open())
        return false;
    Buffer buffer{ReportId};
    const int result = api_.getFeatureReport(device_, buffer.data(), buffer.size());
    if (result != int(buffer.size())) {
        failTransfer("GET", result);
        return false;
    }
    std::copy(buffer.begin() + 1, buffer.end(), report.begin());
    ORVEX_TRACE(QStringLiteral("GET %1").arg(QString::fromLatin1(ReportText::format(report))));
    return true;
}

QString HidTransport::describe() const
{
    if (path_.isEmpty())
        return QStringLiteral("%1 (not found)").arg(enumeration_.identity());
    return QStringLiteral("%1 at %2").arg(enumeration_.identity(), QString::fromLocal8Bit(path_));
}

bool HidTransport::initialise()
{
    if (initialised_)
        return true;
    if (api_.init() != 0) {
        warnOpenFailure(QStringLiteral("%1: hidapi failed to initialise: %2")
                            .arg(enumeration_.identity(), fromLibrary(api_.error(nullptr))));
        return false;
    }
    initialised_ = true;
    return true;
}

bool HidTransport::openPath(const QByteArray &path)
{
    device_ = api_.openPath(path.constData());
    if (!device_) {
        // Usually a missing udev rule: the node exists but is not ours to open.
        warnOpenFailure(QStringLiteral("%1: cannot open: %2")
                            .arg(describe(), fromLibrary(api_.error(nullptr))));
        return false;
    }
    lastOpenFailure_.clear();
    ORVEX_DEBUG(QStringLiteral("%1: opened").arg(describe()));
    return true;
}

// Every report operation retries the open, so a lasting fault would repeat on
// every byte of a transfer; say it once and keep the repeats for debugging.
void HidTransport::warnOpenFailure(const QString &message)
{
    if (message == lastOpenFailure_) {
        ORVEX_DEBUG(message);
        return;
    }
    lastOpenFailure_ = message;
    ORVEX_WARNING(message);
}

void HidTransport::failTransfer(const char *operation, int result)
{
    const QString reason =
        result < 0 ? deviceError() : QStringLiteral("%1 of %2 bytes").arg(result).arg(BufferLength);
    ORVEX_WARNING(QStringLiteral("%1: %2 report failed: %3")
                      .arg(describe(), QLatin1String(operation), reason));
    close();
}

QString HidTransport::deviceError() const
{
    return fromLibrary(api_.error(device_));
}

} // namespace orvex
