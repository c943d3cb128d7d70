// SPDX-License-Identifier: GPL-3.0-or-later
// Writes that skip what the mouse already holds: after an import, each kind
// of edit sends only the bytes that differ and leaves the mouse's memory
// exactly as a full rewrite from the same start does.
#include "device/DeviceMirror.h"
#include "catalogue/Catalogue.h"
#include "device/ButtonTransfer.h"
#include "device/DeviceTransfer.h"
#include "device/FirmwareFunctionTable.h"
#include "device/OnboardProfile.h"
#include "device/TransferProgress.h"
#include "platform/UserDataFolder.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

#include "FaultyTransport.h"
#include "VirtualMouseFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <set>

using namespace orvex;

namespace {

constexpr int EditedSlot = 2;

struct Edit
{
    const char *name;
    std::function<void()> change;
    std::function<bool()> transfer;
};

// What a run left: the writes it sent, its Reloads, the mouse's memories,
// and which addresses the mirror knew before the transfer.
struct Outcome
{
    std::vector<std::uint16_t> writes;
    int reloads = 0;
    QByteArray written;
    QByteArray applied;
    std::set<std::uint16_t> knownBefore;
};

ORVEX_PROFILE &working()
{
    return ProfileState::selProfile;
}

bool isPlainFunction(const BTN_INFO &button)
{
    return button.FuncTableId != fwfunc::Macro && button.FuncTableId != fwfunc::Launcher;
}

// Button 3 takes the function of the first other button whose bytes differ.
void giveButtonAnotherFunction()
{
    BTN_INFO &target = working().btnInfo[3];
    for (const BTN_INFO &other : working().btnInfo) {
        if (&other != &target && isPlainFunction(other) &&
            (other.FuncTableId != target.FuncTableId ||
             std::memcmp(other.KeyBit, target.KeyBit, sizeof target.KeyBit) != 0)) {
            target = other;
            return;
        }
    }
}

void giveButtonAMacro()
{
    const MacroInfoPtr macro = Catalogue::addMacorByName(QStringLiteral("mirror macro"));
    for (int i = 0; i < 12; ++i)
        macro->addStep(i % 2 == 0 ? 0 : 11, i % 2, i % 4 == 0 ? 100 : 0);
    BTN_INFO &button = working().btnInfo[4];
    button.FuncTableId = fwfunc::Macro;
    button.FuncID = 6;
    button.btnType = 2;
    button.MacroID = std::uint32_t(macro->macroId);
    button.KeyBit[1] = 1;
}

QList<Edit> edits()
{
    return {
        {"a button to another function", giveButtonAnotherFunction,
         DeviceTransfer::setCurrBtnInfoToDevice},
        {"a button to a macro", giveButtonAMacro, DeviceTransfer::setCurrBtnInfoToDevice},
        {"one zone's colour",
         [] { working().lightColorIndexArr[1] = (working().lightColorIndexArr[1] + 3) % 7; },
         DeviceTransfer::setCurrColorToDev},
        {"one DPI value", [] { working().xSensArr[1] += 2; }, DeviceTransfer::setCurrSettingToDev},
        {"the report rate", [] { working().poRate = (working().poRate + 1) % 4; },
         DeviceTransfer::setCurrSettingToDev},
        {"the DPI stage", [] { working().currSelectDPI = (working().currSelectDPI + 1) % 4; },
         DeviceTransfer::setCurrDPILevelToDev},
        {"the name, applied with the whole profile",
         [] { ProfileState::getShareProCon()->currProfile()->setName(QStringLiteral("Renamed")); },
         DeviceTransfer::applyFWData},
        {"one button, applied with the whole profile", giveButtonAnotherFunction,
         DeviceTransfer::applyFWData},
        {"nothing, the whole profile applied", [] {}, DeviceTransfer::applyFWData},
    };
}

class DeviceMirrorTest : public test::VirtualMouseFixture
{
protected:
    void SetUp() override
    {
        VirtualMouseFixture::SetUp();
        unsetenv("ORVEX_FULL_WRITES");
    }

    void TearDown() override
    {
        unsetenv("ORVEX_FULL_WRITES");
        DeviceTransfer::setSettlePause(std::chrono::milliseconds(5000));
        VirtualMouseFixture::TearDown();
    }

