// SPDX-License-Identifier: GPL-3.0-or-later
// Writes that skip what the mouse already holds, against the full rewrite of
// the same transfer, on the in-process virtual mouse with the real 30 ms
// pause. The slot holds a profile with two macros; before each transfer the
// program imports the five profiles, as the application does at start
// (that import runs without pauses and is not timed).
//
//   build/bench/mirror_bench
#include "OrvexAction.h"
#include "catalogue/Catalogue.h"
#include "device/DeviceMirror.h"
#include "device/DeviceTransfer.h"
#include "device/FirmwareFunctionTable.h"
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
#include <functional>

using namespace orvex;

namespace {

constexpr int Slot = 0;
constexpr auto Pause = std::chrono::milliseconds(30);

struct Counts
{
    std::atomic<int> writes{0};
    std::atomic<int> reloads{0};
    std::atomic<int> requests{0};
};

struct Measure
{
    qint64 ms = 0;
    int writes = 0;
    int reloads = 0;
};

struct Scenario
{
    const char *name;
    std::function<void()> edit;
    std::function<bool()> transfer;
};

Counts counts;

void addMacro(const QString &name, int steps, int buttonIndex)
{
    const MacroInfoPtr macro = Catalogue::addMacorByName(name);
    for (int i = 0; i < steps; ++i)
        macro->addStep(i % 2 == 0 ? 0 : 11, i % 2, i % 4 == 0 ? 100 : 0);
    BTN_INFO &button = ProfileState::selProfile.btnInfo[buttonIndex];
    button.FuncTableId = fwfunc::Macro;
    button.FuncID = 6;
    button.btnType = 2;
    button.MacroID = std::uint32_t(macro->macroId);
    button.KeyBit[1] = 1;
}

// The slot's profile with two macros on the mouse and in the stored profile.
bool prepareSlot()
{
    ProfileState::getShareProCon()->setCurrFWProfileIndex(Slot);
    addMacro(QStringLiteral("bench one"), 8, 3);
    addMacro(QStringLiteral("bench two"), 8, 4);
    ProfileState::getShareProCon()->saveSelProfileToData();
    return DeviceTransfer::applyFWData();
}

// A fresh mirror filled by the application's import.
bool importAtStart()
{
    DeviceMirror::forgetAll(QStringLiteral("benchmark"));
    DeviceLink::setReportPause(std::chrono::milliseconds(0));
    const bool imported = DeviceTransfer::getAllFWData();
    ProfileState::getShareProCon()->setCurrFWProfileIndex(Slot);
    DeviceLink::setReportPause(Pause);
    return imported;
}

int differingBytes(const BTN_INFO &a, const BTN_INFO &b)
{
    const FirmwareFunction x = MemoryMap::firmwareFunction(a);
    const FirmwareFunction y = MemoryMap::firmwareFunction(b);
    int count = x.functionClass != y.functionClass ? 1 : 0;
    for (std::size_t k = 0; k < x.params.size(); ++k)
        count += x.params[k] != y.params[k] ? 1 : 0;
    return count;
}

// Button 5 takes the function of the other plain button whose bytes differ
// most from its own: the costliest change of one button to another function.
void giveButtonAnotherFunction()
{
    BTN_INFO &target = ProfileState::selProfile.btnInfo[5];
    const BTN_INFO *best = nullptr;
    for (const BTN_INFO &other : ProfileState::selProfile.btnInfo) {
        if (&other == &target || other.FuncTableId == fwfunc::Macro ||
            other.FuncTableId == fwfunc::Launcher)
            continue;
        if (!best || differingBytes(other, target) > differingBytes(*best, target))
            best = &other;
    }
    if (best)
        target = *best;
}

Measure measure(const Scenario &scenario, bool fullWrites)
{
    if (!importAtStart()) {
        std::fprintf(stderr, "import failed\n");
        std::exit(EXIT_FAILURE);
    }
    scenario.edit();
    if (fullWrites)
        setenv("ORVEX_FULL_WRITES", "1", 1);
    counts.writes = 0;
    counts.reloads = 0;
    QElapsedTimer timer;
    timer.start();
    const bool sent = scenario.transfer();
    Measure result{timer.elapsed(), counts.writes.load(), counts.reloads.load()};
    unsetenv("ORVEX_FULL_WRITES");
    if (!sent) {
        std::fprintf(stderr, "%s: transfer failed\n", scenario.name);
        std::exit(EXIT_FAILURE);
    }
    return result;
}

void report(const Scenario &scenario, const Measure &changed, const Measure &full)
{
    std::printf("%-44s %3d writes %d reload %5lld ms | full rewrite %3d writes %d reload %5lld ms "
                "| time ratio %.3f, writes ratio %.3f\n",
                scenario.name, changed.writes, changed.reloads, static_cast<long long>(changed.ms),
                full.writes, full.reloads, static_cast<long long>(full.ms),
                full.ms > 0 ? double(changed.ms) / full.ms : 0.0,
                full.writes > 0 ? double(changed.writes) / full.writes : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    setenv("XDG_DATA_HOME", QFile::encodeName(home.path()).constData(), 1);
    setenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()).constData(), 1);
    unsetenv("ORVEX_FULL_WRITES");
    QCoreApplication app(argc, argv);

    auto model = std::make_shared<sim::FirmwareModel>();
    model->setTraceSink([](sim::ReportDirection direction, const Report &report) {
        if (direction != sim::ReportDirection::Set)
            return;
        ++counts.requests;
        if (report[0] == fwcmd::WriteByte)
            ++counts.writes;
        else if (report[0] == fwcmd::Control && report[1] == fwcmd::ControlReload)
            ++counts.reloads;
    });
    WexHIDComFunction::shareDeviceReq()->setTransport(
        std::make_unique<sim::InProcessTransport>(model));
    OrvexAction::sysDeviceReq = WexHIDComFunction::shareDeviceReq();
    DeviceTransfer::setSettlePause(std::chrono::milliseconds(0));
    DeviceLink::setReportPause(std::chrono::milliseconds(0));
    Catalogue::initMenuList();
    if (!prepareSlot() || !importAtStart())
        return EXIT_FAILURE;
    // What the application's start pays for it: the import also reads the
    // macros' bytes, unless the mirror is off.
    for (const bool fullWrites : {true, false}) {
        if (fullWrites)
            setenv("ORVEX_FULL_WRITES", "1", 1);
        counts.requests = 0;
        DeviceMirror::forgetAll(QStringLiteral("benchmark"));
        QElapsedTimer importTimer;
        importTimer.start();
        DeviceTransfer::getAllFWData();
        std::printf("import of five profiles, two macros, %-22s %6lld ms, %d requests\n",
                    fullWrites ? "without the mirror:" : "filling the mirror:",
                    static_cast<long long>(importTimer.elapsed()), counts.requests.load());
        unsetenv("ORVEX_FULL_WRITES");
    }

    const Scenario scenarios[] = {
        {"one button to another function, Apply", giveButtonAnotherFunction,
         DeviceTransfer::setCurrBtnInfoToDevice},
        {"one colour, lighting transfer",
         [] {
             auto &colour = ProfileState::selProfile.lightColorIndexArr[0];
             colour = (colour + 1) % 7;
         },
         DeviceTransfer::setCurrColorToDev},
        {"whole profile the slot holds", [] {}, DeviceTransfer::applyFWData},
    };
    for (const Scenario &scenario : scenarios) {
        const Measure changed = measure(scenario, false);
        const Measure full = measure(scenario, true);
        report(scenario, changed, full);
    }
    return EXIT_SUCCESS;
}
