// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlInvocation.h"

#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"
#include "profile/FactoryProfiles.h"
#include "profile/ProfileValue.h"

#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

using orvex::ctl::CtlInvocation;

namespace {

struct Result
{
    int status;
    QString out;
    QString err;
};

// orvexctl against a virtual mouse served over its socket, as a user runs it.
class OrvexctlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = orvex::test::freshFolder(QStringLiteral("ctl"));
        mouse = std::make_unique<orvex::test::VirtualMouseProcess>(folder);
        socket = mouse->socketPath;
        trace = mouse->tracePath;
        ASSERT_TRUE(mouse->start());
    }

    void TearDown() override { mouse->stop(SIGTERM); }

    Result ctl(QStringList arguments)
    {
        arguments.prepend(QStringLiteral("sim:") + socket);
        arguments.prepend(QStringLiteral("--device"));
        QProcess process;
        process.start(QStringLiteral(ORVEXCTL_PATH), arguments);
        process.waitForFinished(30000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // Trace lines as (milliseconds, direction, bytes).
    QList<std::tuple<double, QString, QString>> traceLines()
    {
        QFile file(trace);
        file.open(QIODevice::ReadOnly);
        QList<std::tuple<double, QString, QString>> lines;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            const QString text = QString::fromLatin1(line);
            const QStringList fields = text.split(QLatin1Char(' '));
            lines.append({fields[0].toDouble(), fields[1], text.section(QLatin1Char(' '), 2)});
        }
        return lines;
    }

    QString folder;
    QString socket;
    QString trace;
    std::unique_ptr<orvex::test::VirtualMouseProcess> mouse;
};

} // namespace

TEST_F(OrvexctlTest, WriteReadAndSelectShowTheirReportsInTheTrace)
{
    EXPECT_EQ(
        ctl({QStringLiteral("write"), QStringLiteral("0x0123"), QStringLiteral("0xAB")}).status, 0);
    EXPECT_EQ(
        ctl({QStringLiteral("write"), QStringLiteral("0x3B40"), QStringLiteral("171")}).status, 0);
    const Result read = ctl({QStringLiteral("read"), QStringLiteral("0x3B40")});
    EXPECT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, QStringLiteral("0xAB\n"));
    EXPECT_EQ(ctl({QStringLiteral("select"), QStringLiteral("2")}).status, 0);

    const auto lines = traceLines();
    QStringList sets;
    for (const auto &[ms, direction, bytes] : lines)
        sets << direction + QLatin1Char(' ') + bytes;
    const int write = int(sets.indexOf(QStringLiteral("SET DE 23 AB 01 00 00 00 00")));
    const int request = int(sets.indexOf(QStringLiteral("SET DF 40 00 3B 00 00 00 00")));
    const int select = int(sets.indexOf(QStringLiteral("SET DE 8C 52 00 00 00 00 00")));
    ASSERT_GE(write, 0);
    ASSERT_GT(request, write);
    EXPECT_TRUE(sets[request + 1].startsWith(QStringLiteral("GET DF AB")));
    ASSERT_GT(select, request);
    EXPECT_EQ(sets[select + 1], QStringLiteral("SET C4 07 02 00 00 00 00 00"));

    // Requests of one process are at least 30 ms apart.
    const double writeAt = std::get<0>(lines[select]);
    const double selectAt = std::get<0>(lines[select + 1]);
    EXPECT_GE(selectAt - writeAt, 30.0 - 0.5);
}

TEST_F(OrvexctlTest, InfoListsTheOnboardProfiles)
{
    const Result info = ctl({QStringLiteral("info")});
    ASSERT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("* 0: Everyday"))) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("  4: Media")));
}

