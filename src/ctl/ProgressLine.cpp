// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressLine.h"

#include "device/TransferProgress.h"

#include <cstdio>
#include <unistd.h>

namespace orvex::ctl {

ProgressLine::ProgressLine() : m_enabled(isatty(STDERR_FILENO) == 1)
{
    if (m_enabled)
        TransferProgress::setListener(&ProgressLine::show);
}

ProgressLine::~ProgressLine()
{
    if (!m_enabled)
        return;
    TransferProgress::setListener({});
    // Clear the line so the results that follow start clean.
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
}

void ProgressLine::show(int done, int total, const QString &stage)
{
    const QByteArray line =
        QStringLiteral("\r\033[K%1: %2 of %3 bytes").arg(stage).arg(done).arg(total).toLocal8Bit();
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
}

} // namespace orvex::ctl
