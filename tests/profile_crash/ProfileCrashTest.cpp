// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnvironment.h"

#include "platform/UserDataFolder.h"

#include "profile/ProfieController.h"
#include "profile/ProfileFileNames.h"
#include "profile/ProfileState.h"
#include "profile/ProfileValue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QSet>

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace orvex;

namespace {

constexpr int Kills = 80;
constexpr int StableCount = 8; // as in ProfileSaver.cpp
constexpr std::uint32_t MarkBase = 100;
constexpr int DefaultCount = 5;
constexpr int StartTimeoutMs = 30000;
constexpr int MaxDelayUs = 40000;
// Replays a run: the seed its output gave.
constexpr char SeedVariable[] = "ORVEX_PROFILE_CRASH_SEED";

// Starts the saver on `dataHome`, waits for its first save, lets it run for a
// random moment and kills it.
void saveAndKill(const QString &dataHome, QRandomGenerator &random)
{
    QProcess saver;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("ORVEX_LOG_LEVEL"), QStringLiteral("error"));
    saver.setProcessEnvironment(environment);
    saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    saver.start(QStringLiteral(ORVEX_PROFILE_SAVER), QStringList());
    ASSERT_TRUE(saver.waitForStarted(StartTimeoutMs));
    ASSERT_TRUE(saver.waitForReadyRead(StartTimeoutMs)) << "the saver did not save";
    usleep(random.bounded(MaxDelayUs));
    ::kill(pid_t(saver.processId()), SIGKILL);
    saver.waitForFinished(StartTimeoutMs);
    ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit) << "the saver stopped by itself";
}

// Every profile file loads whole; every default and every stable profile is
// in at least one of them.
void expectEveryProfileLoadable(const QString &folder, int kill)
{
    QSet<std::uint32_t> marks;
    QSet<QString> defaults;
    const QStringList files = QDir(folder).entryList(QDir::Files);
    for (const QString &fileName : files) {
        if (!ProfileFileNames::isProfileFile(fileName))
            continue;
        const QString path = folder + QLatin1Char('/') + fileName;
        EXPECT_EQ(QFileInfo(path).size(), qint64(sizeof(ORVEX_CONFIG)))
            << fileName.toStdString() << " after kill " << kill;
        const ProfileValuePtr profile = ProfileValue::initWithPath(path);
        ASSERT_TRUE(profile);
        if (profile->isDefault())
            defaults.insert(profile->name());
        else
            marks.insert(profile->profileData().btnInfo[0].singlekey_code);
    }
    EXPECT_EQ(defaults.size(), DefaultCount) << "after kill " << kill;
    for (int n = 0; n < StableCount; ++n)
        EXPECT_TRUE(marks.contains(MarkBase + std::uint32_t(n)))
            << "profile Keep " << n << " lost after kill " << kill;
}

// What the programs see on their next start: every stable profile listed.
void expectEveryProfileListed(const QString &dataHome, int kill)
{
    setenv("XDG_DATA_HOME", QFile::encodeName(dataHome).constData(), 1);
    UserDataFolder::resetState();
    ProfileState::resetState();
    QSet<std::uint32_t> marks;
    for (const ProfileValuePtr &profile : ProfileState::getShareProCon()->profileArr)
        marks.insert(profile->profileData().btnInfo[0].singlekey_code);
    for (int n = 0; n < StableCount; ++n)
        EXPECT_TRUE(marks.contains(MarkBase + std::uint32_t(n)))
            << "profile Keep " << n << " not listed after kill " << kill;
    ProfileState::resetState();
}

// The seed given in SeedVariable, else a new one; nothing when the variable
// holds no number.
std::optional<quint32> randomSeed()
{
    if (!qEnvironmentVariableIsSet(SeedVariable))
        return QRandomGenerator::global()->generate();
    bool ok = false;
    const quint32 seed = qEnvironmentVariable(SeedVariable).toUInt(&ok, 0);
    return ok ? std::optional(seed) : std::nullopt;
}

} // namespace

// The seed fixes the moments the saver is killed at, counted from its first
// save; where the save then is still varies with the machine's load.
TEST(ProfileCrash, KillingASaveAtAnyMomentLosesNoProfile)
{
    const std::optional<quint32> seed = randomSeed();
    ASSERT_TRUE(seed) << SeedVariable << " is not a number";
    std::printf("random seed %u; %s=%u replays it\n", *seed, SeedVariable, *seed);
    std::fflush(stdout);
    SCOPED_TRACE(testing::Message() << "random seed " << *seed);

    const QString dataHome = test::freshFolder(QStringLiteral("crash"));
    const QString folder = dataHome + QStringLiteral("/com.kelto.orvexOption/Profiles");
    QRandomGenerator random(*seed);
    for (int kill = 0; kill < Kills; ++kill) {
        saveAndKill(dataHome, random);
        expectEveryProfileLoadable(folder, kill);
        expectEveryProfileListed(dataHome, kill);
        if (testing::Test::HasFailure())
            return;
    }
}