    // A fresh process state, profile folder and mouse starting from `image`,
    // behind `transport` when given.
    void startFresh(const QByteArray &image, bool fullWrites)
    {
        OrvexAction::resetState();
        QDir(UserDataFolder::getSysPath()).removeRecursively();
        OrvexAction::resetState();
        if (fullWrites)
            setenv("ORVEX_FULL_WRITES", "1", 1);
        else
            unsetenv("ORVEX_FULL_WRITES");
        {
            std::lock_guard lock(mutex);
            reports.clear();
        }
        model = std::make_shared<sim::FirmwareModel>(image);
        model->setTraceSink([this](sim::ReportDirection direction, const Report &bytes) {
            std::lock_guard lock(mutex);
            reports.push_back({direction, bytes, std::chrono::steady_clock::now()});
        });
        faulty = new test::FaultyTransport(model);
        WexHIDComFunction::shareDeviceReq()->setTransport(
            std::unique_ptr<test::FaultyTransport>(faulty));
        OrvexAction::sysDeviceReq = WexHIDComFunction::shareDeviceReq();
        withoutPauses();
        DeviceTransfer::setSettlePause(std::chrono::milliseconds(0));
        Catalogue::initMenuList();
    }

    void importAndEditSlot()
    {
        ASSERT_TRUE(DeviceTransfer::getAllFWData());
        ProfileState::getShareProCon()->setCurrFWProfileIndex(EditedSlot);
    }

    std::size_t mark()
    {
        std::lock_guard lock(mutex);
        return reports.size();
    }

    // The write requests since `from`, by address, and the Reloads.
    std::pair<std::vector<std::uint16_t>, int> requestsSince(std::size_t from)
    {
        std::lock_guard lock(mutex);
        std::vector<std::uint16_t> writes;
        int reloads = 0;
        for (std::size_t i = from; i < reports.size(); ++i) {
            const Report &r = reports[i].bytes;
            if (reports[i].direction != sim::ReportDirection::Set)
                continue;
            if (r[0] == fwcmd::WriteByte)
                writes.push_back(std::uint16_t(r[1] | (r[3] << 8)));
            else if (r[0] == fwcmd::Control && r[1] == fwcmd::ControlReload)
                ++reloads;
        }
        return {writes, reloads};
    }

    QByteArray writtenMemory() const
    {
        QByteArray bytes(fwmem::Size, 0);
        for (int address = 0; address < fwmem::Size; ++address)
            bytes[address] = char(model->writtenByte(address));
        return bytes;
    }

    Outcome run(const QByteArray &start, const Edit &edit, bool fullWrites)
    {
        Outcome outcome;
        startFresh(start, fullWrites);
        importAndEditSlot();
        edit.change();
        for (int address = 0; address < fwmem::Size; ++address) {
            if (DeviceMirror::byteAt(std::uint16_t(address)))
                outcome.knownBefore.insert(std::uint16_t(address));
        }
        const std::size_t from = mark();
        EXPECT_TRUE(edit.transfer()) << edit.name;
        std::tie(outcome.writes, outcome.reloads) = requestsSince(from);
        outcome.written = writtenMemory();
        outcome.applied = model->appliedImage();
        return outcome;
    }

    // The plan of the whole-profile apply of the slot being edited.
    static WritePlan wholeProfilePlan()
    {
        const ProfileValuePtr profile = ProfileState::getShareProCon()->currProfile();
        return OnboardProfile{EditedSlot, profile->name(), ProfileState::selProfile}.plan();
    }