TEST_F(OrvexctlTest, AbsentMouseAndBadArgumentsFailWithOneLine)
{
    QProcess::execute(
        QStringLiteral(VIRTUAL_MOUSE_PATH),
        {QStringLiteral("send"), QStringLiteral("--socket"), socket, QStringLiteral("unplug")});
    const Result unplugged = ctl({QStringLiteral("read"), QStringLiteral("0")});
    EXPECT_EQ(unplugged.status, 1);
    EXPECT_EQ(unplugged.err.count(QLatin1Char('\n')), 1) << unplugged.err.toStdString();

    for (const QStringList &arguments :
         {QStringList{QStringLiteral("read")},
          QStringList{QStringLiteral("read"), QStringLiteral("0x10000")},
          QStringList{QStringLiteral("write"), QStringLiteral("1"), QStringLiteral("256")},
          QStringList{QStringLiteral("select"), QStringLiteral("5")},
          QStringList{QStringLiteral("frobnicate")}}) {
        const Result result = ctl(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
    }
}

TEST(CtlInvocation, NumbersAndOptions)
{
    EXPECT_EQ(CtlInvocation::number(QStringLiteral("0x3B40"), 0, 0xFFFF), 0x3B40);
    EXPECT_EQ(CtlInvocation::number(QStringLiteral("171"), 0, 255), 171);
    EXPECT_FALSE(CtlInvocation::number(QStringLiteral("0x"), 0, 255));
    EXPECT_FALSE(CtlInvocation::number(QStringLiteral("12a"), 0, 255));
    EXPECT_FALSE(CtlInvocation::number(QStringLiteral("-1"), 0, 255));

    QString error;
    auto parsed = CtlInvocation::parse({QStringLiteral("--device=sim:/s"), QStringLiteral("read"),
                                        QStringLiteral("5"), QStringLiteral("--json")},
                                       &error);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->device, QStringLiteral("sim:/s"));
    EXPECT_TRUE(parsed->json);
    EXPECT_EQ(parsed->arguments, QStringList{QStringLiteral("5")});
    EXPECT_FALSE(CtlInvocation::parse({QStringLiteral("--device")}, &error));
    EXPECT_FALSE(CtlInvocation::parse({}, &error));
}

TEST_F(OrvexctlTest, DumpShowsTheFactoryProfilesOfAFreshMouse)
{
    const Result dump = ctl({QStringLiteral("dump"), QStringLiteral("--json")});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.err.isEmpty()) << "no progress when stderr is not a terminal";
    const QJsonArray slots = QJsonDocument::fromJson(dump.out.toUtf8()).array();
    const QList<orvex::FactoryProfile> factory = orvex::FactoryProfiles::load();
    ASSERT_EQ(slots.size(), factory.size());
    for (int s = 0; s < slots.size(); ++s) {
        const QJsonObject slot = slots[s].toObject();
        const orvex::ORVEX_PROFILE &expected = factory[s].profile;
        EXPECT_EQ(slot[QStringLiteral("name")].toString(), factory[s].name);
        EXPECT_EQ(slot[QStringLiteral("active")].toBool(), s == 0);
        EXPECT_EQ(slot[QStringLiteral("reportRateHz")].toInt(),
                  orvex::reportRateHz(int(expected.poRate)));
        EXPECT_EQ(slot[QStringLiteral("dpi")].toArray()[3].toObject()[QStringLiteral("x")].toInt(),
                  int(expected.xSensArr[3] * 50));
        const QJsonArray buttons = slot[QStringLiteral("buttons")].toArray();
        for (int i = 0; i < orvex::ButtonCount; ++i) {
            const QJsonObject button = buttons[i].toObject();
            EXPECT_EQ(button[QStringLiteral("functionClass")].toInt(),
                      int(expected.btnInfo[i].FuncTableId));
            EXPECT_FALSE(button[QStringLiteral("caption")].toString().isEmpty())
                << "slot " << s << " button " << i << " has no catalogue entry";
        }
    }
}

TEST_F(OrvexctlTest, ShowFileDecodesAProfileWithoutTheMouse)
{
    orvex::ProfileValue value;
    value.setName(QStringLiteral("Écran"));
    value.setProfileId(4);
    orvex::ORVEX_PROFILE data = orvex::FactoryProfiles::load()[2].profile;
    value.setProfileData(data);
    const QString path = folder + QStringLiteral("/x.pro");
    ASSERT_TRUE(value.saveToPath(path));

    const Result shown = ctl({QStringLiteral("show-file"), path, QStringLiteral("--json")});
    ASSERT_EQ(shown.status, 0) << shown.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(shown.out.toUtf8()).object();
    EXPECT_EQ(object[QStringLiteral("name")].toString(), QStringLiteral("Écran"));
    EXPECT_EQ(object[QStringLiteral("profileId")].toInt(), 4);
    EXPECT_EQ(object[QStringLiteral("lighting")]
                  .toObject()[QStringLiteral("zones")]
                  .toArray()[1]
                  .toObject()[QStringLiteral("colour")]
                  .toString(),
              QStringLiteral("yellow"));

    const Result text = ctl({QStringLiteral("show-file"), path});
    EXPECT_TRUE(text.out.contains(QStringLiteral("Report rate: 500 Hz"))) << text.out.toStdString();
    EXPECT_EQ(ctl({QStringLiteral("show-file"), folder + QStringLiteral("/none.pro")}).status, 3);
}

