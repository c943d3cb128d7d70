// SPDX-License-Identifier: GPL-3.0-or-later
// saveMenuList: only the macro list is rewritten, atomically.
#include "CatalogueFixture.h"

#include "OrvexAction.h"

#include <QDir>
#include <QDomDocument>
#include <QStringList>

namespace orvex::test {
namespace {

// A text form of an element that ignores formatting and attribute order.
QString canonical(const QDomElement &element)
{
    QStringList attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        const QDomAttr attribute = map.item(i).toAttr();
        attributes << attribute.name() + QLatin1Char('=') + attribute.value();
    }
    attributes.sort();
    QString text =
        element.tagName() + QLatin1Char('[') + attributes.join(QLatin1Char(' ')) + QLatin1Char(']');
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isElement())
            text += canonical(child.toElement());
        else if (child.isText() && !child.nodeValue().trimmed().isEmpty())
            text += QLatin1Char('"') + child.nodeValue().trimmed() + QLatin1Char('"');
        else if (child.isComment())
            text += QStringLiteral("<!--%1-->").arg(child.nodeValue());
    }
    return text;
}

QString section(const QByteArray &xml, const QString &name)
{
    QDomDocument document;
    document.setContent(xml);
    return canonical(document.documentElement().firstChildElement(name));
}

const QByteArray Original = R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- kept -->
<MenuInfo version="2">
  <MacroList>
    <Item title="Old" MacroID="1"><LoopTime>1</LoopTime></Item>
  </MacroList>
  <Extra keep="yes">text &amp; more</Extra>
  <MacroMenu>
    <Item title="Copy" type="0" functionID="0x01" KeyBit1="0x3B" KeyBit2="0x08" KeyBit3="0xFF"
          KeyBit4="0xFF" NeedSepretor="0" TooltipTag="Copy"/>
  </MacroMenu>
  <SingleMenu>
    <!-- mouse -->
    <Item title="Left Click" type="0" functionID="0x01" functionTableID="0x01" KeyBit1="0x01"
          KeyBit2="0x00" KeyBit3="0x00" KeyBit4="0x00" NeedSepretor="1" TooltipTag=""/>
  </SingleMenu>
</MenuInfo>
)";

class CatalogueSaveTest : public CatalogueFixture
{
};

TEST_F(CatalogueSaveTest, MacrosRoundTripAndEverythingElseIsKept)
{
    writeMenuInfo(Original);
    OrvexAction::setTooltipLookup([](const QString &) { return QStringLiteral("changed"); });
    OrvexAction::initMenuList();
    OrvexAction::macroListArrs.first()->nameStr = QStringLiteral("Renamed <&\"quoted\">");
    const MacroInfoPtr added = OrvexAction::addMacorByName(QStringLiteral("Added"));
    added->loopTime = -2;
    added->addStep(1, MacroKeyInfo::Combination, 0);
    added->addStep(MacroKeyInfo::MouseRightCode, MacroKeyInfo::MouseDown, 15);
    ASSERT_TRUE(OrvexAction::saveMenuList());

    const QByteArray saved = readMenuInfo();
    for (const char *name : {"MacroMenu", "SingleMenu", "Extra"})
        EXPECT_EQ(section(saved, QLatin1String(name)), section(Original, QLatin1String(name)))
            << name;
    EXPECT_TRUE(saved.contains("<!-- kept -->"));
    EXPECT_TRUE(saved.contains("version=\"2\""));
    EXPECT_EQ(QDir(QFileInfo(menuInfoPath()).path()).entryList(QDir::Files).size(), 1)
        << "no temporary file left beside the catalogue";

    OrvexAction::resetState();
    OrvexAction::initMenuList();
    ASSERT_EQ(OrvexAction::macroListArrs.size(), 2);
    EXPECT_EQ(OrvexAction::macroListArrs.at(0)->nameStr, QStringLiteral("Renamed <&\"quoted\">"));
    const MacroInfoPtr reread = OrvexAction::macroListArrs.at(1);
    EXPECT_EQ(reread->macroId, 2);
    EXPECT_EQ(reread->loopTime, -2);
    ASSERT_EQ(reread->keyInfoArr.size(), 2);
    EXPECT_EQ(*reread->keyInfoArr.at(1),
              MacroKeyInfo(MacroKeyInfo::MouseRightCode, MacroKeyInfo::MouseDown, 15));
}

