// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, look-ups, macro identifiers and byte counts of the catalogue.
#include "CatalogueFixture.h"

#include "OrvexAction.h"
#include "platform/ResourceFolder.h"

#include "TestEnvironment.h"

#include <limits>

namespace orvex::test {
namespace {

// A catalogue with two combination entries sharing nothing, duplicate
// single-key bytes and a few badly written numbers.
const QByteArray SampleCatalogue = R"(<?xml version="1.0" encoding="UTF-8"?>
<Anything>
  <MacroList>
    <Item title="Spam" MacroID="5">
      <LoopTime>7</LoopTime>
      <KeyItem keyCode="0" keyFlag="0" delay="20"/>
      <KeyItem keyCode="0" keyFlag="1" delay="-3"/>
      <KeyItem keyCode="2" keyFlag="2" delay="0"/>
    </Item>
    <Item title="Broken numbers" MacroID="99999999999">
      <LoopTime>x</LoopTime>
      <KeyItem keyCode="12abc" keyFlag="" delay=" +40 "/>
    </Item>
    <Item title="Spam" MacroID="3"/>
  </MacroList>
  <MacroList><Item title="Second list is ignored" MacroID="9"/></MacroList>
  <MacroMenu>
    <Item title="Copy" type="0" functionID="0x1" KeyBit1="0x3B" KeyBit2="8" KeyBit3="0xff"
          KeyBit4="0xFF" TooltipTag="Copy"/>
    <Item title="Four keys" functionID="0x2" KeyBit1="0x3B" KeyBit2="0x3A" KeyBit3="0x38"
          KeyBit4="0x0F" TooltipTag="No such tooltip"/>
    <Item title="Nothing" functionID="0x3" KeyBit1="0xFF" KeyBit2="0x08"/>
  </MacroMenu>
  <SingleMenu>
    <Item title="Left Click" type="3" functionID="0x01" functionTableID="0x01" KeyBit1="0x01"
          KeyBit2="0" KeyBit3="0" KeyBit4="0" NeedSepretor="2" TooltipTag="Copy"/>
    <Item title="First A" functionID="0x20" functionTableID="0x02" KeyBit1="0" KeyBit2="0x04"
          KeyBit3="0xFF" KeyBit4="0xFF"/>
    <Item title="Second A" functionID="0x21" functionTableID="0x02" KeyBit1="0x0" KeyBit2="0x4"
          KeyBit3="0xff" KeyBit4="0xff"/>
    <Item title="Too big" functionID="0x1FFFFFFFF" functionTableID="zz"/>
  </SingleMenu>
</Anything>
)";

class CatalogueTest : public CatalogueFixture
{
protected:
    void loadSample()
    {
        writeMenuInfo(SampleCatalogue);
        OrvexAction::initMenuList();
    }

    static MacroInfoPtr macroWithId(std::int32_t id)
    {
        auto macro = std::make_shared<MacroInfo>();
        macro->macroId = id;
        return macro;
    }
};

TEST_F(CatalogueTest, LoadsMacrosAsWrittenWithoutValidation)
{
    loadSample();
    ASSERT_EQ(OrvexAction::macroListArrs.size(), 3);
    const MacroInfoPtr spam = OrvexAction::macroListArrs.at(0);
    EXPECT_EQ(spam->nameStr, QStringLiteral("Spam"));
    EXPECT_EQ(spam->macroId, 5);
    EXPECT_EQ(spam->loopTime, 7);
    ASSERT_EQ(spam->keyInfoArr.size(), 3);
    EXPECT_EQ(*spam->keyInfoArr.at(1), MacroKeyInfo(0, 1, -3));

    // Decimal numbers are read by their leading integer; overflow reads as 0.
    const MacroInfoPtr broken = OrvexAction::macroListArrs.at(1);
    EXPECT_EQ(broken->macroId, 0);
    EXPECT_EQ(broken->loopTime, 0);
    EXPECT_EQ(*broken->keyInfoArr.at(0), MacroKeyInfo(12, 0, 40));

    // Duplicates stay; look-ups answer the first in list order.
    EXPECT_EQ(OrvexAction::getMacroByName(QStringLiteral("Spam")), spam);
    EXPECT_FALSE(OrvexAction::getMacroByName(QStringLiteral("spam")));
    EXPECT_EQ(OrvexAction::getMacroById(3)->nameStr, QStringLiteral("Spam"));
    EXPECT_TRUE(OrvexAction::getMacroNameById(9).isNull());
}

TEST_F(CatalogueTest, MenusReadHexAttributesAndOnlyCombinationsTakeTooltips)
{
    OrvexAction::setTooltipLookup([](const QString &key) {
        return key == QLatin1String("Copy") ? QStringLiteral("Kopieren") : QString();
    });
    loadSample();

    const MenuInfoPtr copy = OrvexAction::getMacroMenuByFunid(1);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->titleStr(), QStringLiteral("Kopieren"));
    EXPECT_EQ(copy->keyBits(), (std::array<std::int32_t, 4>{0x3B, 8, 0xFF, 0xFF}));
    EXPECT_EQ(OrvexAction::getMacroMenuNameById(2), QStringLiteral("Four keys"))
        << "a tag without a text keeps the caption";