namespace {

QMap<QString, QByteArray> filesIn(const QString &path)
{
    QMap<QString, QByteArray> files;
    const QDir folder(path);
    for (const QString &name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

} // namespace

TEST_F(OrvexctlTest, ImportApplyExportAndImportFile)
{
    const Result imported =
        ctl({QStringLiteral("import"), QStringLiteral("--settle"), QStringLiteral("0")});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.startsWith(QStringLiteral("slot 0: Everyday\n")))
        << imported.out.toStdString();

    const Result listed = ctl({QStringLiteral("profiles"), QStringLiteral("--json")});
    const QJsonArray profiles = QJsonDocument::fromJson(listed.out.toUtf8()).array();
    QStringList boundToSlot4;
    for (const QJsonValue &profile : profiles) {
        if (profile[QStringLiteral("slots")].toArray().contains(4))
            boundToSlot4 << profile[QStringLiteral("name")].toString();
    }
    EXPECT_EQ(boundToSlot4, QStringList{QStringLiteral("Media")});

    const Result applied = ctl({QStringLiteral("apply"), QStringLiteral("Media"),
                                QStringLiteral("--slot"), QStringLiteral("1")});
    ASSERT_EQ(applied.status, 0) << applied.err.toStdString();
    const Result dump = ctl({QStringLiteral("dump"), QStringLiteral("--slot"), QStringLiteral("1"),
                             QStringLiteral("--json")});
    const QJsonObject slot1 = QJsonDocument::fromJson(dump.out.toUtf8()).array()[0].toObject();
    EXPECT_EQ(slot1[QStringLiteral("name")].toString(), QStringLiteral("Media"));
    EXPECT_EQ(slot1[QStringLiteral("reportRateHz")].toInt(), 250);

    const QString exported = folder + QStringLiteral("/media.pro");
    EXPECT_EQ(ctl({QStringLiteral("export"), QStringLiteral("Media"), exported}).status, 0);
    EXPECT_EQ(ctl({QStringLiteral("import-file"), exported}).status, 4); // the name is taken
    EXPECT_EQ(ctl({QStringLiteral("import-file"), folder + QStringLiteral("/missing.pro")}).status,
              3);
    EXPECT_EQ(ctl({QStringLiteral("apply"), QStringLiteral("Nobody"), QStringLiteral("--slot"),
                   QStringLiteral("1")})
                  .status,
              2);
}

namespace {

QString saveProfile(const QString &path, const QString &name, std::int64_t id,
                    const orvex::ORVEX_PROFILE &data)
{
    orvex::ProfileValue value;
    value.setName(name);
    value.setProfileId(id);
    value.setProfileData(data);
    EXPECT_TRUE(value.saveToPath(path));
    return path;
}

QJsonObject dumpedSlot(const Result &dump)
{
    return QJsonDocument::fromJson(dump.out.toUtf8()).array()[0].toObject();
}

void makeLauncher(orvex::BTN_INFO &button, const QString &path)
{
    button.FuncID = 15;
    button.FuncTableId = orvex::fwfunc::Launcher;
    button.btnType = 3;
    const QByteArray bytes = path.toUtf8();
    std::copy(bytes.begin(), bytes.end(), button.app_path);
}

QString script(const QString &path, QFileDevice::Permissions extra = {})
{
    orvex::test::writeFile(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | extra);
    return path;
}

} // namespace

// The file's identifier is that of a stored profile (Everyday's): the file's
// profile is the one bound and written.
TEST_F(OrvexctlTest, ApplyingAFileWritesItsProfileWhateverItsIdentifier)
{
    orvex::ORVEX_PROFILE data = orvex::FactoryProfiles::load()[3].profile;
    data.xSensArr[3] = 77;
    const QString path =
        saveProfile(folder + QStringLiteral("/travel.pro"), QStringLiteral("Travel"), 1, data);

    const Result applied =
        ctl({QStringLiteral("apply"), path, QStringLiteral("--slot"), QStringLiteral("3")});
    ASSERT_EQ(applied.status, 0) << applied.err.toStdString();
    EXPECT_EQ(applied.out, QStringLiteral("slot 3: Travel\n"));
    const QJsonObject slot3 = dumpedSlot(ctl({QStringLiteral("dump"), QStringLiteral("--slot"),
                                              QStringLiteral("3"), QStringLiteral("--json")}));
    EXPECT_EQ(slot3[QStringLiteral("name")].toString(), QStringLiteral("Travel"));
    EXPECT_EQ(slot3[QStringLiteral("dpi")].toArray()[3].toObject()[QStringLiteral("x")].toInt(),
              77 * 50);
    const Result listed = ctl({QStringLiteral("profiles"), QStringLiteral("--json")});
    for (const QJsonValue &profile : QJsonDocument::fromJson(listed.out.toUtf8()).array()) {
        const bool travel = profile[QStringLiteral("name")].toString() == QLatin1String("Travel");
        EXPECT_EQ(profile[QStringLiteral("slots")].toArray().contains(3), travel);
    }
}

// Only whole records are profiles; values out of range are clamped, named
// on stderr, and never reach the mouse's neighbouring bits.
TEST_F(OrvexctlTest, ProfileFilesMustBeWholeAndTheirValuesInRange)
{
    const QString shortFile = folder + QStringLiteral("/short.pro");
    orvex::test::writeFile(shortFile, QByteArray(100, '\0'));
    for (const QStringList &command :
         {QStringList{QStringLiteral("show-file"), shortFile},
          QStringList{QStringLiteral("import-file"), shortFile},
          QStringList{QStringLiteral("apply"), shortFile, QStringLiteral("--slot"),
                      QStringLiteral("0")},
          QStringList{QStringLiteral("apply"), folder + QStringLiteral("/none.pro"),
                      QStringLiteral("--slot"), QStringLiteral("0")}}) {
        const Result result = ctl(command);
        EXPECT_EQ(result.status, 3) << command.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
    }

    orvex::ORVEX_PROFILE data = orvex::FactoryProfiles::load()[2].profile;
    data.liftHeight = 40;
    data.poRate = 9;
    data.currSelectDPI = 12;
    data.xSensArr[0] = 0;
    data.lightColorIndexArr[0] = 9;
    data.btnInfo[0].btnType = 7;
    const QString wild =
        saveProfile(folder + QStringLiteral("/wild.pro"), QStringLiteral("Wild"), 20, data);
    const Result shown = ctl({QStringLiteral("show-file"), wild, QStringLiteral("--json")});
    ASSERT_EQ(shown.status, 0);
    for (const char *note :
         {"liftHeight 40 out of range, using 31", "poRate 9 out of range, using 3",
          "xSensArr[0] 0 out of range, using 1", "lightColorIndexArr[0] 9 out of range, using 6",
          "currSelectDPI 12 out of range, using 3", "LeftClick btnType 7"})
        EXPECT_TRUE(shown.err.contains(QLatin1String(note))) << note;
    const QJsonObject object = QJsonDocument::fromJson(shown.out.toUtf8()).object();
    EXPECT_EQ(object[QStringLiteral("liftOff")].toInt(), 31);
    EXPECT_EQ(object[QStringLiteral("reportRateHz")].toInt(), 1000);

    ASSERT_EQ(
        ctl({QStringLiteral("apply"), wild, QStringLiteral("--slot"), QStringLiteral("2")}).status,
        0);
    const auto byteAt = [&](int address) {
        return ctl({QStringLiteral("read"), QString::number(address)}).out.trimmed();
    };
    EXPECT_EQ(byteAt(orvex::fwmem::LiftOff), QStringLiteral("0x3F"));
    EXPECT_EQ(byteAt(orvex::MemoryMap::getOffsetAdrBy(orvex::fwmem::Performance, 2)),
              QStringLiteral("0x83")); // mark, 1000 Hz, stage 3
    EXPECT_EQ(byteAt(orvex::MemoryMap::getOffsetAdrBy(orvex::fwmem::DpiX, 2)),
              QStringLiteral("0x01"));
}

// A shared file's launcher is kept only when it is safe to start; the other
// becomes its default button and is named, and the import goes on.
TEST_F(OrvexctlTest, ImportedLaunchersAreKeptOnlyWhenSafe)
{
    const QString trusted = script(folder + QStringLiteral("/game.sh"));
    const QString shared = script(folder + QStringLiteral("/shared.sh"), QFileDevice::WriteOther);
    orvex::ORVEX_PROFILE data = orvex::FactoryProfiles::load()[0].profile;
    makeLauncher(data.btnInfo[orvex::Left2], trusted);
    makeLauncher(data.btnInfo[orvex::Right4], shared);
    const QString path =
        saveProfile(folder + QStringLiteral("/launch.pro"), QStringLiteral("Launchers"), 30, data);

    const Result imported = ctl({QStringLiteral("import-file"), path});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.err,
              QStringLiteral("orvexctl: import-file: launcher of Right4 set to its default, %1 is "
                             "refused: writable by group or others\n")
                  .arg(shared));

