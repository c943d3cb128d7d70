// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportTrace.h"

#include "device/ReportText.h"

#include <QDir>
#include <QFileInfo>

namespace orvex::sim {

namespace {
constexpr double NanosecondsPerMillisecond = 1e6;
constexpr int MillisecondDecimals = 3;

const char *directionName(ReportDirection direction)
{
    switch (direction) {
    case ReportDirection::Set:
        return "SET";
    case ReportDirection::Get:
        return "GET";
    case ReportDirection::In:
        return "IN";
    }
    return "?";
}
} // namespace

ReportTrace::ReportTrace(const QString &path) : m_file(path) {}

bool ReportTrace::open(QString *error)
{
    QDir().mkpath(QFileInfo(m_file.fileName()).absolutePath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = m_file.errorString();
        return false;
    }
    m_clock.start();
    return true;
}

void ReportTrace::record(ReportDirection direction, const Report &report)
{
    if (!m_file.isOpen())
        return;
    m_file.write(formatLine(m_clock.nsecsElapsed(), direction, report));
    m_file.flush();
}

QByteArray ReportTrace::formatLine(qint64 nanosecondsSinceStart, ReportDirection direction,
                                   const Report &report)
{
    const double milliseconds = double(nanosecondsSinceStart) / NanosecondsPerMillisecond;
    return QByteArray::number(milliseconds, 'f', MillisecondDecimals) + ' ' +
           directionName(direction) + ' ' + ReportText::format(report) + '\n';
}

} // namespace orvex::sim