    const MenuInfoPtr left = OrvexAction::getSingleById(1);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->titleStr(), QStringLiteral("Left Click"));
    EXPECT_EQ(left->toolTipTag, QStringLiteral("Copy"));
    EXPECT_EQ(left->type(), 3);
    EXPECT_TRUE(left->needSepretor);
    EXPECT_TRUE(left->saveTag);
    ASSERT_TRUE(left->macroInfo);

    const MenuInfoPtr tooBig = OrvexAction::singleMenuNode->childAt(3)->dataAs<MenuInfo>();
    EXPECT_EQ(tooBig->functionID, 0);
    EXPECT_EQ(tooBig->functionTableID, 0);
    EXPECT_TRUE(OrvexAction::getSingleNameById(0x99).isNull());
}

TEST_F(CatalogueTest, ButtonRecordFindsTheEarlierEntryByClassAndBytes)
{
    BTN_INFO record{};
    record.FuncID = 0x21; // not compared
    record.FuncTableId = 2;
    record.KeyBit[0] = 0;
    record.KeyBit[1] = 4;
    record.KeyBit[2] = 0xFF;
    record.KeyBit[3] = 0xFF;
    EXPECT_FALSE(OrvexAction::getSingleByBtnInfo(record)) << "menu never loaded";

    loadSample();
    const MenuInfoPtr entry = OrvexAction::getSingleByBtnInfo(record);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->titleStr(), QStringLiteral("First A"));

    record.FuncTableId = 1;
    EXPECT_FALSE(OrvexAction::getSingleByBtnInfo(record));
    record.FuncTableId = 2;
    record.KeyBit[3] = 0x1FF; // only exact values match
    EXPECT_FALSE(OrvexAction::getSingleByBtnInfo(record));
}

TEST_F(CatalogueTest, ByteCountsOfStepsAndCombinations)
{
    loadSample();
    MacroInfo macro;
    macro.addStep(0x77, MacroKeyInfo::Combination, 500); // no such entry
    macro.addStep(3, MacroKeyInfo::Combination, 0);      // KeyBit1 empty
    macro.addStep(2, MacroKeyInfo::Combination, 0);      // four keys
    EXPECT_EQ(macro.getMacroCount(), 0 + 0 + 8);
    EXPECT_EQ(MacroInfo::getComMacroCount(MacroKeyInfo(1, MacroKeyInfo::Combination, 0)), 4);

    MacroInfo keys;
    keys.addStep(0, MacroKeyInfo::KeyPress, 0);
    keys.addStep(0, MacroKeyInfo::KeyRelease, 1);
    keys.addStep(MacroKeyInfo::MouseLeftCode, MacroKeyInfo::MouseDown, -1);
    EXPECT_EQ(keys.getMacroCount(), 1 + 3 + 1);
}

TEST_F(CatalogueTest, NewMacroIdentifiers)
{
    EXPECT_EQ(OrvexAction::getNewMacorId(), 1);
    OrvexAction::macroListArrs = {macroWithId(1), macroWithId(5), macroWithId(3)};
    EXPECT_EQ(OrvexAction::getNewMacorId(), 6);
    OrvexAction::macroListArrs = {macroWithId(-4), macroWithId(-1)};
    EXPECT_EQ(OrvexAction::getNewMacorId(), 1);

    // The mouse hands back one byte of the identifier: past 255 the smallest
    // free one is used instead of an identifier that would come back wrong,
    // and the largest int32 never overflows.
    OrvexAction::macroListArrs = {macroWithId(1), macroWithId(2), macroWithId(255)};
    EXPECT_EQ(OrvexAction::getNewMacorId(), 3);
    OrvexAction::macroListArrs = {macroWithId(1),
                                  macroWithId(std::numeric_limits<std::int32_t>::max())};
    EXPECT_EQ(OrvexAction::getNewMacorId(), 2);
}

