// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SettingsTransfer.h"
#include "device/FirmwareName.h"

#include "VirtualMouseFixture.h"

#include <cstring>

using namespace orvex;

namespace {
class SettingsTransferTest : public test::VirtualMouseFixture
{
protected:
    void SetUp() override
    {
        VirtualMouseFixture::SetUp();
        withoutPauses();
    }
    ORVEX_PROFILE &record() { return TransferState::currSetProfile; }
};
} // namespace

TEST_F(SettingsTransferTest, PerformanceByteCarriesRateAndStage)
{
    TransferState::currSetProfileID = 1;
    record().poRate = 0; // 125 Hz
    record().currSelectDPI = 2;
    record().xSensArr[3] = 164;
    record().ySensArr[0] = 1;
    record().liftHeight = 25;
    ASSERT_TRUE(SettingsTransfer::setSettingToDev());
    EXPECT_EQ(model->appliedByte(0x150), 0x9A);
    EXPECT_EQ(model->appliedByte(0x154), 164);
    EXPECT_EQ(model->appliedByte(0x156), 1);
    EXPECT_EQ(model->appliedByte(0x8E), 0x20 | 25);

    record().poRate = 3; // 1000 Hz
    record().currSelectDPI = 0;
    ASSERT_TRUE(SettingsTransfer::setDPILevelToDev());
    EXPECT_EQ(model->appliedByte(0x150), 0x80);

    record() = ORVEX_PROFILE{};
    ASSERT_TRUE(SettingsTransfer::getSettingFromDev());
    EXPECT_EQ(record().poRate, 3u);
    EXPECT_EQ(record().currSelectDPI, 0u);
    EXPECT_EQ(record().xSensArr[3], 164u);
    EXPECT_EQ(record().liftHeight, 25u);
}

TEST_F(SettingsTransferTest, LedZonesEncodeModeColourAndOff)
{
    record().modeType = 1;
    record().islightOnArr[0] = 1;
    record().lightColorIndexArr[0] = 0; // red, firmware code 1
    record().islightOnArr[1] = 0;
    record().islightOnArr[2] = 1;
    record().lightColorIndexArr[2] = 6; // green, firmware code 2
    ASSERT_TRUE(SettingsTransfer::setColorToDevice());
    EXPECT_EQ(model->appliedByte(0x10C), 0x31); // zone 0 at block + 12
    EXPECT_EQ(model->appliedByte(0x10D), 0x00); // zone 1 at block + 13
    EXPECT_EQ(model->appliedByte(0x10B), 0x32); // zone 2 at block + 11

    // Read-back of 11 / 00 / 34: zones 0 and 2 lit, the last definite mode wins.
    OrvexAction::setAdrrData(0x11, 0x10C);
    OrvexAction::setAdrrData(0x00, 0x10D);
    OrvexAction::setAdrrData(0x34, 0x10B);
    record().lightColorIndexArr[1] = 5;
    ASSERT_TRUE(SettingsTransfer::getColorFromDevice());
    EXPECT_EQ(record().islightOnArr[0], 1u);
    EXPECT_EQ(record().islightOnArr[1], 0u);
    EXPECT_EQ(record().islightOnArr[2], 1u);
    EXPECT_EQ(record().modeType, 1u);
    EXPECT_EQ(record().lightColorIndexArr[0], 0u);
    EXPECT_EQ(record().lightColorIndexArr[1], 5u); // a dark zone keeps its colour
    EXPECT_EQ(record().lightColorIndexArr[2], 2u); // code 4 is blue, palette index 2
}

TEST_F(SettingsTransferTest, NamesGoEveryOtherByteAndNeverPastTheSlot)
{
    TransferState::currSetProfileID = 2;
    ASSERT_TRUE(SettingsTransfer::setFWProfileName(QStringLiteral("Abc")));
    EXPECT_EQ(model->writtenByte(0x3B80), 3);
    EXPECT_EQ(model->writtenByte(0x3B81), 'A');
    EXPECT_EQ(model->writtenByte(0x3B83), 'b');
    EXPECT_EQ(model->writtenByte(0x3B85), 'c');
    EXPECT_EQ(SettingsTransfer::getFWProfileName(), QStringLiteral("Abc"));

    const std::uint8_t nextSlotLength = model->writtenByte(0x3BC0);
    ASSERT_TRUE(SettingsTransfer::setFWProfileName(QString(40, QLatin1Char('x'))));
    EXPECT_EQ(model->writtenByte(0x3B80), 32);
    EXPECT_EQ(model->writtenByte(0x3BC0), nextSlotLength);
    // A corrupt length never makes a read leave the slot.
    OrvexAction::setAdrrData(200, 0x3B80);
    EXPECT_EQ(SettingsTransfer::getFWProfileName().size(), 32);
}

TEST(FirmwareName, TransliteratesWhatItCanAndMarksTheRest)
{
    EXPECT_EQ(FirmwareName::encode(QStringLiteral("Café Straße")), QByteArray("Cafe Strasse"));
    EXPECT_EQ(FirmwareName::encode(QStringLiteral("Ærø ﬁle")), QByteArray("AEro file"));
    EXPECT_EQ(FirmwareName::encode(QStringLiteral("游戏 1")), QByteArray("?? 1"));
    EXPECT_EQ(FirmwareName::encode(QStringLiteral("a\nb")), QByteArray("a?b"));
    EXPECT_EQ(FirmwareName::encode(QStringLiteral("🎮x")), QByteArray("?x"));
    EXPECT_EQ(FirmwareName::encode(QString(10, QChar(0x00DF))).size(), 20);
    EXPECT_EQ(FirmwareName::encode(QString(20, QChar(0x00DF))).size(), 32);
}

TEST_F(SettingsTransferTest, AFailedReadLeavesTheRecordAsItWas)
{
    record().xSensArr[0] = 33;
    record().islightOnArr[2] = 1;
    record().modeType = 1;
    const ORVEX_PROFILE before = record();
    model->unplug();
    EXPECT_FALSE(SettingsTransfer::getSettingFromDev());
    EXPECT_FALSE(SettingsTransfer::getColorFromDevice());
    EXPECT_FALSE(SettingsTransfer::readName(0).has_value());
    EXPECT_FALSE(SettingsTransfer::setSettingToDev());
    EXPECT_EQ(std::memcmp(&before, &record(), sizeof before), 0);
}