    ASSERT_EQ(ctl({QStringLiteral("apply"), QStringLiteral("Launchers"), QStringLiteral("--slot"),
                   QStringLiteral("4")})
                  .status,
              0);
    const QJsonArray buttons =
        dumpedSlot(ctl({QStringLiteral("dump"), QStringLiteral("--slot"), QStringLiteral("4"),
                        QStringLiteral("--json")}))[QStringLiteral("buttons")]
            .toArray();
    EXPECT_EQ(buttons[orvex::Left2].toObject()[QStringLiteral("functionClass")].toInt(),
              int(orvex::fwfunc::Launcher));
    EXPECT_NE(buttons[orvex::Right4].toObject()[QStringLiteral("functionClass")].toInt(),
              int(orvex::fwfunc::Launcher));
}

TEST_F(OrvexctlTest, UnpluggingMidImportLosesNothingAndSaysSo)
{
    ASSERT_EQ(
        ctl({QStringLiteral("import"), QStringLiteral("--settle"), QStringLiteral("0")}).status, 0);
    const QString profileFolder = orvex::test::temporaryRoot() +
                                  QStringLiteral("/xdg_data_home/com.kelto.orvexOption/Profiles");
    const QMap<QString, QByteArray> before = filesIn(profileFolder);
    ASSERT_FALSE(before.isEmpty());

    // The mouse is unplugged right after this request of the transfer: well
    // inside both, an apply making about 80 requests and an import about 380.
    constexpr int UnplugAfterRequest = 38;
    for (const QStringList &command :
         {QStringList{QStringLiteral("import"), QStringLiteral("--settle"), QStringLiteral("0")},
          QStringList{QStringLiteral("apply"), QStringLiteral("Shooter"), QStringLiteral("--slot"),
                      QStringLiteral("3")}}) {
        const int requestsBefore = mouse->requestCount();
        QProcess transfer;
        QStringList arguments{QStringLiteral("--device"), QStringLiteral("sim:") + socket};
        transfer.start(QStringLiteral(ORVEXCTL_PATH), arguments + command);
        ASSERT_TRUE(transfer.waitForStarted());
        ASSERT_TRUE(mouse->waitForRequests(requestsBefore + UnplugAfterRequest, 30000));
        ASSERT_EQ(mouse->send({QStringLiteral("unplug")}), 0);
        ASSERT_TRUE(transfer.waitForFinished(30000));
        EXPECT_EQ(transfer.exitCode(), 1) << command.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(transfer.readAllStandardError().contains("stopped answering"));
        EXPECT_EQ(filesIn(profileFolder), before) << "no binding stored for a failed apply";
        ASSERT_EQ(mouse->send({QStringLiteral("plug")}), 0);
    }
}

