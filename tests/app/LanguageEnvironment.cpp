// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageEnvironment.h"

#include "OrvexAction.h"
#include "TestEnvironment.h"
#include "TooltipManager.h"

#include <QFile>

namespace orvex::test {

namespace {
constexpr const char *LocaleVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
}

void LanguageEnvironment::SetUp()
{
    for (const char *name : LocaleVariables) {
        m_saved.append(qgetenv(name));
        qunsetenv(name);
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(freshFolder(QStringLiteral("tooltips"))));
    OrvexAction::resetState();
    TooltipManager::resetState();
}

void LanguageEnvironment::TearDown()
{
    TooltipManager::resetState();
    OrvexAction::resetState();
    for (int i = 0; i < m_saved.size(); ++i) {
        if (m_saved.at(i).isNull())
            qunsetenv(LocaleVariables[i]);
        else
            qputenv(LocaleVariables[i], m_saved.at(i));
    }
}

void LanguageEnvironment::setLanguage(const char *locale)
{
    qputenv("LANG", locale);
}

void LanguageEnvironment::writeTooltips(const QByteArray &xml)
{
    QFile file(OrvexAction::getSysPath() + QStringLiteral("/Tooltip.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(xml);
}

} // namespace orvex::test