TEST_F(CatalogueTest, AtMostOneHundredMacros)
{
    for (int i = 0; i < Catalogue::MaxMacroCount; ++i)
        ASSERT_TRUE(OrvexAction::addMacorByName(QStringLiteral("m%1").arg(i)));
    OrvexAction::refreshMenuList();
    EXPECT_EQ(OrvexAction::macroNode->childCount(), 100);
    EXPECT_FALSE(OrvexAction::addMacorByName(QStringLiteral("one too many")));
    EXPECT_EQ(OrvexAction::macroListArrs.size(), 100);

    // Callers that add before refreshing the tree are held to the limit too.
    OrvexAction::resetState();
    for (int i = 0; i < Catalogue::MaxMacroCount; ++i)
        OrvexAction::addMacorByName(QStringLiteral("m%1").arg(i));
    EXPECT_FALSE(OrvexAction::addMacorByName(QStringLiteral("one too many")));
}

TEST_F(CatalogueTest, AddedMacroTakesTheNextIdentifierAndAppearsAfterRefresh)
{
    loadSample();
    WexTreeNode::Ptr shown;
    int calls = 0;
    OrvexAction::setMacroMenuListHook([&](const WexTreeNode::Ptr &node) {
        shown = node;
        ++calls;
    });
    const MacroInfoPtr added = OrvexAction::addMacorByName(QStringLiteral("New"));
    ASSERT_TRUE(added);
    EXPECT_EQ(added->macroId, 6);
    EXPECT_TRUE(added->keyInfoArr.isEmpty());

    OrvexAction::refreshMenuList();
    OrvexAction::refreshMenuList();
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(shown, OrvexAction::macroNode);
    ASSERT_EQ(shown->childCount(), 4);
    const MenuInfoPtr entry = shown->childAt(3)->dataAs<MenuInfo>();
    EXPECT_EQ(entry->macroInfo, added);
    EXPECT_EQ(entry->titleStr(), QStringLiteral("New"));
    EXPECT_EQ(entry->type(), MenuInfo::MacroEntryType);
    EXPECT_FALSE(entry->saveTag);
    EXPECT_EQ(shown->childAt(2)->nextNode(), shown->childAt(3));
}

TEST_F(CatalogueTest, ReloadDiscardsUnsavedMacrosAndKeepsMenusOfMissingSections)
{
    loadSample();
    OrvexAction::addMacorByName(QStringLiteral("unsaved"));
    const WexTreeNode::Ptr singles = OrvexAction::singleMenuNode;

    writeMenuInfo("<root><MacroList><Item title=\"Only\" MacroID=\"1\"/></MacroList></root>");
    OrvexAction::initMenuList();
    ASSERT_EQ(OrvexAction::macroListArrs.size(), 1);
    EXPECT_EQ(OrvexAction::singleMenuNode, singles);
    EXPECT_TRUE(OrvexAction::getSingleById(0x20));

    writeMenuInfo("<root><MacroList><Item title=\"cut short");
    OrvexAction::initMenuList();
    EXPECT_TRUE(OrvexAction::macroListArrs.isEmpty());
    EXPECT_EQ(OrvexAction::singleMenuNode, singles);
}

TEST_F(CatalogueTest, FirstLoadSeedsTheUserCopyAndNeverReplacesIt)
{
    OrvexAction::initMenuList();
    EXPECT_FALSE(readMenuInfo().isEmpty());
    EXPECT_TRUE(OrvexAction::getSingleById(1));

    writeMenuInfo(SampleCatalogue);
    OrvexAction::initMenuList();
    EXPECT_EQ(readMenuInfo(), SampleCatalogue);
    EXPECT_EQ(OrvexAction::macroListArrs.size(), 3);
}

TEST_F(CatalogueTest, WithoutUserCopyOrResourceEverythingAnswersNothing)
{
    ResourceFolder::setOverride(freshFolder(QStringLiteral("no-resources")));
    OrvexAction::initMenuList();
    ResourceFolder::setOverride({});
    EXPECT_TRUE(OrvexAction::macroListArrs.isEmpty());
    EXPECT_FALSE(OrvexAction::singleMenuNode);
    EXPECT_FALSE(OrvexAction::getSingleById(1));
    EXPECT_FALSE(OrvexAction::getMacroMenuByFunid(1));
    EXPECT_EQ(MacroInfo::getComMacroCount(MacroKeyInfo(1, MacroKeyInfo::Combination, 0)), 0);
    EXPECT_FALSE(OrvexAction::saveMenuList());
}

} // namespace
} // namespace orvex::test