// --changed-only reads what the apply would write and writes only what
// differs, with a Reload only when it wrote; ORVEX_FULL_WRITES=1 writes all.
TEST_F(OrvexctlTest, ApplyChangedOnlyWritesOnlyTheBytesThatDiffer)
{
    const auto writesAndReloads = [this](qsizetype from) {
        int writes = 0;
        int reloads = 0;
        const auto lines = traceLines();
        for (qsizetype i = from; i < lines.size(); ++i) {
            const QString &bytes = std::get<2>(lines[i]);
            if (std::get<1>(lines[i]) != QLatin1String("SET"))
                continue;
            writes += bytes.startsWith(QLatin1String("DE ")) ? 1 : 0;
            reloads += bytes.startsWith(QLatin1String("C4 00 ")) ? 1 : 0;
        }
        return std::pair{writes, reloads};
    };
    const QStringList apply{QStringLiteral("apply"), QStringLiteral("Media"),
                            QStringLiteral("--slot"), QStringLiteral("1")};
    const QStringList changedOnly = apply + QStringList{QStringLiteral("--changed-only")};

    qsizetype from = traceLines().size();
    const Result full = ctl(apply);
    ASSERT_EQ(full.status, 0) << full.err.toStdString();
    EXPECT_EQ(full.out, QStringLiteral("slot 1: Media\n"));
    const auto [fullWrites, fullReloads] = writesAndReloads(from);
    EXPECT_EQ(fullReloads, 1);

    from = traceLines().size();
    Result again = ctl(changedOnly);
    EXPECT_EQ(again.out, QStringLiteral("slot 1: Media (0 bytes written)\n"))
        << again.err.toStdString();
    EXPECT_EQ(writesAndReloads(from), std::pair(0, 0));

    const int zone = orvex::MemoryMap::getOffsetAdrBy(orvex::fwmem::LedZones, 1);
    const Result held = ctl({QStringLiteral("read"), QString::number(zone)});
    const int changed = held.out.trimmed().toInt(nullptr, 16) ^ 0x01;
    ASSERT_EQ(
        ctl({QStringLiteral("write"), QString::number(zone), QString::number(changed)}).status, 0);
    from = traceLines().size();
    again = ctl(changedOnly);
    EXPECT_EQ(again.out, QStringLiteral("slot 1: Media (1 byte written)\n"));
    EXPECT_EQ(writesAndReloads(from), std::pair(1, 1));

    qputenv("ORVEX_FULL_WRITES", "1");
    from = traceLines().size();
    again = ctl(changedOnly);
    qunsetenv("ORVEX_FULL_WRITES");
    EXPECT_EQ(again.out, QStringLiteral("slot 1: Media (%1 bytes written)\n").arg(fullWrites));
    EXPECT_EQ(writesAndReloads(from), std::pair(fullWrites, 1));
}

