// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/Catalogue.h"

#include "platform/ProcessState.h"
#include "platform/UserDataFolder.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"

#include <QSet>

#include <algorithm>

namespace orvex {

namespace {

// Element and attribute names of MenuInfo.xml (case-sensitive).
const QString MacroListName = QStringLiteral("MacroList");
const QString MacroMenuName = QStringLiteral("MacroMenu");
const QString SingleMenuName = QStringLiteral("SingleMenu");
const QString ItemName = QStringLiteral("Item");
const QString KeyItemName = QStringLiteral("KeyItem");
const QString LoopTimeName = QStringLiteral("LoopTime");
const QString TitleAttr = QStringLiteral("title");
const QString MacroIdAttr = QStringLiteral("MacroID");
const QString KeyCodeAttr = QStringLiteral("keyCode");
const QString KeyFlagAttr = QStringLiteral("keyFlag");
const QString DelayAttr = QStringLiteral("delay");
const QString TypeAttr = QStringLiteral("type");
const QString FunctionIdAttr = QStringLiteral("functionID");
const QString FunctionTableIdAttr = QStringLiteral("functionTableID");
const QString KeyBitAttrs[4] = {QStringLiteral("KeyBit1"), QStringLiteral("KeyBit2"),
                                QStringLiteral("KeyBit3"), QStringLiteral("KeyBit4")};
const QString SeparatorAttr = QStringLiteral("NeedSepretor");
const QString TooltipTagAttr = QStringLiteral("TooltipTag");

// Pretty-printing indent of a saved catalogue.
constexpr int SaveIndent = 4;

Catalogue::TooltipLookup tooltipLookup;
Catalogue::MenuListHook menuListHook;

int decimalAttribute(const QDomElement &element, const QString &name)
{
    return WexAction::getIntValue(WexAction::getNodeAtrValue(element, name));
}

int hexAttribute(const QDomElement &element, const QString &name)
{
    return WexAction::getIntValueByHex(WexAction::getNodeAtrValue(element, name));
}

// Each direct child element named `name`, in document order.
template <typename Visit>
void forEachChild(const QDomElement &parent, const QString &name, Visit visit)
{
    for (QDomElement child = parent.firstChildElement(name); !child.isNull();
         child = child.nextSiblingElement(name))
        visit(child);
}

WexTreeNode::Ptr menuFrom(const QDomElement &menu)
{
    WexTreeNode::Ptr root = WexTreeNode::initWithData(nullptr);
    forEachChild(menu, ItemName,
                 [&root](const QDomElement &item) { Catalogue::addNodeByEle(item, root); });
    return root;
}

template <typename Match> MenuInfoPtr findEntry(const WexTreeNode::Ptr &root, Match match)
{
    if (!root)
        return nullptr;
    for (const WexTreeNode::Ptr &child : root->children()) {
        const MenuInfoPtr entry = child->dataAs<MenuInfo>();
        if (entry && match(*entry))
            return entry;
    }
    return nullptr;
}

QString titleOf(const MenuInfoPtr &entry)
{
    return entry ? entry->titleStr() : QString();
}

// The user data folder, set up on first use.
QString userFolder()
{
    const QString folder = UserDataFolder::sysPath();
    return folder.isEmpty() ? UserDataFolder::getSysPath() : folder;
}

std::int32_t smallestFreeMacroId()
{
    QSet<std::int32_t> used;
    for (const MacroInfoPtr &macro : std::as_const(Catalogue::macroListArrs))
        used.insert(macro->macroId);
    std::int32_t candidate = 1;
    while (used.contains(candidate))
        ++candidate;
    return candidate;
}

const bool registeredReset = ProcessState::add("Catalogue", &Catalogue::resetState);

} // namespace

void Catalogue::initMenuList()
{
    macroListArrs.clear();
    if (!WexAction::checkAddCopyFileFromResourceWithPath(userFolder(),
                                                         QLatin1String(MenuInfoFileName)))
        return;
    loadMenuDocument(WexAction::loadXmlFromPath(menuInfoPath()));
}

void Catalogue::loadMenuDocument(const QDomDocument &document)
{
    const QDomElement root = document.documentElement();
    if (root.isNull())
        return;
    const QDomElement macroList = root.firstChildElement(MacroListName);
    if (!macroList.isNull())
        initMacroList(macroList);
    const QDomElement macroMenu = root.firstChildElement(MacroMenuName);
    if (!macroMenu.isNull())
        initMacroMenulist(macroMenu);
    const QDomElement singleMenu = root.firstChildElement(SingleMenuName);
    if (!singleMenu.isNull())
        initSingleMenulist(singleMenu);
    ORVEX_DEBUG(QStringLiteral("catalogue: %1 macros, %2 combinations, %3 single-key functions")
                    .arg(macroListArrs.size())
                    .arg(macroMenuNode ? macroMenuNode->childCount() : 0)
                    .arg(singleMenuNode ? singleMenuNode->childCount() : 0));
}

void Catalogue::refreshMenuList()
{
    if (!macroNode)
        macroNode = WexTreeNode::initWithData(nullptr);
    macroNode->removeAllChild();
    for (const MacroInfoPtr &macro : std::as_const(macroListArrs))
        WexTreeNode::initWithData(MenuInfo::initWithMacroData(macro), macroNode);
    if (menuListHook)
        menuListHook(macroNode);
}

bool Catalogue::saveMenuList()
{
    const QString path = menuInfoPath();
    QDomDocument document = WexAction::loadXmlFromPath(path);
    QDomElement macroList = document.documentElement().firstChildElement(MacroListName);
    if (macroList.isNull()) {
        ORVEX_WARNING(QStringLiteral("%1 has no readable MacroList; macros not saved").arg(path));
        return false;
    }
    while (!macroList.lastChild().isNull())
        macroList.removeChild(macroList.lastChild());
    for (const MacroInfoPtr &macro : std::as_const(macroListArrs))
        addElementByNode(*macro, macroList);
    return WexAction::writeFileAtomically(path, WexAction::xmlUtf8Bytes(document, SaveIndent));
}

void Catalogue::initMacroList(const QDomElement &macroList)
{
    forEachChild(macroList, ItemName, [](const QDomElement &item) { addMacroInfoByEle(item); });
}

MacroInfoPtr Catalogue::addMacroInfoByEle(const QDomElement &item)
{
    auto macro = std::make_shared<MacroInfo>();
    macro->loopTime = WexAction::getIntValue(WexAction::getNodeValue(item, LoopTimeName));
    macro->nameStr = WexAction::getNodeAtrValue(item, TitleAttr);
    macro->macroId = decimalAttribute(item, MacroIdAttr);
    forEachChild(item, KeyItemName, [&macro](const QDomElement &step) {
        macro->addStep(decimalAttribute(step, KeyCodeAttr), decimalAttribute(step, KeyFlagAttr),
                       decimalAttribute(step, DelayAttr));
    });
    macroListArrs.append(macro);
    return macro;
}

void Catalogue::initMacroMenulist(const QDomElement &menu)
{
    macroMenuNode = menuFrom(menu);
    initNodeTooltip(macroMenuNode);
}

void Catalogue::initSingleMenulist(const QDomElement &menu)
{
    singleMenuNode = menuFrom(menu);
}

WexTreeNode::Ptr Catalogue::addNodeByEle(const QDomElement &item, const WexTreeNode::Ptr &parNode)
{
    auto entry = std::make_shared<MenuInfo>();
    entry->setTitleStr(WexAction::getNodeAtrValue(item, TitleAttr));
    entry->setType(decimalAttribute(item, TypeAttr));
    entry->functionID = hexAttribute(item, FunctionIdAttr);
    entry->functionTableID = hexAttribute(item, FunctionTableIdAttr);
    entry->setKeyBits({hexAttribute(item, KeyBitAttrs[0]), hexAttribute(item, KeyBitAttrs[1]),
                       hexAttribute(item, KeyBitAttrs[2]), hexAttribute(item, KeyBitAttrs[3])});
    entry->needSepretor = decimalAttribute(item, SeparatorAttr) != 0;
    entry->toolTipTag = WexAction::getNodeAtrValue(item, TooltipTagAttr);
    return WexTreeNode::initWithData(entry, parNode);
}

void Catalogue::initNodeTooltip(const WexTreeNode::Ptr &root)
{
    if (!root || !tooltipLookup)
        return;
    for (const WexTreeNode::Ptr &child : root->children()) {
        const MenuInfoPtr entry = child->dataAs<MenuInfo>();
        if (!entry || entry->toolTipTag.isEmpty())
            continue;
        const QString text = tooltipLookup(entry->toolTipTag);
        if (!text.isNull())
            entry->setTitleStr(text);
    }
}

QDomElement Catalogue::addElementByNode(const MacroInfo &macro, QDomElement &parEle,
                                        const QString &itemName)
{
    QDomElement element =
        parEle.ownerDocument().createElement(itemName.isEmpty() ? ItemName : itemName);
    // A name the XML cannot carry would make the whole catalogue unreadable.
    element.setAttribute(TitleAttr, WexAction::xmlSafeText(WexAction::getNonullStr(macro.nameStr)));
    element.setAttribute(MacroIdAttr, QString::number(macro.macroId));
    parEle.appendChild(element);
    SaveMacroInfoToEle(element, macro);
    return element;
}

void Catalogue::SaveMacroInfoToEle(QDomElement &element, const MacroInfo &macro)
{
    QDomDocument document = element.ownerDocument();
    QDomElement loopTime = document.createElement(LoopTimeName);
    loopTime.appendChild(document.createTextNode(QString::number(macro.loopTime)));
    element.appendChild(loopTime);
    for (const MacroKeyInfoPtr &step : macro.keyInfoArr) {
        if (!step)
            continue;
        QDomElement keyItem = document.createElement(KeyItemName);
        keyItem.setAttribute(KeyCodeAttr, QString::number(step->keyCode));
        keyItem.setAttribute(KeyFlagAttr, QString::number(step->keyFlag));
        keyItem.setAttribute(DelayAttr, QString::number(step->delay));
        element.appendChild(keyItem);
    }
}

std::int32_t Catalogue::getNewMacorId()
{
    std::int32_t largest = 0;
    for (const MacroInfoPtr &macro : std::as_const(macroListArrs))
        largest = std::max(largest, macro->macroId);
    if (largest < MaxDeviceMacroId)
        return largest + 1;
    return smallestFreeMacroId();
}

MacroInfoPtr Catalogue::addMacorByName(const QString &name)
{
    const qsizetype count =
        std::max<qsizetype>(macroNode ? macroNode->childCount() : 0, macroListArrs.size());
    if (count >= MaxMacroCount) {
        ORVEX_INFO(QStringLiteral("macro '%1' refused: %2 macros exist").arg(name).arg(count));
        return nullptr;
    }
    auto macro = std::make_shared<MacroInfo>();
    macro->nameStr = name;
    macro->macroId = getNewMacorId();
    macroListArrs.append(macro);
    return macro;
}

MacroInfoPtr Catalogue::getMacroById(std::int32_t macroId)
{
    for (const MacroInfoPtr &macro : std::as_const(macroListArrs)) {
        if (macro->macroId == macroId)
            return macro;
    }
    return nullptr;
}

MacroInfoPtr Catalogue::getMacroByName(const QString &name)
{
    for (const MacroInfoPtr &macro : std::as_const(macroListArrs)) {
        if (macro->nameStr == name)
            return macro;
    }
    return nullptr;
}

QString Catalogue::getMacroNameById(std::int32_t macroId)
{
    const MacroInfoPtr macro = getMacroById(macroId);
    return macro ? macro->nameStr : QString();
}

MenuInfoPtr Catalogue::getSingleById(std::int32_t functionId)
{
    return findEntry(singleMenuNode, [functionId](const MenuInfo &entry) {
        return entry.functionID == functionId;
    });
}

MenuInfoPtr Catalogue::getSingleByBtnInfo(const BTN_INFO &info)
{
    return findEntry(singleMenuNode, [&info](const MenuInfo &entry) {
        const auto bits = entry.keyBits();
        if (std::uint32_t(entry.functionTableID) != info.FuncTableId)
            return false;
        for (int k = 0; k < 4; ++k) {
            if (std::uint32_t(bits[size_t(k)]) != info.KeyBit[k])
                return false;
        }
        return true;
    });
}

QString Catalogue::getSingleNameById(std::int32_t functionId)
{
    return titleOf(getSingleById(functionId));
}

MenuInfoPtr Catalogue::getMacroMenuByFunid(std::int32_t functionId)
{
    return findEntry(macroMenuNode, [functionId](const MenuInfo &entry) {
        return entry.functionID == functionId;
    });
}

QString Catalogue::getMacroMenuNameById(std::int32_t functionId)
{
    return titleOf(getMacroMenuByFunid(functionId));
}

QString Catalogue::menuInfoPath()
{
    return userFolder() + QLatin1Char('/') + QLatin1String(MenuInfoFileName);
}

void Catalogue::setTooltipLookup(TooltipLookup lookup)
{
    tooltipLookup = std::move(lookup);
}

void Catalogue::setMacroMenuListHook(MenuListHook hook)
{
    menuListHook = std::move(hook);
}

void Catalogue::resetState()
{
    macroListArrs.clear();
    macroNode.reset();
    macroMenuNode.reset();
    singleMenuNode.reset();
    tooltipLookup = nullptr;
    menuListHook = nullptr;
}

} // namespace orvex
