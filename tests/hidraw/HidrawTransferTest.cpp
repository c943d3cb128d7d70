// SPDX-License-Identifier: GPL-3.0-or-later
// orvexctl over the real path (--device hid: hidapi's hidraw backend and the
// kernel's hidraw node) against the virtual mouse as a kernel HID device,
// side by side with the same virtual mouse over its socket: what crosses the
// kernel must leave the mouse exactly as the socket does.
#include "CtlRun.h"
#include "TestEnvironment.h"
#include "UhidMouse.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace orvex::test {
namespace {

const QString Hid = QStringLiteral("hid");
constexpr uid_t StrangerUid = 65534;

// The trace without its clock: the reports in order.
QStringList reportSequence(const VirtualMouseProcess &mouse)
{
    QStringList reports;
    for (const QString &line : mouse.traceLines())
        reports << line.section(QLatin1Char(' '), 1);
    return reports;
}

class HidrawTransferTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(hid.start()) << "no hidraw node for the virtual mouse";
        ASSERT_TRUE(sim.start());
    }

    QString simSelector() const { return QStringLiteral("sim:") + sim.socketPath; }

    QString folder = freshFolder(QStringLiteral("hidraw"));
    UhidMouse hid{folder + QStringLiteral("/hid")};
    VirtualMouseProcess sim{folder + QStringLiteral("/sim")};
};

} // namespace

TEST_F(HidrawTransferTest, InfoFindsTheKernelDeviceAndReadsWhatTheSocketReads)
{
    const CtlResult overHid = runCtl(Hid, {QStringLiteral("--json"), QStringLiteral("info")});
    ASSERT_EQ(overHid.status, 0) << overHid.err.toStdString();
    const CtlResult overSim =
        runCtl(simSelector(), {QStringLiteral("--json"), QStringLiteral("info")});
    ASSERT_EQ(overSim.status, 0) << overSim.err.toStdString();

    const QJsonObject hidInfo = QJsonDocument::fromJson(overHid.out.toUtf8()).object();
    const QJsonObject simInfo = QJsonDocument::fromJson(overSim.out.toUtf8()).object();
    EXPECT_EQ(hidInfo[QStringLiteral("device")].toString(),
              QStringLiteral("USB mouse 12CF:0219 at ") +
                  QString::fromLocal8Bit(UhidMouse::node()));
    EXPECT_EQ(hidInfo[QStringLiteral("profiles")], simInfo[QStringLiteral("profiles")]);
    EXPECT_EQ(hidInfo[QStringLiteral("activeProfile")], simInfo[QStringLiteral("activeProfile")]);
    EXPECT_EQ(reportSequence(hid.process), reportSequence(sim));
}

// The same commands from the same factory image, each side with stored
// profiles of its own: the same requests, the same dump, and the same memory
// image once each mouse has saved it. The two sides run at once: most of
// their time is the pause the mouse needs after each request.
TEST_F(HidrawTransferTest, ImportAndApplyLeaveTheSameImageDumpAndRequestsAsTheSocket)
{
    const QList<QStringList> commands = {
        {QStringLiteral("import"), QStringLiteral("--settle"), QStringLiteral("0")},
        {QStringLiteral("apply"), QStringLiteral("Media"), QStringLiteral("--slot"),
         QStringLiteral("1")},
        {QStringLiteral("dump"), QStringLiteral("--slot"), QStringLiteral("1"),
         QStringLiteral("--json")},
    };
    const QString selectors[2] = {Hid, simSelector()};
    QStringList outputs[2];
    QString failures[2];
    std::thread sides[2];
    for (int side = 0; side < 2; ++side) {
        const QString dataHome = folder + QStringLiteral("/data%1").arg(side);
        QDir().mkpath(dataHome);
        sides[side] = std::thread([&, side, dataHome] {
            for (const QStringList &command : commands) {
                const CtlResult result = runCtl(selectors[side], command, dataHome);
                outputs[side] << result.out;
                if (result.status != 0) {
                    failures[side] = command.join(u' ') + QStringLiteral(": ") + result.err;
                    return;
                }
            }
        });
    }
    for (std::thread &side : sides)
        side.join();
    ASSERT_TRUE(failures[0].isEmpty()) << "over hid: " << failures[0].toStdString();
    ASSERT_TRUE(failures[1].isEmpty()) << "over the socket: " << failures[1].toStdString();
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(reportSequence(hid.process), reportSequence(sim));
    ASSERT_TRUE(hid.process.stop(SIGTERM));
    ASSERT_TRUE(sim.stop(SIGTERM));
    const QByteArray image = readFile(hid.process.memoryPath);
    EXPECT_FALSE(image.isEmpty());
    EXPECT_TRUE(image == readFile(sim.memoryPath)) << "the memory images differ";
}

// A firmware that has hung halfway through a read: the kernel ends the GET
// after its 5 s, the command says the mouse did not answer, and no retry
// multiplies the wait.
TEST_F(HidrawTransferTest, AnUnansweredReadTimesOutAndIsReportedAsTheMouseNotAnswering)
{
    ASSERT_EQ(hid.process.send({QStringLiteral("silent")}), 0);
    QElapsedTimer clock;
    clock.start();
    const CtlResult result = runCtl(Hid, {QStringLiteral("read"), QStringLiteral("0x3B40")});
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("the mouse did not answer")))
        << result.err.toStdString();
    EXPECT_GE(elapsed, 4500);
    EXPECT_LT(elapsed, 9000);

    ASSERT_EQ(hid.process.send({QStringLiteral("answer")}), 0);
    const CtlResult again = runCtl(Hid, {QStringLiteral("read"), QStringLiteral("0x3B40")});
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, QStringLiteral("0x07\n")); // length of "Shooter"
}

// The message a person sees who starts it without the right to /dev/uhid.
TEST(HidrawServe, WithoutAccessToDevUhidServeSaysWhatItNeeds)
{
    VirtualMouseProcess mouse(freshFolder(QStringLiteral("stranger")));
    mouse.runAs(StrangerUid);
    QString error;
    const int status =
        mouse.run({QStringLiteral("serve"), QStringLiteral("--uhid"), QStringLiteral("--socket"),
                   mouse.socketPath, QStringLiteral("--memory"), mouse.memoryPath},
                  &error);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("read and write access to /dev/uhid")))
        << error.toStdString();
}

} // namespace orvex::test
