// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualMouseProcess.h"
#include "VirtualMouseServer.h"

#include "TestEnvironment.h"

#include "device/SocketEventListener.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using orvex::Report;
using orvex::SocketTransport;
using orvex::test::VirtualMouseProcess;
using orvex::test::waitUntil;

namespace {

Report writeReport(int address, int data)
{
    return {0xDE, std::uint8_t(address), std::uint8_t(data), std::uint8_t(address >> 8), 0, 0, 0,
            0};
}

const Report Reload{0xC4, 0x00, 0, 0, 0, 0, 0, 0};
constexpr uid_t StrangerUid = 65534;

// The byte at `address` through a read request and a GET; -1 when either failed.
int readByte(SocketTransport &transport, int address)
{
    Report answer{};
    const Report request{0xDF, std::uint8_t(address), 0, std::uint8_t(address >> 8), 0, 0, 0, 0};
    if (!transport.sendFeatureReport(request) || !transport.getFeatureReport(answer))
        return -1;
    return answer[1];
}

class VirtualMouseSocketTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(mouse.start()); }

    VirtualMouseProcess mouse{orvex::test::freshFolder(QStringLiteral("vmouse"))};
};

} // namespace

TEST_F(VirtualMouseSocketTest, ReportsRoundTripAndEachOneIsTraced)
{
    SocketTransport transport(mouse.socketPath);
    ASSERT_TRUE(transport.open());
    ASSERT_TRUE(transport.sendFeatureReport(writeReport(0x0123, 0xAB)));
    EXPECT_EQ(readByte(transport, 0x0123), 0xAB);
    EXPECT_EQ(readByte(transport, 0x3B40), 7); // length of "Shooter"
    ASSERT_EQ(mouse.send({QStringLiteral("dpi-up")}), 0);

    // The trace is complete while the virtual mouse still runs.
    const QStringList lines = mouse.traceLines();
    const QRegularExpression format(
        QStringLiteral("^\\d+\\.\\d{3} (SET|GET|IN) [0-9A-F]{2}( [0-9A-F]{2}){7}$"));
    double previous = 0;
    for (const QString &line : lines) {
        EXPECT_TRUE(format.match(line).hasMatch()) << line.toStdString();
        const double at = line.section(QLatin1Char(' '), 0, 0).toDouble();
        EXPECT_GE(at, previous);
        previous = at;
    }
    QStringList reports;
    for (const QString &line : lines)
        reports << line.section(QLatin1Char(' '), 1);
    EXPECT_EQ(reports, (QStringList{QStringLiteral("SET DE 23 AB 01 00 00 00 00"),
                                    QStringLiteral("SET DF 23 00 01 00 00 00 00"),
                                    QStringLiteral("GET DF AB 23 01 00 00 00 00"),
                                    QStringLiteral("SET DF 40 00 3B 00 00 00 00"),
                                    QStringLiteral("GET DF 07 40 3B 00 00 00 00"),
                                    QStringLiteral("IN A4 02 02 30 30 00 00 00")}));
}

TEST_F(VirtualMouseSocketTest, AppliedMemorySurvivesRestartsButPendingWritesDoNot)
{
    {
        SocketTransport transport(mouse.socketPath);
        ASSERT_TRUE(transport.open());
        transport.sendFeatureReport(writeReport(0x0300, 0x42));
        transport.sendFeatureReport(Reload);
        transport.sendFeatureReport(writeReport(0x0301, 0x43));
    }
    ASSERT_TRUE(mouse.stop(SIGTERM));
    ASSERT_TRUE(mouse.start());
    {
        SocketTransport transport(mouse.socketPath);
        ASSERT_TRUE(transport.open());
        EXPECT_EQ(readByte(transport, 0x0300), 0x42);
        EXPECT_EQ(readByte(transport, 0x0301), 0x00);
    }

    // A change made on the mouse is stored at once: it survives even a kill,
    // and the socket file the killed server left behind does not stop the next.
    ASSERT_EQ(mouse.send({QStringLiteral("profile"), QStringLiteral("3")}), 0);
    mouse.kill();
    ASSERT_TRUE(mouse.start());
    SocketTransport transport(mouse.socketPath);
    ASSERT_TRUE(transport.open());
    EXPECT_EQ(readByte(transport, 0x008C), 0x53);
}

