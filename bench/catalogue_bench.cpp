// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's costs with a full macro list: 100 macros of 40 steps in
// MenuInfo.xml beside the shipped menus. Each operation is timed against a
// baseline measured in the same run on the same bytes:
//   load  (initMenuList)  vs reading the file and parsing it into a DOM;
//   save  (saveMenuList)  vs reading, parsing, serialising and writing it
//                            atomically with no macro list rebuilt;
//   .mac save / import    vs writing / reading the same number of bytes;
//   byte count of every macro (getMacroCount with its combination look-ups).
//
//   build/bench/catalogue_bench [--samples N]
//
// Target: with a full macro list, loading and saving each stay under the
// 100 ms within which a click still feels instant.
#include "OrvexAction.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace orvex;

namespace {

constexpr int DefaultSamples = 50;
constexpr int MacroCount = 100;
constexpr int StepsPerMacro = 40;
constexpr double InstantMs = 100.0;

// Median wall time of `samples` runs, in milliseconds.
double medianMs(int samples, const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < samples; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[size_t(samples / 2)];
}

// Recorded-looking macros: key presses and releases with pauses, a mouse
// click and a combination command every tenth step.
void fillMacroList()
{
    OrvexAction::macroListArrs.clear();
    for (int m = 0; m < MacroCount; ++m) {
        MacroInfoPtr macro = OrvexAction::addMacorByName(QStringLiteral("Macro %1").arg(m + 1));
        for (int s = 0; s < StepsPerMacro; ++s) {
            if (s % 10 == 9)
                macro->addStep(1 + s % 7, MacroKeyInfo::Combination, 0);
            else if (s % 10 == 8)
                macro->addStep(MacroKeyInfo::MouseLeftCode, MacroKeyInfo::MouseDown, 25);
            else
                macro->addStep(s % 50, s % 2 ? MacroKeyInfo::KeyRelease : MacroKeyInfo::KeyPress,
                               30 + s);
        }
    }
}

void report(const char *what, double ms, double baselineMs)
{
    std::printf("%-34s %9.3f ms   baseline %9.3f ms   ratio %6.2f\n", what, ms, baselineMs,
                baselineMs > 0 ? ms / baselineMs : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption samplesOption(QStringLiteral("samples"),
                                           QStringLiteral("Runs per measurement."),
                                           QStringLiteral("N"), QString::number(DefaultSamples));
    parser.addOption(samplesOption);
    parser.process(app);
    const int samples = std::max(1, parser.value(samplesOption).toInt());

    WexLogger::setLevel(WexLogger::Level::Error);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    OrvexAction::resetState();
    OrvexAction::initMenuList();
    if (!OrvexAction::singleMenuNode) {
        std::fprintf(stderr, "the shipped MenuInfo.xml was not found\n");
        return 1;
    }
    fillMacroList();
    if (!OrvexAction::saveMenuList())
        return 1;
    const QString path = OrvexAction::menuInfoPath();
    std::printf("catalogue: %d macros of %d steps, %lld bytes\n\n", MacroCount, StepsPerMacro,
                QFileInfo(path).size());

    const double load = medianMs(samples, [] { OrvexAction::initMenuList(); });
    const double parse = medianMs(samples, [&path] { WexAction::loadXmlFromPath(path); });
    report("load (initMenuList)", load, parse);

    const double save = medianMs(samples, [] { OrvexAction::saveMenuList(); });
    const double rewrite = medianMs(samples, [&path] {
        WexAction::writeFileAtomically(path, WexAction::loadXmlFromPath(path).toByteArray(4));
    });
    report("save (saveMenuList)", save, rewrite);

    const MacroInfoPtr macro = OrvexAction::macroListArrs.first();
    const QString macFile = home.path() + QStringLiteral("/bench.mac");
    WexAction::SaveObject(*macro, macFile);
    QByteArray macBytes;
    WexAction::readSmallFile(macFile, WexAction::MaxArchiveSize, &macBytes);
    const QString plainFile = home.path() + QStringLiteral("/plain.bin");
    const double macSave = medianMs(samples, [&] { WexAction::SaveObject(*macro, macFile); });
    const double plainWrite =
        medianMs(samples, [&] { WexAction::writeFileAtomically(plainFile, macBytes); });
    report(".mac export (SaveObject)", macSave, plainWrite);
    QByteArray scratch;
    const double macLoad = medianMs(samples, [&] { WexAction::CopyObject<MacroInfo>(macFile); });
    const double plainRead = medianMs(
        samples, [&] { WexAction::readSmallFile(plainFile, WexAction::MaxArchiveSize, &scratch); });
    report(".mac import (CopyObject)", macLoad, plainRead);

    std::int64_t bytes = 0;
    const double count = medianMs(samples, [&bytes] {
        bytes = 0;
        for (const MacroInfoPtr &each : std::as_const(OrvexAction::macroListArrs))
            bytes += each->getMacroCount();
    });
    std::printf("%-34s %9.3f ms   (%lld device bytes in all)\n", "byte counts of 100 macros", count,
                static_cast<long long>(bytes));
    std::printf("\n.mac file of %d steps: %lld bytes\n", StepsPerMacro,
                static_cast<long long>(macBytes.size()));
    std::printf("load and save each under %.0f ms: %s\n", InstantMs,
                load < InstantMs && save < InstantMs ? "yes" : "no");
    return 0;
}
