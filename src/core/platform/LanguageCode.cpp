// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LanguageCode.h"

#include <QList>

#include <initializer_list>

namespace orvex {

namespace {

QString firstNonEmptyVariable(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool isPortableLocale(QStringView locale)
{
    return locale.isEmpty() || locale == u"C" || locale == u"POSIX" || locale.startsWith(u"C.");
}

QString chineseCode(QStringView region, QStringView modifier)
{
    const bool traditional = region.compare(u"TW", Qt::CaseInsensitive) == 0 ||
                             region.compare(u"HK", Qt::CaseInsensitive) == 0 ||
                             region.compare(u"MO", Qt::CaseInsensitive) == 0 ||
                             region.startsWith(u"Hant", Qt::CaseInsensitive) ||
                             modifier.compare(u"Hant", Qt::CaseInsensitive) == 0;
    return traditional ? QStringLiteral("zh-Hant") : QStringLiteral("zh-Hans");
}

} // namespace

QString LanguageCode::ofSystem()
{
    const QString locale = firstNonEmptyVariable({"LC_ALL", "LC_MESSAGES", "LANG"});
    if (isPortableLocale(locale))
        return {};
    const QString languages = qEnvironmentVariable("LANGUAGE");
    for (QStringView entry : QStringView(languages).split(u':')) {
        const QString code = ofLocale(entry);
        if (!code.isEmpty())
            return code;
    }
    return ofLocale(locale);
}

QString LanguageCode::ofLocale(QStringView locale)
{
    QStringView modifier;
    const qsizetype at = locale.indexOf(u'@');
    if (at >= 0) {
        modifier = locale.mid(at + 1);
        locale = locale.left(at);
    }
    const qsizetype dot = locale.indexOf(u'.');
    if (dot >= 0)
        locale = locale.left(dot);
    if (isPortableLocale(locale))
        return {};
    qsizetype separator = locale.indexOf(u'_');
    if (separator < 0)
        separator = locale.indexOf(u'-');
    const QString language = (separator < 0 ? locale : locale.left(separator)).toString().toLower();
    const QStringView region = separator < 0 ? QStringView() : locale.mid(separator + 1);
    if (language.isEmpty())
        return {};
    if (language == u"zh")
        return chineseCode(region, modifier);
    if (language == u"pt" && !region.isEmpty())
        return language + QLatin1Char('-') + region.toString().toUpper();
    return language;
}

} // namespace orvex
