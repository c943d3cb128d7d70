// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FirmwareModel.h"

#include <QElapsedTimer>
#include <QFile>

namespace orvex::sim {

// A line per report, flushed at once so that a reader sees it while the
// virtual mouse runs:
//   <milliseconds since start, 3 decimals> SET|GET|IN <8 bytes>
//   1234.567 SET DE 23 AB 01 00 00 00 00
// GET lines carry the bytes returned; IN lines the input reports.
class ReportTrace
{
public:
    explicit ReportTrace(const QString &path);

    // Creates or truncates the file; the clock starts here.
    bool open(QString *error);
    void record(ReportDirection direction, const Report &report);

    static QByteArray formatLine(qint64 nanosecondsSinceStart, ReportDirection direction,
                                 const Report &report);

private:
    QFile m_file;
    QElapsedTimer m_clock;
};

} // namespace orvex::sim
