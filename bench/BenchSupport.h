// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

// What the benchmark programs share: running the event loop while waiting,
// a private session bus, and percentiles of a series.
namespace orvex::bench {

constexpr int BusStartTimeoutMs = 15000;

// Runs the event loop until `done` holds or the time is up.
inline bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 2);
    }
    return true;
}

// The value below which the fraction `p` of the series lies; 0 for none.
inline double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5))];
}

// Starts a dbus-daemon of the benchmark's own; its address, empty on failure.
inline QString startBus(QProcess &bus)
{
    bus.setStandardErrorFile(QProcess::nullDevice());
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"),
               QStringLiteral("--print-address=1")});
    if (!bus.waitForStarted() || !bus.waitForReadyRead(BusStartTimeoutMs))
        return {};
    return QString::fromUtf8(bus.readLine()).trimmed();
}

} // namespace orvex::bench
