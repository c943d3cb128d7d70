// SPDX-License-Identifier: GPL-3.0-or-later
// Language choice, the two-stage look-ups and loading of Tooltip.xml.
#include "LanguageEnvironment.h"

#include "OrvexAction.h"
#include "TestEnvironment.h"
#include "TooltipManager.h"
#include "platform/ResourceFolder.h"

namespace orvex::test {
namespace {

// The first "Lan" is not a table language: it is only the fallback.
const QByteArray Sample = R"XML(<?xml version="1.0" encoding="UTF-8"?>
<Anything>
  <Lan name="Base">
    <Item name="LED configuration." text="LED configuration." viewID="1" btnID="29"/>
    <Item name="Only here" text="Base text..." viewID="7" btnID="x"/>
    <Item name="Bare"/>
    <Other name="Only here" text="ignored"/>
  </Lan>
  <Lan name="Portuguese(Brazil)">
    <Item name="LED configuration." text="Configuração dos LEDs." viewID="1" btnID="29"/>
    <Item name="LED configuration." text="second one loses" viewID="2" btnID="30"/>
  </Lan>
  <Lan name="Portuguese(Brazil)">
    <Item name="Only here" text="a later language of the same name is never chosen"/>
  </Lan>
  <Lan name="German"/>
</Anything>
)XML";

class TooltipManagerTest : public LanguageEnvironment
{
};

TEST_F(TooltipManagerTest, SystemLanguageSelectsItsTableName)
{
    writeTooltips(Sample);
    setLanguage("pt_BR.UTF-8");
    TooltipManager manager;
    ASSERT_EQ(manager.infoList().size(), 4);
    ASSERT_TRUE(manager.currLan());
    EXPECT_EQ(manager.currLan(), manager.infoList().at(1));
    EXPECT_EQ(manager.engLan(), manager.infoList().first());
    EXPECT_EQ(manager.getTooltip(QStringLiteral("LED configuration.")),
              QStringLiteral("Configuração dos LEDs"));
}

TEST_F(TooltipManagerTest, UnknownOrMissingLanguagesFallBackToTheFirst)
{
    writeTooltips(Sample);
    for (const char *locale : {"pt_PT.UTF-8", "eo", "C", "fr_FR.UTF-8", ""}) {
        setLanguage(locale);
        TooltipManager manager;
        EXPECT_EQ(manager.currLan(), manager.infoList().first()) << locale;
        EXPECT_EQ(manager.getTooltip(QStringLiteral("LED configuration.")),
                  QStringLiteral("LED configuration"))
            << locale;
    }
    EXPECT_EQ(TooltipManager::languageNameOfCode(QStringLiteral("zh-Hant")), QStringLiteral("TC"));
    EXPECT_TRUE(TooltipManager::languageNameOfCode(QStringLiteral("pt")).isNull());
}

TEST_F(TooltipManagerTest, LookUpsTryTheChosenLanguageThenTheFirst)
{
    writeTooltips(Sample);
    setLanguage("pt_BR");
    TooltipManager manager;
    // One final "." is removed, only one.
    EXPECT_EQ(manager.getTooltip(QStringLiteral("Only here")), QStringLiteral("Base text.."));
    EXPECT_TRUE(manager.getTooltip(QStringLiteral("led configuration.")).isNull());
    EXPECT_TRUE(manager.getTooltip(QStringLiteral("LED configuration")).isNull());
    EXPECT_TRUE(manager.getTooltip(QStringLiteral("Bare")).isNull());

    EXPECT_EQ(manager.getTooltip(1, QStringLiteral("29")), QStringLiteral("Configuração dos LEDs"));
    EXPECT_EQ(manager.getTooltip(7, QStringLiteral("x")), QStringLiteral("Base text.."));
    EXPECT_TRUE(manager.getTooltip(7, QStringLiteral("y")).isNull());
    EXPECT_EQ(TooltipManager::getBtnIdBy(manager.currLan(), QStringLiteral("LED configuration."),
                                         QStringLiteral("text is not compared"), 2),
              QStringLiteral("30"));
    EXPECT_TRUE(TooltipManager::getBtnIdBy(manager.engLan(), QStringLiteral("LED configuration."),
                                           QString(), 2)
                    .isNull());
    EXPECT_TRUE(TooltipManager::getBtnIdBy(nullptr, QString(), QString(), 0).isNull());
}

TEST_F(TooltipManagerTest, SettingALanguageByName)
{
    writeTooltips(Sample);
    TooltipManager manager;
    manager.setLanByname(QStringLiteral("German"));
    EXPECT_EQ(manager.currLan()->name, QStringLiteral("German"));
    EXPECT_EQ(manager.getTooltip(QStringLiteral("Only here")), QStringLiteral("Base text.."));
    manager.setLanByname(QString());
    EXPECT_EQ(manager.currLan(), manager.engLan());
    manager.setLanByname(QStringLiteral("Klingon"));
    EXPECT_EQ(manager.currLan(), manager.engLan());
}

TEST_F(TooltipManagerTest, NoFileAnywhereAnswersNothing)
{
    ResourceFolder::setOverride(freshFolder(QStringLiteral("no-resources")));
    TooltipManager manager;
    ResourceFolder::setOverride({});
    EXPECT_TRUE(manager.infoList().isEmpty());
    EXPECT_FALSE(manager.currLan());
    EXPECT_TRUE(manager.getTooltip(QStringLiteral("OK")).isNull());
    EXPECT_TRUE(manager.getTooltip(1, QStringLiteral("279")).isNull());
}

TEST_F(TooltipManagerTest, DamagedFileLoadsNoLanguages)
{
    writeTooltips(Sample.left(Sample.size() / 2));
    TooltipManager manager;
    EXPECT_TRUE(manager.infoList().isEmpty());
    EXPECT_TRUE(manager.getTooltip(QStringLiteral("LED configuration.")).isNull());
}

TEST_F(TooltipManagerTest, SharedManagerTranslatesCombinationCaptions)
{
    setLanguage("de_DE.UTF-8");
    TooltipManager *manager = TooltipManager::shareTooltipManager();
    EXPECT_EQ(TooltipManager::shareTooltipManager(), manager);
    EXPECT_EQ(manager->currLan()->name, QStringLiteral("German"));

    OrvexAction::initMenuList();
    EXPECT_EQ(OrvexAction::getMacroMenuNameById(1), QStringLiteral("Kopieren"));
    EXPECT_EQ(OrvexAction::getSingleNameById(1), QStringLiteral("Left Click"))
        << "single-key captions keep their titles";
}

} // namespace
} // namespace orvex::test