// The issue's own reproduction: a profile applied to a slot keeps its name on
// the mouse through a Reset, so the next import binds the slot to it again.
TEST_F(OrvexctlTest, AnAppliedProfileIsStillBoundAfterAResetAndAnImport)
{
    ASSERT_EQ(ctl({QStringLiteral("apply"), QStringLiteral("Media"), QStringLiteral("--slot"),
                   QStringLiteral("0")})
                  .status,
              0);
    ASSERT_EQ(ctl({QStringLiteral("reset")}).status, 0);
    const Result imported =
        ctl({QStringLiteral("import"), QStringLiteral("--settle"), QStringLiteral("0")});
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.startsWith(QStringLiteral("slot 0: Media\n")))
        << imported.out.toStdString();
}

// Two programs reading the mouse at once share it request by request and
// never take an answer meant for the other.
TEST_F(OrvexctlTest, TwoDumpsAtOnceBothReadTheMouseRight)
{
    const QStringList dump{QStringLiteral("--device"), QStringLiteral("sim:") + socket,
                           QStringLiteral("dump"), QStringLiteral("--slot"), QStringLiteral("2")};
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(ORVEXCTL_PATH), dump);
    second.start(QStringLiteral(ORVEXCTL_PATH), dump);
    ASSERT_TRUE(first.waitForFinished(30000) && second.waitForFinished(30000));
    const Result alone = ctl(dump.mid(2));
    ASSERT_EQ(alone.status, 0);
    for (QProcess *reader : {&first, &second}) {
        EXPECT_EQ(reader->exitCode(), 0) << reader->readAllStandardError().toStdString();
        EXPECT_EQ(reader->readAllStandardOutput().toStdString(), alone.out.toStdString());
    }
}

// A profile folder that cannot be written is told apart from a mouse that
// stopped answering.
TEST_F(OrvexctlTest, AnImportIntoAnUnwritableProfileFolderSaysSo)
{
    const QString dataFolder =
        orvex::test::temporaryRoot() + QStringLiteral("/xdg_data_home/com.kelto.orvexOption");
    QDir(dataFolder).removeRecursively();
    QDir().mkpath(dataFolder);
    orvex::test::writeFile(dataFolder + QStringLiteral("/Profiles"), "not a folder");

    const Result imported =
        ctl({QStringLiteral("import"), QStringLiteral("--settle"), QStringLiteral("0")});
    EXPECT_EQ(imported.status, 1);
    EXPECT_TRUE(imported.err.contains(QStringLiteral("profile folder could not be written")))
        << imported.err.toStdString();
}
