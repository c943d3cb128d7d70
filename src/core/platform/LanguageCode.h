// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace orvex {

// The user's language as the code the translation tables use, such as
// "en", "de", "pt-BR", "zh-Hans" or "zh-Hant".
class LanguageCode
{
public:
    // From LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG in that
    // order; null when none is set or the locale is "C"/"POSIX", in which
    // case LANGUAGE is ignored as well (the gettext rule).
    static QString ofSystem();
    // The code of one locale name ("pt_BR.UTF-8" gives "pt-BR", "de_AT@euro"
    // gives "de"); null for "C", "POSIX" or an empty name.
    static QString ofLocale(QStringView locale);
};

} // namespace orvex
