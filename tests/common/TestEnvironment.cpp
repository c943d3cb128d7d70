// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>

#include <atomic>

namespace orvex::test {

namespace {
QTemporaryDir &root()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/orvex-test-XXXXXX"));
    return dir;
}
} // namespace

QString temporaryRoot()
{
    return root().path();
}

QString freshFolder(const QString &name)
{
    static std::atomic<int> counter{0};
    const QString path =
        QStringLiteral("%1/%2-%3").arg(temporaryRoot(), name, QString::number(counter++));
    QDir().mkpath(path);
    return path;
}

} // namespace orvex::test