TEST_F(VirtualMouseSocketTest, InterruptWritesTheImageEvenWhenNothingWasApplied)
{
    ASSERT_FALSE(QFile::exists(mouse.memoryPath));
    ASSERT_TRUE(mouse.stop(SIGINT));
    QFile file(mouse.memoryPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray image = file.readAll();
    ASSERT_EQ(image.size(), 0x4000);
    EXPECT_EQ(std::uint8_t(image[0x008C]), 0x50);
    EXPECT_EQ(image[0x3B00], 8); // "Everyday"
}

TEST_F(VirtualMouseSocketTest, ListenersHearPersonEventsAndUnplugStopsReports)
{
    std::vector<SocketTransport::Event> events;
    SocketTransport::EventListener listener(mouse.socketPath);
    listener.start([&events](const SocketTransport::Event &event) { events.push_back(event); });
    ASSERT_TRUE(waitUntil([&] { return listener.isListening(); }));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, SocketTransport::Event::Kind::Plug);

    ASSERT_EQ(mouse.send({QStringLiteral("profile")}), 0);
    ASSERT_TRUE(waitUntil([&] { return events.size() == 2; }));
    EXPECT_EQ(events[1].kind, SocketTransport::Event::Kind::Input);
    EXPECT_EQ(events[1].report, (Report{0xA4, 0x01, 0x10, 0, 0, 0, 0, 0}));

    SocketTransport transport(mouse.socketPath);
    ASSERT_TRUE(transport.open());
    ASSERT_EQ(mouse.send({QStringLiteral("unplug")}), 0);
    ASSERT_TRUE(waitUntil([&] { return events.size() == 3; }));
    EXPECT_EQ(events[2].kind, SocketTransport::Event::Kind::Unplug);
    Report answer{};
    EXPECT_FALSE(transport.isPresent());
    EXPECT_FALSE(transport.sendFeatureReport(writeReport(0x0123, 0xAB)));
    EXPECT_FALSE(transport.getFeatureReport(answer));
    QString error;
    EXPECT_EQ(mouse.send({QStringLiteral("dpi-up")}, &error), 1);
    EXPECT_TRUE(error.contains(QStringLiteral("unplugged"))) << error.toStdString();

    ASSERT_EQ(mouse.send({QStringLiteral("plug")}), 0);
    ASSERT_TRUE(waitUntil([&] { return events.size() == 4; }));
    EXPECT_EQ(events[3].kind, SocketTransport::Event::Kind::Plug);
    EXPECT_TRUE(transport.sendFeatureReport(writeReport(0x0123, 0xAB)));
}

TEST_F(VirtualMouseSocketTest, MalformedOrOverlongInputDropsOnlyThatClient)
{
    SocketTransport transport(mouse.socketPath);
    ASSERT_TRUE(transport.open());
    SocketTransport::EventListener listener(mouse.socketPath);
    listener.start({});
    ASSERT_TRUE(waitUntil([&] { return listener.isListening(); }));

    const QList<QByteArray> offences = {"SET DE 23\n", "SET DE 23 AB 01 00 00 00 0G\n",
                                        "GET DATA\n", "HELLO\n", QByteArray(400, 'S')};
    for (const QByteArray &offence : offences) {
        QLocalSocket rude;
        rude.connectToServer(mouse.socketPath);
        ASSERT_TRUE(rude.waitForConnected(1000));
        rude.write(offence);
        rude.flush();
        EXPECT_TRUE(waitUntil([&] { return rude.state() == QLocalSocket::UnconnectedState; }))
            << offence.left(40).toStdString();
        EXPECT_TRUE(transport.sendFeatureReport(writeReport(0x0123, 0xAB)));
    }
    EXPECT_TRUE(listener.isListening());
}

