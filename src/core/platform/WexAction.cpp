// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WexAction.h"

#include "platform/KeyedArchiver.h"
#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include <QDir>
#include <QDomProcessingInstruction>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <limits>

namespace orvex {

namespace {

constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// One hexadecimal number: optional white space and "0x", then hex digits up
// to the first other character.
int readHexNumber(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u"0x", Qt::CaseInsensitive))
        text = text.mid(2);
    qint64 value = 0;
    for (QChar c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            break;
        value = value * 16 + digit;
        if (value > Int32Max)
            return 0;
    }
    return int(value);
}

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

bool nestedWithin(const QByteArray &data, int maxDepth)
{
    QXmlStreamReader reader(data);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maxDepth)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;
}

void moveAsideLargeLog(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.size() <= WexAction::MaxDebugLogSize)
        return;
    const QString previous = path + QStringLiteral(".1");
    QFile::remove(previous);
    QFile::rename(path, previous);
}

} // namespace

void WexAction::setLoggerTempLevel()
{
    WexLogger::applyEnvironment();
}

void WexAction::setLoggerHasFile(bool hasFile)
{
    if (!hasFile) {
        WexLogger::setDebugFile({});
        return;
    }
    const QString path =
        UserDataFolder::getSysPath() + QLatin1Char('/') + QLatin1String(DebugLogName);
    moveAsideLargeLog(path);
    WexLogger::setDebugFile(path);
}

QDomDocument WexAction::loadXmlFromPath(const QString &path)
{
    QByteArray contents;
    if (!readSmallFile(path, MaxDocumentSize, &contents))
        return {};
    QDomDocument document = loadXmlFromData(contents);
    if (document.isNull())
        ORVEX_WARNING(QStringLiteral("%1 is not a well-formed XML document").arg(path));
    return document;
}

QDomDocument WexAction::loadXmlFromData(const QByteArray &data)
{
    if (data.size() > MaxDocumentSize || !nestedWithin(data, MaxDocumentDepth))
        return {};
    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(data, false, &error, &line)) {
        ORVEX_DEBUG(QStringLiteral("XML error at line %1: %2").arg(line).arg(error));
        return {};
    }
    return document;
}

QByteArray WexAction::xmlUtf8Bytes(QDomDocument &document, int indent)
{
    const QDomNode first = document.firstChild();
    if (first.isProcessingInstruction() &&
        first.toProcessingInstruction().target() == QLatin1String("xml"))
        document.replaceChild(
            document.createProcessingInstruction(
                QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")),
            first);
    return document.toByteArray(indent);
}

QString WexAction::getNodeAtrValue(const QDomElement &node, const QString &name)
{
    if (node.isNull() || !node.hasAttribute(name))
        return {};
    return node.attribute(name);
}

QString WexAction::getNodeValue(const QDomElement &node, const QString &nodeName)
{
    const QDomElement child = node.firstChildElement(nodeName);
    if (child.isNull())
        return {};
    return child.text();
}

int WexAction::getIntValue(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c.unicode() - u'0');
        if (value > Int32Max + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > Int32Max || value < std::numeric_limits<qint32>::min())
        return 0;
    return int(value);
}

int WexAction::getIntValueByHex(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    return readHexNumber(comma < 0 ? text : text.left(comma));
}

QList<int> WexAction::getIntListByHex(QStringView text)
{
    QList<int> values;
    for (QStringView part : text.split(u','))
        values.append(readHexNumber(part));
    return values;
}

QString WexAction::xmlSafeText(const QString &text)
{
    QString safe = text;
    for (qsizetype i = 0; i < safe.size(); ++i) {
        const QChar c = safe.at(i);
        if (c.isHighSurrogate() && i + 1 < safe.size() && safe.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        const char16_t u = c.unicode();
        const bool allowed = u == u'\t' || u == u'\n' || u == u'\r' ||
                             (u >= 0x20 && !c.isSurrogate() && u != 0xFFFE && u != 0xFFFF);
        if (!allowed)
            safe[i] = QChar::ReplacementCharacter;
    }
    return safe;
}

QString WexAction::getNonullStr(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString WexAction::getSysLanName()
{
    const QString locale = firstNonEmptyVariable({"LC_ALL", "LC_MESSAGES", "LANG"});
    if (isPortableLocale(locale))
        return {};
    const QString languages = qEnvironmentVariable("LANGUAGE");
    for (QStringView entry : QStringView(languages).split(u':')) {
        const QString code = languageCodeOfLocale(entry);
        if (!code.isEmpty())
            return code;
    }
    return languageCodeOfLocale(locale);
}

QString WexAction::languageCodeOfLocale(QStringView locale)
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

bool WexAction::SaveObject(const KeyedArchivable &object, const QString &path)
{
    const QByteArray archive = KeyedArchiver::archivedDataWithRootObject(object);
    return !archive.isEmpty() && writeFileAtomically(path, archive);
}

} // namespace orvex
