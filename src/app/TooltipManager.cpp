// SPDX-License-Identifier: GPL-3.0-or-later
#include "TooltipManager.h"

#include "catalogue/Catalogue.h"
#include "platform/UserDataFolder.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"

#include <QDomDocument>

namespace orvex {

namespace {

struct LanguageName
{
    const char *code;
    const char *name;
};

// System language codes and the language names Tooltip.xml uses.
constexpr LanguageName LanguageTable[] = {
    {"en", "English"},  {"zh-Hant", "TC"}, {"zh-Hans", "SC"}, {"cs", "Czech"},
    {"fr", "French"},   {"de", "German"},  {"el", "Greek"},   {"it", "Italian"},
    {"ja", "Japanese"}, {"ko", "Korean"},  {"pl", "Polish"},  {"pt-BR", "Portuguese(Brazil)"},
    {"ru", "Russian"},  {"es", "Spanish"}, {"tr", "Turkish"},
};

constexpr char DefaultLanguageCode[] = "en";

const QString LanElement = QStringLiteral("Lan");
const QString ItemElement = QStringLiteral("Item");
const QString NameAttr = QStringLiteral("name");
const QString TextAttr = QStringLiteral("text");
const QString ViewAttr = QStringLiteral("viewID");
const QString ControlAttr = QStringLiteral("btnID");

TooltipManager *sharedManager = nullptr;

std::shared_ptr<TooltipData> tooltipFrom(const QDomElement &item)
{
    auto tooltip = std::make_shared<TooltipData>();
    tooltip->name = WexAction::getNodeAtrValue(item, NameAttr);
    tooltip->text = WexAction::getNodeAtrValue(item, TextAttr);
    tooltip->viewId = WexAction::getIntValue(WexAction::getNodeAtrValue(item, ViewAttr));
    tooltip->btnTag = WexAction::getNodeAtrValue(item, ControlAttr);
    if (tooltip->text.endsWith(QLatin1Char('.')))
        tooltip->text.chop(1);
    return tooltip;
}

TooltipManager::Language languageFrom(const QDomElement &lan)
{
    auto language = std::make_shared<LanData>();
    language->name = WexAction::getNodeAtrValue(lan, NameAttr);
    for (QDomElement item = lan.firstChildElement(ItemElement); !item.isNull();
         item = item.nextSiblingElement(ItemElement))
        language->tooltips.append(tooltipFrom(item));
    return language;
}

template <typename Match>
std::shared_ptr<TooltipData> firstIn(const TooltipManager::Language &language, Match match)
{
    if (!language)
        return nullptr;
    for (const auto &tooltip : language->tooltips) {
        if (match(*tooltip))
            return tooltip;
    }
    return nullptr;
}

} // namespace

TooltipManager *TooltipManager::shareTooltipManager()
{
    if (!sharedManager) {
        sharedManager = new TooltipManager;
        Catalogue::setTooltipLookup(
            [](const QString &key) { return shareTooltipManager()->getTooltip(key); });
    }
    return sharedManager;
}

void TooltipManager::resetState()
{
    delete sharedManager;
    sharedManager = nullptr;
    Catalogue::setTooltipLookup(nullptr);
}

TooltipManager::TooltipManager()
{
    initData();
    setLanByname(getSysLanName());
}

void TooltipManager::initData()
{
    m_infoList.clear();
    m_currLan.reset();
    m_engLan.reset();
    const QString folder = UserDataFolder::getSysPath();
    const QString fileName = QLatin1String(TooltipFileName);
    if (!WexAction::checkAddCopyFileFromResourceWithPath(folder, fileName))
        return;
    QByteArray xml;
    if (WexAction::readSmallFile(folder + QLatin1Char('/') + fileName, WexAction::MaxDocumentSize,
                                 &xml))
        initDataFromXml(xml);
}

void TooltipManager::initDataFromXml(const QByteArray &xml)
{
    m_infoList.clear();
    m_currLan.reset();
    m_engLan.reset();
    const QDomElement root = WexAction::loadXmlFromData(xml).documentElement();
    for (QDomElement lan = root.firstChildElement(LanElement); !lan.isNull();
         lan = lan.nextSiblingElement(LanElement))
        m_infoList.append(languageFrom(lan));
    if (!m_infoList.isEmpty())
        m_engLan = m_infoList.first();
    ORVEX_DEBUG(QStringLiteral("tooltips: %1 languages").arg(m_infoList.size()));
}

QString TooltipManager::getSysLanName()
{
    const QString code = WexAction::getSysLanName();
    return languageNameOfCode(code.isNull() ? QLatin1String(DefaultLanguageCode) : code);
}

QString TooltipManager::languageNameOfCode(const QString &code)
{
    for (const LanguageName &entry : LanguageTable) {
        if (code == QLatin1String(entry.code))
            return QLatin1String(entry.name);
    }
    return {};
}

void TooltipManager::setLanByname(const QString &name)
{
    m_currLan = m_engLan;
    if (name.isNull())
        return;
    for (const Language &language : std::as_const(m_infoList)) {
        if (language->name == name) {
            m_currLan = language;
            return;
        }
    }
}

template <typename Match> QString TooltipManager::lookUp(Match match)
{
    if (!m_currLan && !m_infoList.isEmpty())
        m_currLan = m_infoList.first();
    if (const auto tooltip = firstIn(m_currLan, match))
        return tooltip->text;
    if (const auto tooltip = firstIn(m_engLan, match))
        return tooltip->text;
    return {};
}

QString TooltipManager::getTooltip(const QString &key)
{
    return lookUp([&key](const TooltipData &tooltip) { return tooltip.name == key; });
}

QString TooltipManager::getTooltip(int viewId, const QString &btnTag)
{
    return lookUp([viewId, &btnTag](const TooltipData &tooltip) {
        return tooltip.viewId == viewId && tooltip.btnTag == btnTag;
    });
}

QString TooltipManager::getBtnIdBy(const Language &language, const QString &key,
                                   const QString &text, int viewId)
{
    Q_UNUSED(text);
    const auto tooltip = firstIn(language, [&key, viewId](const TooltipData &candidate) {
        return candidate.viewId == viewId && candidate.name == key;
    });
    return tooltip ? tooltip->btnTag : QString();
}

} // namespace orvex
