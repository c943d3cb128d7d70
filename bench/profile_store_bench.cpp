// SPDX-License-Identifier: GPL-3.0-or-later
// The profile store's costs with 50 stored profiles: refreshProfile (seed the
// defaults, list, load, sort, select) and saveToSys (renumber, write every
// changed file atomically, remove stale ones) after one edit and after an
// edit of every profile, each per profile, against baselines
// measured in the same run on the same folder: reading the 50 files, and
// writing them atomically (QSaveFile, which syncs each file) or plainly.
//
//   build/bench/profile_store_bench [--rounds N]
//
// Runs in a temporary data folder; the factory defaults come from the
// build's resource folder.
#include "platform/UserDataFolder.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace orvex;

namespace {

constexpr int ProfileCount = 50;
constexpr int DefaultRounds = 20;
constexpr double NsPerUs = 1000.0;

// Mean time of one run of `work`, in microseconds.
double meanMicroseconds(int rounds, const std::function<void(int)> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < rounds; ++round)
        work(round);
    return double(timer.nsecsElapsed()) / NsPerUs / rounds;
}

QStringList profilePaths(const QString &folder)
{
    QStringList paths;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.pro")}, QDir::Files))
        paths.append(folder + QLatin1Char('/') + name);
    return paths;
}

void report(const char *what, double totalUs, double baselineUs, const char *baseline)
{
    std::printf("%-16s %9.1f us for %d profiles, %7.1f us per profile; %s %7.1f us per file, "
                "ratio %.2f\n",
                what, totalUs, ProfileCount, totalUs / ProfileCount, baseline,
                baselineUs / ProfileCount, totalUs / baselineUs);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("rounds"), QStringLiteral("Rounds of each measurement."),
                      QStringLiteral("N"), QString::number(DefaultRounds)});
    parser.addHelpOption();
    parser.process(app);
    const int rounds = std::max(1, parser.value(QStringLiteral("rounds")).toInt());

    QTemporaryDir data;
    setenv("XDG_DATA_HOME", QFile::encodeName(data.path()).constData(), 1);
    ProfieController &controller = *ProfileState::getShareProCon();
    if (controller.getProfileCount() != FirmwareSlotCount) {
        std::fprintf(stderr, "the factory defaults were not found; build the project first\n");
        return 1;
    }
    while (controller.getProfileCount() < ProfileCount)
        controller.addProfile();
    if (!controller.saveToSys())
        return 1;
    const QString folder = controller.sysProPath();
    const QStringList paths = profilePaths(folder);

    const double refreshUs = meanMicroseconds(rounds, [&](int) { controller.refreshProfile(); });
    const double readUs = meanMicroseconds(rounds, [&](int) {
        for (const QString &path : paths) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                file.readAll();
        }
    });
    // The usual save: a page changed the selected profile.
    const double saveOneUs = meanMicroseconds(rounds, [&](int round) {
        ProfileState::selProfile.xSensArr[0] = std::uint32_t(round + 1);
        controller.saveSelProfileToData();
        controller.saveToSys();
    });
    // The worst case: every profile changed (fillOSD, the first run).
    const double saveAllUs = meanMicroseconds(rounds, [&](int round) {
        ProfileState::selProfile.poRate = std::uint32_t(round % 4);
        ProfileState::selProfile.enableSrcDes = std::uint32_t(round + 1);
        controller.fillOSD();
        controller.saveToSys();
    });
    const QByteArray image(int(sizeof(ORVEX_CONFIG)), '\x5A');
    const double atomicUs = meanMicroseconds(rounds, [&](int) {
        for (const QString &path : paths) {
            QSaveFile file(path);
            if (file.open(QIODevice::WriteOnly) && file.write(image) == image.size())
                file.commit();
        }
    });
    const double plainUs = meanMicroseconds(rounds, [&](int) {
        for (const QString &path : paths) {
            QFile file(path + QStringLiteral(".plain"));
            if (file.open(QIODevice::WriteOnly))
                file.write(image);
        }
    });

    std::printf("profile store, %d profiles, %d rounds each\n", ProfileCount, rounds);
    report("refresh", refreshUs, readUs, "baseline read");
    report("save, 1 edited", saveOneUs, atomicUs, "baseline atomic write");
    report("save, all edited", saveAllUs, atomicUs, "baseline atomic write");
    std::printf("%-16s %9.1f us for %d files,    %7.1f us per file (what syncing costs)\n", "plain",
                plainUs, ProfileCount, plainUs / ProfileCount);
    ProfileState::resetState();
    return 0;
}
