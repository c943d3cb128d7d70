// SPDX-License-Identifier: GPL-3.0-or-later
// MenuInfo.xml: loading any bytes must not crash, and the macros that were
// loaded must come back unchanged after the macro list is written out and
// read again (what saveMenuList followed by initMenuList does on disk).
#include "catalogue/Catalogue.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"

#include <cstdint>
#include <cstdlib>

using namespace orvex;

namespace {

bool sameMacros(const QList<MacroInfoPtr> &a, const QList<MacroInfoPtr> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const MacroInfo &x = *a.at(i);
        const MacroInfo &y = *b.at(i);
        if (x.macroId != y.macroId || x.loopTime != y.loopTime ||
            WexAction::getNonullStr(x.nameStr) != WexAction::getNonullStr(y.nameStr) ||
            x.keyInfoArr.size() != y.keyInfoArr.size())
            return false;
        for (qsizetype k = 0; k < x.keyInfoArr.size(); ++k) {
            if (!(*x.keyInfoArr.at(k) == *y.keyInfoArr.at(k)))
                return false;
        }
    }
    return true;
}

void exerciseLookUps()
{
    for (const MacroInfoPtr &macro : std::as_const(Catalogue::macroListArrs)) {
        macro->getMacroCount();
        Catalogue::getMacroById(macro->macroId);
        Catalogue::getMacroByName(macro->nameStr);
    }
    BTN_INFO record{};
    Catalogue::getSingleByBtnInfo(record);
    Catalogue::getSingleNameById(1);
    Catalogue::getMacroMenuNameById(1);
    Catalogue::refreshMenuList();
    Catalogue::addMacorByName(QStringLiteral("fuzz"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    WexLogger::setLevel(WexLogger::Level::Error);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Catalogue::resetState();
    QDomDocument document = WexAction::loadXmlFromData(
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    Catalogue::loadMenuDocument(document);
    const QList<MacroInfoPtr> loaded = Catalogue::macroListArrs;

    QDomElement list = document.documentElement().firstChildElement(QStringLiteral("MacroList"));
    if (!list.isNull()) {
        while (!list.lastChild().isNull())
            list.removeChild(list.lastChild());
        for (const MacroInfoPtr &macro : loaded)
            Catalogue::addElementByNode(*macro, list);
        Catalogue::resetState();
        Catalogue::loadMenuDocument(
            WexAction::loadXmlFromData(WexAction::xmlUtf8Bytes(document, 4)));
        if (!sameMacros(loaded, Catalogue::macroListArrs))
            std::abort();
    }
    exerciseLookUps();
    return 0;
}
