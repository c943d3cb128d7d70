// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFileNames.h"

#include "profile/FixedText.h"

#include <QFileInfo>
#include <QSet>

namespace orvex {

namespace {

constexpr QChar Replacement = QLatin1Char('_');
constexpr char16_t LastControl = 0x1F;
constexpr char16_t Delete = 0x7F;

bool isRefused(QChar c)
{
    return c == QLatin1Char('/') || c.unicode() <= LastControl || c.unicode() == Delete;
}

QString withExtension(const QString &stem)
{
    return stem + QLatin1Char('.') + QLatin1String(ProfileFileNames::Extension);
}

// Takes `stem` (or stem~2, stem~3, ...) for the first form not yet taken.
QString takeUnique(const QString &stem, QSet<QString> &taken)
{
    QString candidate = withExtension(stem);
    for (int n = 2; taken.contains(candidate.toCaseFolded()); ++n)
        candidate =
            withExtension(stem + QLatin1Char(ProfileFileNames::SuffixMark) + QString::number(n));
    taken.insert(candidate.toCaseFolded());
    return candidate;
}

} // namespace

QString ProfileFileNames::stemFor(const QString &profileName)
{
    QString stem = profileName;
    for (QChar &c : stem) {
        if (isRefused(c))
            c = Replacement;
    }
    if (stem.startsWith(QLatin1Char('.')))
        stem[0] = Replacement;
    if (stem.isEmpty())
        stem = Replacement;
    const QByteArray utf8 = stem.toUtf8();
    if (utf8.size() > MaxStemBytes)
        stem = QString::fromUtf8(FixedText::truncateUtf8(utf8, MaxStemBytes));
    return stem;
}

bool ProfileFileNames::isVerbatim(const QString &profileName)
{
    return stemFor(profileName) == profileName;
}

QStringList ProfileFileNames::assign(const QStringList &profileNames)
{
    QStringList result(profileNames.size());
    QSet<QString> taken;
    for (int pass = 0; pass < 2; ++pass) {
        const bool verbatimPass = pass == 0;
        for (int i = 0; i < profileNames.size(); ++i) {
            if (isVerbatim(profileNames[i]) == verbatimPass)
                result[i] = takeUnique(stemFor(profileNames[i]), taken);
        }
    }
    return result;
}

bool ProfileFileNames::isProfileFile(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower() == QLatin1String(Extension);
}

} // namespace orvex
