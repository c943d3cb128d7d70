// SPDX-License-Identifier: GPL-3.0-or-later
// The program itself: one configuration application per session bus.
#include "AppTestSupport.h"

#include "SingleInstance.h"
#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"
#include "platform/UserDataFolder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>

using namespace orvex;
using namespace orvex::test;

namespace {

constexpr int SecondStartLimitMs = 1000;

QProcessEnvironment programEnvironment(const VirtualMouseProcess &mouse)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ORVEX_DEVICE"), QStringLiteral("sim:") + mouse.socketPath);
    environment.insert(QStringLiteral("ORVEX_LOG_LEVEL"), QStringLiteral("info"));
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        environment.insert(QLatin1String(variable),
                           freshFolder(QString::fromLatin1(variable).toLower()));
    return environment;
}

bool applicationRuns()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(
        QLatin1String(ApplicationIdentifier));
}

} // namespace

class SecondInstanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aSecondStartRaisesTheFirstAndEnds()
    {
        VirtualMouseProcess mouse(freshFolder(QStringLiteral("mouse")));
        QVERIFY(mouse.start());
        const QProcessEnvironment environment = programEnvironment(mouse);
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(ORVEX_OPTION_PATH), {});
        QVERIFY(first.waitForStarted());
        QVERIFY(waitUntil(applicationRuns, 10000));

        QProcess second;
        second.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        second.start(QStringLiteral(ORVEX_OPTION_PATH), {});
        QVERIFY(second.waitForFinished(5000));
        QVERIFY2(clock.elapsed() < SecondStartLimitMs,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        QByteArray firstLog;
        QVERIFY(waitUntil([&] {
            firstLog += first.readAllStandardError();
            return firstLog.contains("another start asked for the window");
        }));
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }
};

int main(int argc, char **argv)
{
    SecondInstanceTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "SecondInstanceTest.moc"
