// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceTransfer.h"
#include "device/OnboardProfile.h"
#include "device/SettingsTransfer.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"
#include "platform/UserDataFolder.h"
#include "profile/FactoryProfiles.h"
#include "profile/ProfieController.h"
#include "profile/ProfileState.h"

#include "FaultyTransport.h"
#include "VirtualMouseFixture.h"

#include <QDir>
#include <QFile>

#include <atomic>
#include <cstring>
#include <random>

using namespace orvex;

namespace {

// Passes reports to the virtual mouse and pulls its plug after a given
// number of them, as a person yanking the cable mid-transfer would.
class UnpluggingTransport : public Transport
{
public:
    UnpluggingTransport(std::shared_ptr<sim::FirmwareModel> model, int reportsBeforeUnplug)
        : m_inner(model), m_model(std::move(model)), m_left(reportsBeforeUnplug)
    {
    }
    bool open() override { return m_inner.open(); }
    void close() override { m_inner.close(); }
    bool isPresent() override { return m_inner.isPresent(); }
    bool sendFeatureReport(const Report &report) override
    {
        countDown();
        return m_inner.sendFeatureReport(report);
    }
    bool getFeatureReport(Report &report) override
    {
        countDown();
        return m_inner.getFeatureReport(report);
    }
    QString describe() const override { return m_inner.describe(); }

private:
    void countDown()
    {
        if (--m_left == 0)
            m_model->unplug();
    }
    sim::InProcessTransport m_inner;
    std::shared_ptr<sim::FirmwareModel> m_model;
    int m_left;
};

class DeviceTransferTest : public test::VirtualMouseFixture
{
protected:
    void SetUp() override
    {
        VirtualMouseFixture::SetUp();
        withoutPauses();
        DeviceTransfer::setSettlePause(std::chrono::milliseconds(0));
        ends.clear();
        connection = QObject::connect(
            InProcessNotifier::shared(), &InProcessNotifier::notified,
            [this](const QString &name, const QVariant &object, const QVariantMap &userInfo) {
                if (name == QLatin1String(notify::HideLoadEvent))
                    ends.append({object.toInt(),
                                 userInfo.value(QLatin1String(notify::SuccessKey)).toBool()});
            });
    }
    void TearDown() override
    {
        QObject::disconnect(connection);
        DeviceTransfer::setSettlePause(std::chrono::milliseconds(5000));
        VirtualMouseFixture::TearDown();
    }

    void unplugAfter(int reports)
    {
        WexHIDComFunction::shareDeviceReq()->setTransport(
            std::make_unique<UnpluggingTransport>(model, reports));
    }

    static QMap<QString, QByteArray> profileFolder()
    {
        QMap<QString, QByteArray> files;
        const QDir folder(ProfileState::getShareProCon()->sysProPath());
        for (const QString &name : folder.entryList(QDir::Files)) {
            QFile file(folder.filePath(name));
            file.open(QIODevice::ReadOnly);
            files.insert(name, file.readAll());
        }
        return files;
    }

    QList<std::pair<int, bool>> ends;
    QMetaObject::Connection connection;
};

} // namespace

TEST_F(DeviceTransferTest, ImportingAFactoryFreshMouseBindsTheFactoryProfiles)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    const qsizetype countBefore = profiles->getProfileCount();
    ASSERT_TRUE(DeviceTransfer::getAllFWData());
    EXPECT_EQ(profiles->getProfileCount(), countBefore) << "no copies of the factory profiles";
    const QList<FactoryProfile> factory = FactoryProfiles::load();
    for (int slot = 0; slot < 5; ++slot) {
        const ProfileValuePtr bound = profiles->getProfileByFWProId(slot);
        ASSERT_TRUE(bound);
        EXPECT_EQ(bound->name(), factory[slot].name);
        EXPECT_EQ(bound->profileData().xSensArr[2], factory[slot].profile.xSensArr[2]);
    }
    ASSERT_EQ(ends.size(), 1);
    EXPECT_EQ(ends[0], std::make_pair(1, true));
}

TEST_F(DeviceTransferTest, AnUnnamedSlotGetsANewProfileWhoseNameIsWrittenBack)
{
    OrvexAction::setAdrrData(0, 0x3B00 + 64 * 3);
    ProfieController *profiles = ProfileState::getShareProCon();
    const qsizetype countBefore = profiles->getProfileCount();
    ASSERT_TRUE(DeviceTransfer::getAllFWData());
    EXPECT_EQ(profiles->getProfileCount(), countBefore + 1);
    const ProfileValuePtr created = profiles->getProfileByFWProId(3);
    ASSERT_TRUE(created);
    EXPECT_EQ(SettingsTransfer::readName(3), created->name());
}

