// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orvex::test {

// What a finished orvexctl run printed, and its exit status (-1 for a crash
// or a run that did not end in time).
struct CtlResult
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the built orvexctl with `--device selector arguments...` to its end.
// `dataHome`, when given, is its XDG_DATA_HOME (its stored profiles).
CtlResult runCtl(const QString &selector, const QStringList &arguments,
                 const QString &dataHome = {});
// Starts it the same way without waiting.
void startCtl(QProcess &process, const QString &selector, const QStringList &arguments,
              const QString &dataHome = {});

} // namespace orvex::test
