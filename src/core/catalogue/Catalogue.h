// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MacroInfo.h"
#include "catalogue/MenuInfo.h"
#include "platform/WexTreeNode.h"
#include "profile/ProfileRecords.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace orvex {

// The macro and function catalogue: the user's macros and the two menus of
// assignable functions, all kept in MenuInfo.xml in the user data folder.
// Process-wide state of the toolbox (reached as OrvexAction::...); main
// thread only. Only the "MacroList" section is ever written back.
//
// MenuInfo.xml: a root element (name not examined) holding, of each section
// only the first:
//   <MacroList>  <Item title=".." MacroID="dec"> <LoopTime>dec</LoopTime>
//                  <KeyItem keyCode="dec" keyFlag="dec" delay="dec"/>... </Item>...
//   <MacroMenu>  combination entries   } <Item title type(dec) functionID functionTableID
//   <SingleMenu> single-key entries    }  KeyBit1..KeyBit4 (hex) NeedSepretor(dec) TooltipTag/>
class Catalogue
{
public:
    using TooltipLookup = std::function<QString(const QString &key)>;
    // Points the shared macro pick list at the rebuilt macro tree; installed
    // by the widget layer, which creates and styles the list the first time.
    using MenuListHook = std::function<void(const WexTreeNode::Ptr &macroNode)>;

    static constexpr char MenuInfoFileName[] = "MenuInfo.xml";
    static constexpr int MaxMacroCount = 100;
    // The mouse keeps one byte of a button's macro id and hands it back on
    // read-back, so new identifiers stay within 1..255 while one is free.
    static constexpr std::int32_t MaxDeviceMacroId = 255;

    // All macros, in file order, then in order of creation.
    static inline QList<MacroInfoPtr> macroListArrs;
    // One MenuInfo::initWithMacroData child per macro; rebuilt by refreshMenuList().
    static inline WexTreeNode::Ptr macroNode;
    // The combination menu and the single-key menu; null until loaded.
    static inline WexTreeNode::Ptr macroMenuNode;
    static inline WexTreeNode::Ptr singleMenuNode;

    // Loads the whole catalogue from the user copy of MenuInfo.xml, seeding
    // it from the shipped one when missing. Reloading discards unsaved
    // macros; a section missing from the file leaves its menu as it was, and
    // an unusable file loads nothing.
    static void initMenuList();
    // Loading steps 3 to 6: the sections of an already parsed MenuInfo.xml,
    // appended to macroListArrs. An empty document loads nothing.
    static void loadMenuDocument(const QDomDocument &document);
    // Rebuilds macroNode from macroListArrs, then runs the pick-list hook.
    static void refreshMenuList();
    // Rewrites the "MacroList" section of the user copy from macroListArrs,
    // keeping everything else of the file as it is on disk; atomic. Writes
    // nothing (and answers false) when the file is unreadable or has no
    // "MacroList".
    static bool saveMenuList();

    static void initMacroList(const QDomElement &macroList);
    static MacroInfoPtr addMacroInfoByEle(const QDomElement &item);
    static void initMacroMenulist(const QDomElement &menu);
    static void initSingleMenulist(const QDomElement &menu);
    static WexTreeNode::Ptr addNodeByEle(const QDomElement &item, const WexTreeNode::Ptr &parNode);
    // Replaces the caption of each direct child that has a tooltip tag by the
    // tooltip text of that tag; a tag without text keeps the caption.
    static void initNodeTooltip(const WexTreeNode::Ptr &root);
    // Appends <itemName title MacroID> (itemName empty: "Item") and its steps.
    static QDomElement addElementByNode(const MacroInfo &macro, QDomElement &parEle,
                                        const QString &itemName = {});
    static void SaveMacroInfoToEle(QDomElement &element, const MacroInfo &macro);

    // 1 + the largest macroId (1 for an empty list); freed identifiers below
    // the largest are not reused, except that when the next one would pass
    // MaxDeviceMacroId the smallest free identifier is answered instead.
    static std::int32_t getNewMacorId();
    // A new macro with that name and getNewMacorId(), appended to
    // macroListArrs; null when MaxMacroCount macros exist. Callers follow
    // with refreshMenuList().
    static MacroInfoPtr addMacorByName(const QString &name);

    static MacroInfoPtr getMacroById(std::int32_t macroId);
    static MacroInfoPtr getMacroByName(const QString &name);
    static QString getMacroNameById(std::int32_t macroId);
    static MenuInfoPtr getSingleById(std::int32_t functionId);
    // The first single-key entry with the record's function class and four
    // parameter bytes; FuncID is not compared.
    static MenuInfoPtr getSingleByBtnInfo(const BTN_INFO &info);
    static QString getSingleNameById(std::int32_t functionId);
    static MenuInfoPtr getMacroMenuByFunid(std::int32_t functionId);
    static QString getMacroMenuNameById(std::int32_t functionId);

    // Where the user copy lives: <user data folder>/MenuInfo.xml.
    static QString menuInfoPath();

    static void setTooltipLookup(TooltipLookup lookup);
    static void setMacroMenuListHook(MenuListHook hook);
    // Forgets the catalogue and both hooks (tests start from a clean state).
    static void resetState();
};

} // namespace orvex
