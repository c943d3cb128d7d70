// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ButtonTransfer.h"
#include "catalogue/Catalogue.h"
#include "device/FirmwareFunctionTable.h"
#include "device/MacroEncoder.h"
#include "platform/UserDataFolder.h"

#include "VirtualMouseFixture.h"

#include <QFile>

#include <cstring>
#include <random>

using namespace orvex;

namespace {

// A catalogue with a Command+A combination (functionID 0x40), a one-key
// single-menu entry and three macros.
constexpr char TestCatalogue[] = R"(<MenuInfo>
  <MacroList>
    <Item title="A with pause" MacroID="7">
      <LoopTime>1</LoopTime>
      <KeyItem keyCode="0" keyFlag="0" delay="100"/>
      <KeyItem keyCode="0" keyFlag="1" delay="0"/>
    </Item>
    <Item title="Select all" MacroID="8">
      <LoopTime>1</LoopTime>
      <KeyItem keyCode="64" keyFlag="2" delay="500"/>
    </Item>
    <Item title="Long" MacroID="9"><LoopTime>1</LoopTime></Item>
  </MacroList>
  <MacroMenu>
    <Item title="Select All" type="0" functionID="0x40" functionTableID="0" KeyBit1="0x37" KeyBit2="0x00" KeyBit3="0xFF" KeyBit4="0xFF" NeedSepretor="0"/>
  </MacroMenu>
  <SingleMenu>
    <Item title="Left Click" type="0" functionID="0x01" functionTableID="0x01" KeyBit1="0x01" KeyBit2="0x00" KeyBit3="0x00" KeyBit4="0x00" NeedSepretor="0"/>
    <Item title="Key Q" type="0" functionID="0x31" functionTableID="0x02" KeyBit1="0x00" KeyBit2="0x14" KeyBit3="0xFF" KeyBit4="0xFF" NeedSepretor="0"/>
  </SingleMenu>
</MenuInfo>)";

