// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlRun.h"

#include <QProcessEnvironment>

namespace orvex::test {

namespace {
// Generous: under software emulation a whole import takes a while.
constexpr int RunTimeoutMs = 120000;
} // namespace

void startCtl(QProcess &process, const QString &selector, const QStringList &arguments,
              const QString &dataHome)
{
    if (!dataHome.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(ORVEXCTL_PATH),
                  QStringList{QStringLiteral("--device"), selector} + arguments);
}

CtlResult runCtl(const QString &selector, const QStringList &arguments, const QString &dataHome)
{
    QProcess process;
    startCtl(process, selector, arguments, dataHome);
    CtlResult result;
    if (process.waitForFinished(RunTimeoutMs) && process.exitStatus() == QProcess::NormalExit)
        result.status = process.exitCode();
    else
        process.kill();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace orvex::test
