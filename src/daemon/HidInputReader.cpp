// SPDX-License-Identifier: GPL-3.0-or-later
#include "HidInputReader.h"

#include "platform/WexLogger.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <array>
#include <thread>

namespace orvex {

namespace {
constexpr int BlockUntilReport = -1; // hid_read_timeout: no timeout
} // namespace

// What the thread and its owner share; the thread keeps it alive after the
// owner has gone.
struct HidInputReader::Shared
{
    const HidApi *api = nullptr;
    hid_device *device = nullptr;
    QByteArray path;
    QMutex mutex; // guards receiver and the stopped state
    QObject *receiver = nullptr;
    ReportFunction onReport;
    EndFunction onEnd;

    bool stopped()
    {
        QMutexLocker lock(&mutex);
        return !receiver;
    }

    // Hands `call` to the receiver's thread unless stopped; a stop between
    // the hand-over and the call is honoured too. A receiver destroyed after
    // the hand-over drops the pending call with itself.
    void deliver(std::function<void()> call)
    {
        QMutexLocker lock(&mutex);
        if (!receiver)
            return;
        QMetaObject::invokeMethod(
            receiver,
            [this, call = std::move(call)] {
                if (!stopped())
                    call();
            },
            Qt::QueuedConnection);
    }
};

std::unique_ptr<HidInputReader> HidInputReader::start(const HidApi &api, const QByteArray &path,
                                                      QObject *receiver, ReportFunction onReport,
                                                      EndFunction onEnd)
{
    hid_device *device = api.openPath(path.constData());
    if (!device) {
        ORVEX_WARNING(
            QStringLiteral("cannot read input reports of %1: %2")
                .arg(QString::fromLocal8Bit(path), QString::fromWCharArray(api.error(nullptr))));
        return nullptr;
    }
    auto shared = std::make_shared<Shared>();
    shared->api = &api;
    shared->device = device;
    shared->path = path;
    shared->receiver = receiver;
    shared->onReport = std::move(onReport);
    shared->onEnd = std::move(onEnd);
    std::thread(&HidInputReader::run, shared).detach();
    ORVEX_DEBUG(QStringLiteral("reading input reports of %1").arg(QString::fromLocal8Bit(path)));
    return std::unique_ptr<HidInputReader>(new HidInputReader(path, std::move(shared)));
}

HidInputReader::HidInputReader(QByteArray path, std::shared_ptr<Shared> shared)
    : m_path(std::move(path)), m_shared(std::move(shared))
{
}

HidInputReader::~HidInputReader()
{
    stop();
}

void HidInputReader::stop()
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->receiver = nullptr;
}

void HidInputReader::run(std::shared_ptr<Shared> shared)
{
    std::array<unsigned char, ReadBufferSize> buffer{};
    for (;;) {
        const int length = shared->api->readTimeout(shared->device, buffer.data(), buffer.size(),
                                                    BlockUntilReport);
        if (length < 0 || shared->stopped())
            break;
        if (const std::optional<Report> report = reportOf(buffer.data(), length)) {
            shared->deliver([shared, report = *report] {
                if (shared->onReport)
                    shared->onReport(report);
            });
        }
    }
    shared->api->close(shared->device);
    shared->device = nullptr;
    shared->deliver([shared] {
        if (shared->onEnd)
            shared->onEnd(shared->path);
    });
}

// The mouse does not number its reports, so a read starts with the report's
// first byte. Shorter reports are padded with zeros, longer ones cut.
std::optional<Report> HidInputReader::reportOf(const unsigned char *data, int length)
{
    if (length <= 0)
        return std::nullopt;
    Report report{};
    std::copy_n(data, std::min<std::size_t>(std::size_t(length), report.size()), report.begin());
    return report;
}

} // namespace orvex
