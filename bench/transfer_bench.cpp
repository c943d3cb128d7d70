// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-profile transfers on the in-process virtual mouse, against the
// protocol floor: every write and every read request costs 30 ms.
//
//   build/bench/transfer_bench
#include "OrvexAction.h"
#include "catalogue/Catalogue.h"
#include "device/DeviceTransfer.h"
#include "device/TransferState.h"
#include "device/WexHIDComFunction.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

#include "FirmwareModel.h"
#include "InProcessTransport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <cstdlib>

using namespace orvex;

namespace {

struct Counts
{
    std::atomic<int> requests{0}; // SET reports, each followed by the pause
    std::atomic<int> answers{0};  // GET reports
};

void addMacro(const QString &name, int steps, int buttonIndex)
{
    const MacroInfoPtr macro = Catalogue::addMacorByName(name);
    for (int i = 0; i < steps; ++i)
        macro->addStep(i % 2 == 0 ? 0 : 11, i % 2, i % 4 == 0 ? 100 : 0);
    BTN_INFO &button = ProfileState::selProfile.btnInfo[buttonIndex];
    button.FuncTableId = 6;
    button.FuncID = 6;
    button.btnType = 2;
    button.MacroID = std::uint32_t(macro->macroId);
    button.KeyBit[1] = 1;
}

void report(const char *what, qint64 elapsedMs, const Counts &counts)
{
    const int floorMs = counts.requests * int(DeviceLink::reportPause().count());
    std::printf("%-34s %7lld ms  %4d requests + %4d answers  floor %6d ms  ratio %.3f\n", what,
                static_cast<long long>(elapsedMs), counts.requests.load(), counts.answers.load(),
                floorMs, floorMs > 0 ? double(elapsedMs) / floorMs : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    setenv("XDG_DATA_HOME", QFile::encodeName(home.path()).constData(), 1);
    setenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()).constData(), 1);
    QCoreApplication app(argc, argv);

    auto model = std::make_shared<sim::FirmwareModel>();
    Counts counts;
    model->setTraceSink([&counts](sim::ReportDirection direction, const Report &) {
        (direction == sim::ReportDirection::Set ? counts.requests : counts.answers)++;
    });
    WexHIDComFunction::shareDeviceReq()->setTransport(
        std::make_unique<sim::InProcessTransport>(model));
    OrvexAction::sysDeviceReq = WexHIDComFunction::shareDeviceReq();
    Catalogue::initMenuList();
    ProfieController *profiles = ProfileState::getShareProCon();
    profiles->setCurrFWProfileIndex(2);
    addMacro(QStringLiteral("bench one"), 40, 3);
    addMacro(QStringLiteral("bench two"), 40, 4);

    QElapsedTimer timer;
    timer.start();
    const bool applied = DeviceTransfer::applyFWData();
    report("apply (11 buttons, 2 macros)", timer.elapsed(), counts);

    counts.requests = 0;
    counts.answers = 0;
    DeviceTransfer::setSettlePause(std::chrono::milliseconds(0));
    timer.restart();
    const bool imported = DeviceTransfer::getAllFWData();
    report("import of five profiles (no settle)", timer.elapsed(), counts);
    std::printf("(an import from the application adds the %lld ms settle pause)\n", 5000LL);
    return applied && imported ? EXIT_SUCCESS : EXIT_FAILURE;
}