    test::FaultyTransport *faulty = nullptr;
};

TEST_F(DeviceMirrorTest, EachEditWritesOnlyWhatDiffersAndEndsAsAFullRewrite)
{
    const QByteArray start = sim::FirmwareModel().appliedImage();
    for (const Edit &edit : edits()) {
        SCOPED_TRACE(edit.name);
        const Outcome full = run(start, edit, true);
        const Outcome changed = run(start, edit, false);
        EXPECT_EQ(full.reloads, 1);
        EXPECT_TRUE(changed.written == full.written) << "written memory differs from a full write";
        EXPECT_TRUE(changed.applied == full.applied) << "applied memory differs from a full write";

        // Every address the full write touches is sent again only when its
        // byte changes, or when the import never read it (a macro's bytes).
        std::set<std::uint16_t> expected;
        for (std::uint16_t address : full.writes) {
            if (start[address] != full.written[address] || !changed.knownBefore.count(address))
                expected.insert(address);
        }
        const std::set<std::uint16_t> sent(changed.writes.begin(), changed.writes.end());
        EXPECT_EQ(sent, expected);
        EXPECT_EQ(changed.writes.size(), sent.size()) << "an address written twice";
        EXPECT_EQ(changed.reloads, changed.writes.empty() ? 0 : 1);
        if (std::string(edit.name).rfind("nothing", 0) == 0)
            EXPECT_TRUE(changed.writes.empty());
        else
            EXPECT_FALSE(changed.writes.empty()) << "the edit changed nothing: not a test";
    }
}

// Exactly as today for a process that has not read the mouse: the whole
// plan goes out, in its order, with one Reload.
TEST_F(DeviceMirrorTest, AProcessThatHasNotReadTheMouseWritesEverything)
{
    startFresh(sim::FirmwareModel().appliedImage(), false);
    ProfileState::getShareProCon()->setCurrFWProfileIndex(EditedSlot);
    const WritePlan plan = wholeProfilePlan();
    ASSERT_TRUE(DeviceTransfer::applyFWData());
    const auto [writes, reloads] = requestsSince(0);
    ASSERT_EQ(int(writes.size()), plan.size());
    for (int i = 0; i < plan.size(); ++i)
        EXPECT_EQ(writes[std::size_t(i)], plan.writes()[std::size_t(i)].address);
    EXPECT_EQ(reloads, 1);

    // What it wrote it now knows: the same apply again sends nothing.
    const std::size_t from = mark();
    ASSERT_TRUE(DeviceTransfer::applyFWData());
    EXPECT_TRUE(requestsSince(from).first.empty());
    EXPECT_EQ(requestsSince(from).second, 0);
}

// A write the mouse did not answer may or may not have landed: the mirror is
// dropped, so the next apply rewrites the whole profile.
TEST_F(DeviceMirrorTest, AnUnansweredWriteMakesTheNextApplyAFullWrite)
{
    startFresh(sim::FirmwareModel().appliedImage(), false);
    importAndEditSlot();
    giveButtonAnotherFunction();
    faulty->failSetNumber(2);
    EXPECT_FALSE(DeviceTransfer::setCurrBtnInfoToDevice());
    EXPECT_EQ(DeviceMirror::knownBytes(), 0);

    const WritePlan plan = wholeProfilePlan();
    const std::size_t from = mark();
    ASSERT_TRUE(DeviceTransfer::applyFWData());
    EXPECT_EQ(int(requestsSince(from).first.size()), plan.size());
    for (const WritePlan::Write &write : plan.writes())
        EXPECT_EQ(model->appliedByte(write.address), write.value) << write.address;
}

// The bytes the mouse changes by itself are forgotten when it reports them;
// a Reset forgets everything, a profile selection is remembered.
TEST_F(DeviceMirrorTest, ResetSelectionAndTheMouseOwnChanges)
{
    startFresh(sim::FirmwareModel().appliedImage(), false);
    importAndEditSlot();
    const std::uint16_t performance = MemoryMap::getOffsetAdrBy(fwmem::Performance, EditedSlot);
    ASSERT_TRUE(DeviceMirror::byteAt(performance));
    DeviceMirror::forgetPerformance();
    EXPECT_FALSE(DeviceMirror::byteAt(performance));
    std::size_t from = mark();
    ASSERT_TRUE(DeviceTransfer::setCurrSettingToDev());
    EXPECT_EQ(requestsSince(from).first, std::vector<std::uint16_t>{performance});

    ASSERT_TRUE(OrvexAction::selectProfileChecked(3));
    EXPECT_EQ(DeviceMirror::byteAt(fwmem::ActiveProfile), fwmem::ActiveProfileMark | 3);

    ASSERT_TRUE(OrvexAction::resetChecked());
    EXPECT_EQ(DeviceMirror::knownBytes(), 0);
}

// What the loading overlay shows: from 0 to the writes actually sent.
TEST_F(DeviceMirrorTest, ProgressCountsOnlyTheWritesNeeded)
{
    for (const auto &transfer :
         {DeviceTransfer::setCurrBtnInfoToDevice, DeviceTransfer::applyFWData}) {
        startFresh(sim::FirmwareModel().appliedImage(), false);
        importAndEditSlot();
        giveButtonAnotherFunction();
        std::vector<std::pair<int, int>> heard;
        TransferProgress::setListener(
            [&heard](int done, int total, const QString &) { heard.emplace_back(done, total); });
        const std::size_t from = mark();
        ASSERT_TRUE(transfer());
        TransferProgress::setListener({});
        const int writes = int(requestsSince(from).first.size());
        ASSERT_GT(writes, 0);
        ASSERT_FALSE(heard.empty());
        EXPECT_EQ(heard.front(), std::pair(0, writes));
        EXPECT_EQ(heard.back(), std::pair(writes, writes));
    }
}

TEST_F(DeviceMirrorTest, FullWritesTurnTheMirrorOff)
{
    startFresh(sim::FirmwareModel().appliedImage(), true);
    importAndEditSlot();
    EXPECT_EQ(DeviceMirror::knownBytes(), 0);
    const std::size_t from = mark();
    ASSERT_TRUE(DeviceTransfer::applyFWData());
    EXPECT_EQ(int(requestsSince(from).first.size()), wholeProfilePlan().size());
    EXPECT_EQ(requestsSince(from).second, 1);
}

} // namespace
