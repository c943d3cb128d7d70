// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PreferencesFile.h"

#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include <QDir>
#include <QSettings>

namespace orvex {

namespace {

constexpr char FileExtension[] = ".conf";

// Writes one change and flushes it; answers whether the file took it.
template <typename Change> bool writeSettings(Change change)
{
    QSettings settings(PreferencesFile::path(), QSettings::IniFormat);
    change(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        ORVEX_WARNING(
            QStringLiteral("cannot write the preferences file %1").arg(settings.fileName()));
        return false;
    }
    return true;
}

std::optional<QString> readText(const QString &key)
{
    QSettings settings(PreferencesFile::path(), QSettings::IniFormat);
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString().trimmed().toLower();
}

} // namespace

QString PreferencesFile::configHome()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are invalid by the XDG rules and are ignored.
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return QDir::cleanPath(fromEnvironment);
    return QDir::homePath() + QStringLiteral("/.config");
}

QString PreferencesFile::path()
{
    return configHome() + QLatin1Char('/') + QLatin1String(ApplicationIdentifier) +
           QLatin1String(FileExtension);
}

std::optional<bool> PreferencesFile::boolValue(const QString &key)
{
    const std::optional<QString> text = readText(key);
    if (!text)
        return std::nullopt;
    if (*text == u"true" || *text == u"yes" || *text == u"on" || *text == u"1")
        return true;
    if (*text == u"false" || *text == u"no" || *text == u"off" || *text == u"0")
        return false;
    ORVEX_WARNING(QStringLiteral("preference %1 holds '%2', not a boolean").arg(key, *text));
    return std::nullopt;
}

bool PreferencesFile::setBoolValue(const QString &key, bool value)
{
    return writeSettings([&](QSettings &settings) { settings.setValue(key, value); });
}

std::optional<int> PreferencesFile::intValue(const QString &key)
{
    const std::optional<QString> text = readText(key);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool PreferencesFile::setIntValue(const QString &key, int value)
{
    return writeSettings([&](QSettings &settings) { settings.setValue(key, value); });
}

bool PreferencesFile::removeValue(const QString &key)
{
    return writeSettings([&](QSettings &settings) { settings.remove(key); });
}

} // namespace orvex