TEST_F(DeviceTransferTest, AppliedProfilesReadBackFieldForField)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    std::mt19937 random(7);
    for (int slot = 0; slot < 5; ++slot) {
        profiles->setCurrFWProfileIndex(slot);
        ORVEX_PROFILE &edited = ProfileState::selProfile;
        edited.modeType = random() % 2;
        for (int zone = 0; zone < 3; ++zone) {
            edited.islightOnArr[zone] = random() % 2;
            edited.lightColorIndexArr[zone] = random() % 7;
        }
        for (int stage = 0; stage < 4; ++stage) {
            edited.xSensArr[stage] = 1 + random() % 164;
            edited.ySensArr[stage] = 1 + random() % 164;
        }
        edited.currSelectDPI = random() % 4;
        edited.poRate = random() % 4;
        edited.liftHeight = 1 + random() % 25;
        edited.btnInfo[4].FuncTableId = 2;
        edited.btnInfo[4].KeyBit[0] = random() % 256;
        ASSERT_TRUE(DeviceTransfer::applyFWData());
        const ORVEX_PROFILE sent = edited;

        const auto back = OnboardProfile::read(slot);
        ASSERT_TRUE(back);
        const ORVEX_PROFILE &read = back->profile;
        EXPECT_EQ(back->name, profiles->currProfile()->name());
        EXPECT_EQ(read.poRate, sent.poRate);
        EXPECT_EQ(read.currSelectDPI, sent.currSelectDPI);
        EXPECT_EQ(read.liftHeight, sent.liftHeight);
        EXPECT_EQ(std::memcmp(read.xSensArr, sent.xSensArr, sizeof sent.xSensArr), 0);
        EXPECT_EQ(std::memcmp(read.ySensArr, sent.ySensArr, sizeof sent.ySensArr), 0);
        EXPECT_EQ(std::memcmp(read.islightOnArr, sent.islightOnArr, sizeof sent.islightOnArr), 0);
        for (int zone = 0; zone < 3; ++zone) {
            if (sent.islightOnArr[zone]) {
                EXPECT_EQ(read.lightColorIndexArr[zone], sent.lightColorIndexArr[zone]);
            }
        }
        if (sent.islightOnArr[0] || sent.islightOnArr[1] || sent.islightOnArr[2]) {
            EXPECT_EQ(read.modeType, sent.modeType);
        }
        EXPECT_EQ(read.btnInfo[4].KeyBit[0], sent.btnInfo[4].KeyBit[0]);
    }
    EXPECT_EQ(ends.size(), 5u);
}

TEST_F(DeviceTransferTest, UnpluggingMidImportChangesNoStoredProfile)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    ASSERT_TRUE(profiles->saveToSys());
    const QMap<QString, QByteArray> filesBefore = profileFolder();
    const qsizetype countBefore = profiles->getProfileCount();
    const ORVEX_PROFILE recordBefore = ProfileState::selProfile;
    const int slotBefore = profiles->currFWProfileIndex();

    for (int reports : {5, 150, 400}) {
        model->plug();
        unplugAfter(reports);
        EXPECT_FALSE(DeviceTransfer::getAllFWData()) << reports;
        EXPECT_EQ(profiles->getProfileCount(), countBefore);
        EXPECT_EQ(profileFolder(), filesBefore);
        EXPECT_EQ(profiles->currFWProfileIndex(), slotBefore);
        EXPECT_EQ(std::memcmp(&recordBefore, &ProfileState::selProfile, sizeof recordBefore), 0);
    }
    ASSERT_EQ(ends.size(), 3);
    EXPECT_EQ(ends.last(), std::make_pair(1, false));
}

TEST_F(DeviceTransferTest, AFailedApplyIsReportedAsAFailure)
{
    ProfileState::getShareProCon();
    unplugAfter(20);
    EXPECT_FALSE(DeviceTransfer::applyFWData());
    ASSERT_EQ(ends.size(), 1);
    EXPECT_EQ(ends[0], std::make_pair(0, false));
}