TEST_F(VirtualMouseSocketTest, TransportReconnectsWhenTheVirtualMouseRestarts)
{
    SocketTransport transport(mouse.socketPath);
    ASSERT_TRUE(transport.open());
    ASSERT_TRUE(transport.sendFeatureReport(Reload));
    ASSERT_TRUE(mouse.stop(SIGTERM));
    EXPECT_FALSE(transport.sendFeatureReport(Reload));
    EXPECT_FALSE(transport.isPresent());
    ASSERT_TRUE(mouse.start());
    EXPECT_TRUE(transport.sendFeatureReport(Reload));
}

// Transfers run on a new worker thread each; one transport serves them all.
TEST_F(VirtualMouseSocketTest, TransportWorksFromOneWorkerThreadAfterAnother)
{
    SocketTransport transport(mouse.socketPath);
    ASSERT_TRUE(transport.open());
    int readBack = -1;
    const auto transfer = [&](int value) {
        transport.sendFeatureReport(writeReport(0x0400, value));
        readBack = readByte(transport, 0x0400);
    };
    std::thread([&] { transfer(0x11); }).join();
    EXPECT_EQ(readBack, 0x11);
    QThread *qtWorker = QThread::create([&] { transfer(0x22); });
    qtWorker->start();
    ASSERT_TRUE(qtWorker->wait(10000));
    delete qtWorker;
    EXPECT_EQ(readBack, 0x22);
    transfer(0x33);
    EXPECT_EQ(readBack, 0x33);
}

TEST_F(VirtualMouseSocketTest, SendExplainsBadEventsAndAMissingServer)
{
    for (const QStringList &words : {QStringList{QStringLiteral("dpi-sideways")},
                                     QStringList{QStringLiteral("profile"), QStringLiteral("5")},
                                     QStringList{QStringLiteral("button")}, QStringList{}}) {
        QString error;
        EXPECT_EQ(mouse.send(words, &error), 2) << words.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
    }
    ASSERT_TRUE(mouse.stop(SIGTERM));
    QString error;
    EXPECT_EQ(mouse.send({QStringLiteral("plug")}, &error), 1);
    EXPECT_TRUE(error.contains(QStringLiteral("no virtual mouse"))) << error.toStdString();
}

