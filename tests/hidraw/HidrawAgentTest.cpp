// SPDX-License-Identifier: GPL-3.0-or-later
// The built agent with --device hid on a private session bus, against the
// virtual mouse as a kernel HID device: input reports through its hidraw
// reader threads, plug and unplug through udev, and a transfer cut short by
// an unplug.
#include "AgentProcess.h"
#include "CtlRun.h"
#include "DevStatusSpy.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"
#include "UhidMouse.h"

#include "messaging/NotificationNames.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QObject>

#include <gtest/gtest.h>

#include <memory>

namespace orvex::test {
namespace {

// Software emulation is slow; these only bound a wait.
constexpr int WaitMs = 30000;

QMap<QString, QByteArray> filesIn(const QString &path)
{
    QMap<QString, QByteArray> files;
    const QDir folder(path);
    for (const QString &name : folder.entryList(QDir::Files))
        files.insert(name, readFile(folder.filePath(name)));
    return files;
}

class HidrawAgentTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bus.start());
        ASSERT_TRUE(mouse.start()) << "no hidraw node for the virtual mouse";
        agent.useDevice(QStringLiteral("hid"), QStringLiteral("USB mouse 12CF:0219"));
        ASSERT_TRUE(agent.start(bus.address(), {})) << agent.lines().join(u'\n').toStdString();
        spy = std::make_unique<DevStatusSpy>(bus.connection());
    }

    void send(const QString &words)
    {
        ASSERT_EQ(mouse.process.send(words.split(u' ')), 0) << words.toStdString();
    }

    PrivateBus bus;
    UhidMouse mouse{freshFolder(QStringLiteral("hidraw-agent"))};
    AgentProcess agent;
    std::unique_ptr<DevStatusSpy> spy;
};

} // namespace

TEST_F(HidrawAgentTest, AProfileSwitchOnTheMouseReachesTheDisplay)
{
    send(QStringLiteral("profile 3"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("Daemon Rec a4 1 30 0 0 0 0 0"), WaitMs))
        << agent.lines().join(u'\n').toStdString();
    EXPECT_TRUE(agent.waitForLine(QStringLiteral("OSD P4"), WaitMs));
}

// The kernel device is destroyed and made again: udev's remove and add give
// status 100 then 101, and the agent reads the node the mouse came back on.
// The old node is held open meanwhile, which keeps its name taken, so the
// mouse comes back under another name (as when a program is slow to let go).
TEST_F(HidrawAgentTest, UnplugAndPlugArePostedAndTheNewNodeIsRead)
{
    const QByteArray before = UhidMouse::node();
    QFile held(QString::fromLocal8Bit(before));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    send(QStringLiteral("unplug"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("STATUS 100"), WaitMs))
        << agent.lines().join(u'\n').toStdString();
    EXPECT_TRUE(UhidMouse::waitForNode(false));
    send(QStringLiteral("plug"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("STATUS 101"), WaitMs))
        << agent.lines().join(u'\n').toStdString();
    ASSERT_TRUE(waitUntil([&] { return spy->statuses.size() == 2; }, WaitMs));
    EXPECT_EQ(spy->statuses[0], (QVariantMap{{QStringLiteral("type"), 100}}));
    EXPECT_EQ(spy->statuses[1], (QVariantMap{{QStringLiteral("type"), 101}}));
    EXPECT_NE(UhidMouse::node(), before);
    held.close();

    send(QStringLiteral("profile 1"));
    EXPECT_TRUE(agent.waitForLine(QStringLiteral("OSD P2"), WaitMs))
        << agent.lines().join(u'\n').toStdString();
}

// The node goes away under a running import: it ends with exit 1 and what
// is stored (the profiles the agent seeded) stays as it was.
TEST_F(HidrawAgentTest, UnpluggingDuringAnImportEndsItAndKeepsTheStoredProfiles)
{
    const QStringList import{QStringLiteral("import"), QStringLiteral("--settle"),
                             QStringLiteral("0")};
    const QString profileFolder =
        qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/com.kelto.orvexOption/Profiles");
    const QMap<QString, QByteArray> before = filesIn(profileFolder);
    ASSERT_FALSE(before.isEmpty());

    // Well inside an import of about 380 requests.
    constexpr int UnplugAfterRequest = 38;
    const int requestsBefore = mouse.process.requestCount();
    QProcess transfer;
    startCtl(transfer, QStringLiteral("hid"), import);
    ASSERT_TRUE(transfer.waitForStarted());
    ASSERT_TRUE(mouse.process.waitForRequests(requestsBefore + UnplugAfterRequest, WaitMs));
    send(QStringLiteral("unplug"));
    ASSERT_TRUE(transfer.waitForFinished(WaitMs));
    EXPECT_EQ(transfer.exitCode(), 1);
    EXPECT_TRUE(transfer.readAllStandardError().contains("stopped answering"));
    EXPECT_EQ(filesIn(profileFolder), before);
}

} // namespace orvex::test