// The mouse forgets written bytes that no Reload applied when it resets (the
// agent resets it at every start and plug-in): a name left unapplied would
// bind the slot to the wrong stored profile at the next import.
TEST_F(DeviceTransferTest, NamesWrittenByApplyAndImportSurviveAReset)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    profiles->setCurrFWProfileIndex(0);
    profiles->setProfileToFWPro(profiles->getProfileByName(QStringLiteral("Media"))->profileId());
    ASSERT_TRUE(DeviceTransfer::applyFWData());
    OrvexAction::setAdrrData(0, 0x3B00 + 64 * 3);
    OrvexAction::refreshDeviceData();
    ASSERT_TRUE(DeviceTransfer::getAllFWData());

    OrvexAction::resetDev();
    EXPECT_EQ(SettingsTransfer::readName(0), QStringLiteral("Media"));
    EXPECT_EQ(SettingsTransfer::readName(3), profiles->getProfileByFWProId(3)->name());
}

// A cable that drops one report part-way through a whole-profile write: the
// rest is not sent, nothing is applied, and what was written is dropped, so
// the slot keeps the profile it held rather than a mix of two.
TEST_F(DeviceTransferTest, AFailedWriteStopsTheTransferAndLeavesTheSlotAsItWas)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    profiles->setCurrFWProfileIndex(1);
    profiles->setProfileToFWPro(profiles->getProfileByName(QStringLiteral("Media"))->profileId());
    const QByteArray appliedBefore = model->appliedImage();
    auto faulty = std::make_unique<test::FaultyTransport>(model);
    faulty->failSetNumber(40);
    WexHIDComFunction::shareDeviceReq()->setTransport(std::move(faulty));

    EXPECT_FALSE(DeviceTransfer::applyFWData());

    const auto sent = traced();
    ASSERT_EQ(sent.size(), 40u) << "39 writes, the lost one, then only a Reset";
    EXPECT_EQ(sent.back().bytes, bytes({0xC4, 0x01}));
    for (const auto &report : sent)
        EXPECT_NE(report.bytes, bytes({0xC4, 0x00})) << "no Reload";
    EXPECT_EQ(model->appliedImage(), appliedBefore);
    for (int address = 0; address < fwmem::Size; ++address)
        ASSERT_EQ(model->writtenByte(address), model->appliedByte(address)) << address;
    ASSERT_EQ(ends.size(), 1);
    EXPECT_EQ(ends[0], std::make_pair(0, false));
}

// Names reach the mouse transliterated and cut to 32 characters; reading one
// back finds the stored profile it came from instead of creating another.
TEST_F(DeviceTransferTest, AStoredNameFindsItsProfileInTheFormTheMouseHolds)
{
    ProfieController *profiles = ProfileState::getShareProCon();
    const QString name = QStringLiteral("Café for the long evenings of winter");
    profiles->setCurrFWProfileIndex(2);
    profiles->setProfileToFWPro(profiles->addProfileByName(name, nullptr)->profileId());
    ASSERT_TRUE(profiles->saveToSys());
    ASSERT_TRUE(DeviceTransfer::applyFWData());
    ASSERT_EQ(SettingsTransfer::readName(2), QStringLiteral("Cafe for the long evenings of wi"));
    const qsizetype count = profiles->getProfileCount();

    ASSERT_TRUE(DeviceTransfer::getAllFWData());
    EXPECT_EQ(profiles->getProfileCount(), count);
    EXPECT_EQ(profiles->getProfileByFWProId(2)->name(), name);
}

// The transfer record belongs to the writes the pages start; reading the mouse
// (a name, a whole slot, the import) works on records of its own.
TEST_F(DeviceTransferTest, ReadingTheMouseLeavesTheTransferRecordAlone)
{
    TransferState::currSetProfileID = 4;
    TransferState::currSetProfile.poRate = 2;
    TransferState::currSetProfile.btnInfo[1].FuncID = 77;
    const ORVEX_PROFILE record = TransferState::currSetProfile;

    EXPECT_EQ(SettingsTransfer::readName(1), FactoryProfiles::load()[1].name);
    const auto slot2 = OnboardProfile::read(2);
    ASSERT_TRUE(slot2);
    EXPECT_EQ(slot2->profile.xSensArr[2], FactoryProfiles::load()[2].profile.xSensArr[2]);
    ASSERT_TRUE(DeviceTransfer::getAllFWData());

    EXPECT_EQ(TransferState::currSetProfileID, 4);
    EXPECT_EQ(std::memcmp(&record, &TransferState::currSetProfile, sizeof record), 0);
}