// Only a socket that nobody answers at is replaced: a live server, a file, a
// link or a folder at the path stays as it was and serve gives up.
TEST_F(VirtualMouseSocketTest, ServeReplacesNothingButAStaleSocket)
{
    const QString folder = orvex::test::freshFolder(QStringLiteral("taken"));
    const QString file = folder + QStringLiteral("/notes.txt");
    orvex::test::writeFile(file, "kept");
    const QString link = folder + QStringLiteral("/link");
    QFile::link(file, link);
    const QString subfolder = folder + QStringLiteral("/folder");
    QDir().mkdir(subfolder);

    for (const QString &path : {mouse.socketPath, file, link, subfolder}) {
        QString error;
        EXPECT_EQ(mouse.run({QStringLiteral("serve"), QStringLiteral("--socket"), path,
                             QStringLiteral("--memory"), folder + QStringLiteral("/memory.bin")},
                            &error),
                  1)
            << path.toStdString();
        EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
    }
    EXPECT_EQ(orvex::test::readFile(file), QByteArray("kept"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(subfolder).isDir());
    EXPECT_TRUE(SocketTransport(mouse.socketPath).isPresent());
}

// One client beyond the limit is closed at once; the others go on being
// served, and a place that frees up goes to the next client.
TEST_F(VirtualMouseSocketTest, ServesAtMostSixteenClientsAndGoesOnServingThem)
{
    std::vector<std::unique_ptr<SocketTransport>> clients;
    for (int i = 0; i < orvex::sim::VirtualMouseServer::MaxClients; ++i) {
        clients.push_back(std::make_unique<SocketTransport>(mouse.socketPath));
        ASSERT_TRUE(clients.back()->open()) << i;
    }
    SocketTransport extra(mouse.socketPath);
    EXPECT_FALSE(extra.isPresent());
    for (const auto &client : clients)
        EXPECT_TRUE(client->isPresent());

    clients.pop_back();
    EXPECT_TRUE(waitUntil([&] { return extra.isPresent(); }));
    for (const auto &client : clients)
        EXPECT_TRUE(client->isPresent());
}

// The socket's file permissions are the first guard; the check of the peer's
// user holds even when they are opened up, in both directions.
TEST(VirtualMousePeers, ClientsAndServersOfAnotherUserAreRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "running a process as another user needs root";

    // A client of another user: the server closes it and serves the others.
    // The folders are made in /tmp itself because the test program's own
    // folder is closed to other users.
    QTemporaryDir ours(QStringLiteral("/tmp/orvex-peers-XXXXXX"));
    ASSERT_EQ(::chmod(QFile::encodeName(ours.path()).constData(), 0777), 0);
    VirtualMouseProcess mouse(ours.path());
    ASSERT_TRUE(mouse.start());
    ASSERT_EQ(::chmod(QFile::encodeName(mouse.socketPath).constData(), 0777), 0);
    VirtualMouseProcess stranger(ours.path());
    stranger.runAs(StrangerUid);
    EXPECT_EQ(stranger.send({QStringLiteral("profile")}), 1);
    EXPECT_EQ(mouse.traceLines(), QStringList());
    EXPECT_EQ(mouse.send({QStringLiteral("profile")}), 0);

    // A server of another user: the command channel, the listener and send
    // all refuse it.
    QTemporaryDir theirs(QStringLiteral("/tmp/orvex-peers-XXXXXX"));
    ASSERT_EQ(::chown(QFile::encodeName(theirs.path()).constData(), StrangerUid, StrangerUid), 0);
    VirtualMouseProcess foreign(theirs.path());
    foreign.runAs(StrangerUid);
    ASSERT_TRUE(foreign.start());
    SocketTransport transport(foreign.socketPath);
    EXPECT_FALSE(transport.open());
    SocketTransport::EventListener listener(foreign.socketPath);
    bool heard = false;
    listener.start([&heard](const SocketTransport::Event &) { heard = true; });
    EXPECT_FALSE(waitUntil([&] { return heard; }, 1500));
    QString error;
    EXPECT_EQ(VirtualMouseProcess(theirs.path()).send({QStringLiteral("profile")}, &error), 1);
    EXPECT_TRUE(error.contains(QStringLiteral("runs as user %1").arg(StrangerUid)))
        << error.toStdString();
}

// A hung firmware: SETs still go through, a GET gets no answer at all, so the
// transport's own timeout ends it; `answer` or a replug ends the silence.
TEST_F(VirtualMouseSocketTest, SilentFirmwareLeavesGetsUnansweredUntilToldOrReplugged)
{
    SocketTransport transport(mouse.socketPath);
    ASSERT_TRUE(transport.open());
    for (const QString &end : {QStringLiteral("answer"), QStringLiteral("plug")}) {
        SCOPED_TRACE(end.toStdString());
        ASSERT_EQ(mouse.send({QStringLiteral("silent")}), 0);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(readByte(transport, 0x3B40), -1);
        EXPECT_GE(clock.elapsed(), SocketTransport::ReplyTimeoutMs - 100);
        if (end == QStringLiteral("plug")) {
            ASSERT_EQ(mouse.send({QStringLiteral("unplug")}), 0);
        }
        ASSERT_EQ(mouse.send({end}), 0);
        EXPECT_EQ(readByte(transport, 0x3B40), 7);
    }
}

// Without /dev/uhid the kernel device cannot be made: one line naming the
// module, and nothing left listening. (Where /dev/uhid exists, the guest's
// hidraw tests check the message for a user who may not open it.)
TEST(VirtualMouseUhid, WithoutDevUhidServeSaysWhichModuleAndExitsOne)
{
    if (QFileInfo::exists(QStringLiteral("/dev/uhid"))) {
        GTEST_SKIP() << "this kernel has /dev/uhid";
    }
    VirtualMouseProcess mouse(orvex::test::freshFolder(QStringLiteral("vmouse-uhid")));
    QString error;
    const int status =
        mouse.run({QStringLiteral("serve"), QStringLiteral("--uhid"), QStringLiteral("--socket"),
                   mouse.socketPath, QStringLiteral("--memory"), mouse.memoryPath},
                  &error);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(error.count(QLatin1Char('\n')), 1) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("/dev/uhid"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("modprobe uhid"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(mouse.socketPath));
}