TEST_F(CatalogueSaveTest, FileWithoutMacroListIsLeftUnchanged)
{
    QByteArray withoutList = Original;
    withoutList.replace("MacroList", "MacroLists");
    writeMenuInfo(withoutList);
    OrvexAction::initMenuList();
    OrvexAction::addMacorByName(QStringLiteral("Lost"));
    EXPECT_FALSE(OrvexAction::saveMenuList());
    EXPECT_EQ(readMenuInfo(), withoutList);
}

TEST_F(CatalogueSaveTest, DamagedFileIsNotOverwritten)
{
    writeMenuInfo(Original);
    OrvexAction::initMenuList();
    const QByteArray damaged = Original.left(Original.size() / 2);
    writeMenuInfo(damaged);
    EXPECT_FALSE(OrvexAction::saveMenuList());
    EXPECT_EQ(readMenuInfo(), damaged);
}

TEST_F(CatalogueSaveTest, NamesXmlCannotCarryDoNotMakeTheFileUnreadable)
{
    // A macro imported from a file named with control characters, say.
    writeMenuInfo(Original);
    OrvexAction::initMenuList();
    QString name = QStringLiteral("bell");
    name += QChar(0x07);
    name += QChar(0xD800);
    name += QStringLiteral("\t\U0001F600");
    OrvexAction::addMacorByName(name);
    ASSERT_TRUE(OrvexAction::saveMenuList());

    OrvexAction::resetState();
    OrvexAction::initMenuList();
    ASSERT_EQ(OrvexAction::macroListArrs.size(), 2);
    EXPECT_EQ(OrvexAction::macroListArrs.at(1)->nameStr,
              QStringLiteral("bell\uFFFD\uFFFD\t\U0001F600"));
    EXPECT_TRUE(OrvexAction::getSingleById(1)) << "the menus are still there";
}

TEST_F(CatalogueSaveTest, FileDeclaredInAnotherEncodingIsWrittenAsUtf8)
{
    QByteArray latin1 = Original;
    latin1.replace("encoding=\"UTF-8\"", "encoding=\"ISO-8859-1\"");
    latin1.replace("title=\"Old\"", "title=\"Caf\xe9\"");
    writeMenuInfo(latin1);
    OrvexAction::initMenuList();
    ASSERT_EQ(OrvexAction::macroListArrs.first()->nameStr, QStringLiteral("Caf\u00e9"));

    // Saved twice: a wrong declaration would garble the name a bit more
    // with every save.
    ASSERT_TRUE(OrvexAction::saveMenuList());
    OrvexAction::initMenuList();
    ASSERT_TRUE(OrvexAction::saveMenuList());
    OrvexAction::initMenuList();
    EXPECT_EQ(OrvexAction::macroListArrs.first()->nameStr, QStringLiteral("Caf\u00e9"));
    EXPECT_TRUE(readMenuInfo().contains("encoding=\"UTF-8\""));
}

TEST_F(CatalogueSaveTest, EmptyListLeavesAnEmptyMacroList)
{
    writeMenuInfo(Original);
    OrvexAction::initMenuList();
    OrvexAction::macroListArrs.clear();
    ASSERT_TRUE(OrvexAction::saveMenuList());
    OrvexAction::initMenuList();
    EXPECT_TRUE(OrvexAction::macroListArrs.isEmpty());
    EXPECT_TRUE(readMenuInfo().contains("MacroList"));
    EXPECT_TRUE(OrvexAction::getSingleById(1));
}

} // namespace
} // namespace orvex::test