class ButtonTransferTest : public test::VirtualMouseFixture
{
protected:
    void SetUp() override
    {
        VirtualMouseFixture::SetUp();
        withoutPauses();
        Catalogue::resetState();
        QFile file(UserDataFolder::getSysPath() + QStringLiteral("/MenuInfo.xml"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(TestCatalogue);
        file.close();
        Catalogue::initMenuList();
        ASSERT_TRUE(Catalogue::getMacroById(7));
    }
    void TearDown() override
    {
        Catalogue::resetState();
        VirtualMouseFixture::TearDown();
    }
    ORVEX_PROFILE &record() { return TransferState::currSetProfile; }
};

BTN_INFO macroButton(std::uint32_t macroId, std::uint32_t mode, std::uint32_t count)
{
    BTN_INFO button{};
    button.FuncID = 6;
    button.FuncTableId = fwfunc::Macro;
    button.btnType = 2;
    button.KeyBit[0] = mode;
    button.KeyBit[1] = count;
    button.MacroID = macroId;
    return button;
}

} // namespace

TEST_F(ButtonTransferTest, MacroButtonBytesHeaderAndData)
{
    TransferState::currSetProfileID = 1;
    record().btnInfo[3] = macroButton(7, 0, 5);
    record().btnInfo[3].KeyBit[2] = 5;
    record().btnInfo[3].KeyBit[3] = 0;
    ASSERT_TRUE(ButtonTransfer::setBtnInfoToDevice());
    // Button index 3 is firmware slot 4 of profile 1.
    EXPECT_EQ(model->appliedByte(0x162), 6);
    EXPECT_EQ(model->appliedByte(0x179), 0);
    EXPECT_EQ(model->appliedByte(0x17A), 5);
    EXPECT_EQ(model->appliedByte(0x17B), 7); // the macro id, not KeyBit[2]
    EXPECT_EQ(model->appliedByte(0x17C), 0);
    // Macro 15 = 11 * 1 + 4: header at 0x33C, data from 0x1300.
    EXPECT_EQ(model->appliedByte(0x33C), 4);
    EXPECT_EQ(model->appliedByte(0x33D), 0x02);
    EXPECT_EQ(model->appliedByte(0x33E), 5);
    EXPECT_EQ(model->appliedByte(0x33F), 5); // repeat mode 0 is firmware type 5
    const std::uint8_t data[] = {0x04, 0x01, 0x04, 0x84};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(model->appliedByte(0x1300 + k), data[k]) << k;
}

TEST_F(ButtonTransferTest, CombinationStepsPressThenReleaseInReverse)
{
    const QByteArray bytes = MacroEncoder::encode(*Catalogue::getMacroById(8));
    EXPECT_EQ(bytes, QByteArray::fromHex("730484F3")); // the step's delay is ignored
    EXPECT_EQ(MacroEncoder::pauseUnits(10), 1);
    EXPECT_EQ(MacroEncoder::pauseUnits(5000), 200);
    EXPECT_EQ(MacroEncoder::pauseUnits(7000), 255);
}

TEST_F(ButtonTransferTest, AMacroNeverRunsPastItsDataArea)
{
    MacroInfo &longMacro = *Catalogue::getMacroById(9);
    for (int i = 0; i < 100; ++i)
        longMacro.addStep(0, 0, 7000); // 3 bytes each
    const QByteArray bytes = MacroEncoder::encode(longMacro);
    EXPECT_EQ(bytes.size(), 255);
    EXPECT_EQ(std::uint8_t(bytes[2]), 255); // a 7 s pause is capped

    TransferState::currSetProfileID = 0;
    record().btnInfo[0] = macroButton(9, 3, 1);
    const int nextArea = 0x400 + 256 * 1;
    const std::uint8_t before = model->writtenByte(nextArea);
    ASSERT_TRUE(ButtonTransfer::setBtnInfoToDevice());
    EXPECT_EQ(model->writtenByte(nextArea), before);
    EXPECT_EQ(model->appliedByte(0x300), 255);
    EXPECT_EQ(model->appliedByte(0x303), 4); // length high nibble 0, type 4 for mode 3
}

TEST_F(ButtonTransferTest, ReadBackGivesEveryButtonItsFunctionId)
{
    TransferState::currSetProfileID = 4;
    BTN_INFO back{};
    back.FuncTableId = fwfunc::MouseButton;
    back.KeyBit[0] = 16;
    record().btnInfo[5] = back;
    BTN_INFO q{};
    q.FuncTableId = fwfunc::Keyboard;
    q.KeyBit[1] = 0x14;
    q.KeyBit[2] = q.KeyBit[3] = 0xFF;
    record().btnInfo[6] = q;
    record().btnInfo[7] = macroButton(8, 2, 3);
    record().btnInfo[8] = macroButton(0, 1, 1);
    record().btnInfo[9].FuncTableId = fwfunc::Launcher;
    std::strcpy(record().btnInfo[9].app_path, "/usr/bin/true");
    record().btnInfo[10].FuncTableId = 0x7E; // unknown to the catalogue
    record().btnInfo[10].FuncID = 1234;
    ASSERT_TRUE(ButtonTransfer::setBtnInfoToDevice());

    const ORVEX_PROFILE written = record();
    for (BTN_INFO &button : record().btnInfo)
        button.FuncID = 99;
    record().btnInfo[10].FuncID = 1234;
    ASSERT_TRUE(ButtonTransfer::getBtnInfoFromDevice());
    EXPECT_EQ(record().btnInfo[5].FuncID, 241u);
    EXPECT_EQ(record().btnInfo[6].FuncID, 0x31u);
    EXPECT_EQ(record().btnInfo[7].FuncID, 6u);
    EXPECT_EQ(record().btnInfo[7].MacroID, 8u);
    EXPECT_EQ(record().btnInfo[7].KeyBit[0], 2u);
    EXPECT_EQ(record().btnInfo[7].btnType, 2u);
    EXPECT_EQ(record().btnInfo[8].FuncID, 239u); // a macro button without a macro
    EXPECT_EQ(record().btnInfo[9].FuncID, 15u);
    EXPECT_STREQ(record().btnInfo[9].app_path, written.btnInfo[9].app_path);
    EXPECT_EQ(record().btnInfo[10].FuncID, 1234u); // no match keeps the old id
}

TEST_F(ButtonTransferTest, RandomButtonsRoundTripEveryByteThatTravels)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int slot = 0; slot < 5; ++slot) {
        ORVEX_PROFILE sent{};
        for (BTN_INFO &button : sent.btnInfo) {
            button.FuncTableId = std::uint32_t(byte(random));
            if (button.FuncTableId == fwfunc::Macro)
                button.FuncTableId = fwfunc::Keyboard;
            for (std::uint32_t &k : button.KeyBit)
                k = std::uint32_t(byte(random));
        }
        ASSERT_TRUE(ButtonTransfer::writeButtons(slot, sent));
        ORVEX_PROFILE back{};
        ASSERT_TRUE(ButtonTransfer::readButtons(slot, back));
        for (int i = 0; i < ButtonCount; ++i) {
            EXPECT_EQ(back.btnInfo[i].FuncTableId, sent.btnInfo[i].FuncTableId);
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(back.btnInfo[i].KeyBit[k], sent.btnInfo[i].KeyBit[k]);
        }
    }
}

TEST_F(ButtonTransferTest, AnUnpluggedMouseLeavesTheRecordUntouched)
{
    record().btnInfo[2].FuncID = 77;
    const ORVEX_PROFILE before = record();
    model->unplug();
    EXPECT_FALSE(ButtonTransfer::getBtnInfoFromDevice());
    EXPECT_FALSE(ButtonTransfer::setBtnInfoToDevice());
    EXPECT_EQ(std::memcmp(&before, &record(), sizeof before), 0);
}
