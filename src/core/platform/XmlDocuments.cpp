// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/XmlDocuments.h"

#include "platform/SmallFiles.h"
#include "platform/WexLogger.h"

#include <QDomProcessingInstruction>
#include <QXmlStreamReader>

namespace orvex {

namespace {

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

} // namespace

QDomDocument XmlDocuments::loadFromPath(const QString &path)
{
    QByteArray contents;
    if (!SmallFiles::read(path, MaxDocumentSize, &contents))
        return {};
    QDomDocument document = loadFromData(contents);
    if (document.isNull())
        ORVEX_WARNING(QStringLiteral("%1 is not a well-formed XML document").arg(path));
    return document;
}

QDomDocument XmlDocuments::loadFromData(const QByteArray &data)
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

QByteArray XmlDocuments::utf8Bytes(QDomDocument &document, int indent)
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

QString XmlDocuments::attribute(const QDomElement &element, const QString &name)
{
    if (element.isNull() || !element.hasAttribute(name))
        return {};
    return element.attribute(name);
}

QString XmlDocuments::childText(const QDomElement &element, const QString &childName)
{
    const QDomElement child = element.firstChildElement(childName);
    if (child.isNull())
        return {};
    return child.text();
}

QString XmlDocuments::safeText(const QString &text)
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

} // namespace orvex
