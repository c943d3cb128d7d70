// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped Tooltip.xml: every language of the table, the same keys in
// each, and every key the catalogue and the pages look up.
#include "LanguageEnvironment.h"

#include "TooltipManager.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace orvex::test {
namespace {

const char *const TableOrder[] = {
    "English", "TC",      "SC",       "Czech",  "French", "German",
    "Greek",   "Italian", "Japanese", "Korean", "Polish", "Portuguese(Brazil)",
    "Russian", "Spanish", "Turkish",
};

// A sample of the keys the pages look up, as they write them.
const char *const PageKeys[] = {
    "Reset this profile to system default.",
    "Go to Zenkor Website",
    "Open the help docuement.",
    "Switch to profile 5 page.",
    "Applictaion Launcher Function",
    "Create a new profile",
    "export profile",
    "Light blue",
    "ONE SCREEN AT TIME",
    "Insert defualt delay time (VX9)",
    "Maximum number of macros reached",
    "A macro of this name already exists.",
};

class ShippedTooltipsTest : public LanguageEnvironment
{
protected:
    void SetUp() override
    {
        LanguageEnvironment::SetUp();
        m_manager = TooltipManager::shareTooltipManager();
        ASSERT_EQ(m_manager->infoList().size(), 15);
    }
    TooltipManager *m_manager = nullptr;
};

QSet<QString> keysOf(const TooltipManager::Language &language)
{
    QSet<QString> keys;
    for (const auto &tooltip : language->tooltips)
        keys.insert(tooltip->name);
    return keys;
}

TEST_F(ShippedTooltipsTest, EveryTableLanguageInOrderWithTheSameKeys)
{
    const QSet<QString> english = keysOf(m_manager->engLan());
    for (int i = 0; i < 15; ++i) {
        const auto &language = m_manager->infoList().at(i);
        EXPECT_EQ(language->name, QLatin1String(TableOrder[i]));
        EXPECT_EQ(keysOf(language), english) << TableOrder[i];
        for (const auto &tooltip : language->tooltips) {
            EXPECT_FALSE(tooltip->text.isEmpty()) << TableOrder[i];
            EXPECT_EQ(tooltip->text.contains(QLatin1String("%@")),
                      tooltip->name.contains(QLatin1String("%@")))
                << TableOrder[i] << ": " << tooltip->text.toStdString();
        }
    }
    for (const char *key : PageKeys)
        EXPECT_TRUE(english.contains(QLatin1String(key))) << key;
}

TEST_F(ShippedTooltipsTest, EveryCatalogueTagIsTranslated)
{
    QFile catalogue(QStringLiteral(ORVEX_SOURCE_DIR "/resources/MenuInfo.xml"));
    ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(catalogue.readAll());
    const QRegularExpression tag(QStringLiteral("TooltipTag=\"([^\"]+)\""));
    int tags = 0;
    for (const auto &match : tag.globalMatch(text)) {
        ++tags;
        for (const auto &language : m_manager->infoList())
            EXPECT_TRUE(keysOf(language).contains(match.captured(1)))
                << language->name.toStdString() << " lacks " << match.captured(1).toStdString();
    }
    EXPECT_GT(tags, 10);
}

TEST_F(ShippedTooltipsTest, TranslationsDifferFromEnglish)
{
    // A language whose texts mostly equal the English ones was not translated.
    const auto &english = m_manager->engLan()->tooltips;
    for (const auto &language : m_manager->infoList().mid(1)) {
        int same = 0;
        for (qsizetype i = 0; i < english.size(); ++i)
            same += language->tooltips.at(i)->text == english.at(i)->text;
        EXPECT_LT(same, english.size() / 5) << language->name.toStdString();
    }
    m_manager->setLanByname(QStringLiteral("Japanese"));
    EXPECT_EQ(m_manager->getTooltip(1, QStringLiteral("279")), QStringLiteral("OK"));
    EXPECT_EQ(m_manager->getTooltip(QStringLiteral("Cancel")), QStringLiteral("キャンセル"));
}

} // namespace
} // namespace orvex::test
