// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringView>

#include "platform/DebugLogFile.h"
#include "platform/KeyedArchivable.h"
#include "platform/KeyedUnarchiver.h"
#include "platform/LanguageCode.h"
#include "platform/SmallFiles.h"
#include "platform/TextValues.h"
#include "platform/WexLogger.h"
#include "platform/XmlDocuments.h"

#include <memory>

namespace orvex {

// The framework services the catalogue, the tooltips and the pages call by
// name: logging set-up, folders, seeding user files from the shipped
// resources, XML loading and attribute helpers, the number readers, the
// system language and object archiving. Each is a one-line forward to the
// class that does the work, so a program links only the services it calls
// (the agent, which reads no XML and no archives, loads neither library).
// None of them raises; failures answer false, 0, an empty document or a null
// string, and are logged where a person would look.
class WexAction
{
public:
    // Logging (WexLogger.h, DebugLogFile.h).
    static void setLoggerTempLevel() { WexLogger::applyEnvironment(); }
    static void setLoggerHasFile(bool hasFile) { DebugLogFile::setEnabled(hasFile); }
    static constexpr const auto &DebugLogName = DebugLogFile::FileName;
    static constexpr qint64 MaxDebugLogSize = DebugLogFile::MaxSize;

    // Files (SmallFiles.h).
    static bool creatDirectoryPro(const QString &path) { return SmallFiles::createFolder(path); }
    static constexpr qint64 MaxResourceSize = SmallFiles::MaxResourceSize;
    static bool checkAddCopyFileFromResourceWithPath(const QString &folder, const QString &fileName)
    {
        return SmallFiles::seedFromResource(folder, fileName);
    }
    static bool readSmallFile(const QString &path, qint64 maxSize, QByteArray *contents)
    {
        return SmallFiles::read(path, maxSize, contents);
    }
    static bool writeFileAtomically(const QString &path, const QByteArray &contents)
    {
        return SmallFiles::writeAtomically(path, contents);
    }

    // XML documents (XmlDocuments.h).
    static constexpr qint64 MaxDocumentSize = XmlDocuments::MaxDocumentSize;
    static constexpr int MaxDocumentDepth = XmlDocuments::MaxDocumentDepth;
    static QDomDocument loadXmlFromPath(const QString &path)
    {
        return XmlDocuments::loadFromPath(path);
    }
    static QDomDocument loadXmlFromData(const QByteArray &data)
    {
        return XmlDocuments::loadFromData(data);
    }
    static QByteArray xmlUtf8Bytes(QDomDocument &document, int indent)
    {
        return XmlDocuments::utf8Bytes(document, indent);
    }
    static QString getNodeAtrValue(const QDomElement &node, const QString &name)
    {
        return XmlDocuments::attribute(node, name);
    }
    static QString getNodeValue(const QDomElement &node, const QString &nodeName)
    {
        return XmlDocuments::childText(node, nodeName);
    }
    static QString xmlSafeText(const QString &text) { return XmlDocuments::safeText(text); }

    // Numbers and strings in text (TextValues.h).
    static int getIntValue(QStringView text) { return TextValues::decimal(text); }
    static int getIntValueByHex(QStringView text) { return TextValues::firstHex(text); }
    static QList<int> getIntListByHex(QStringView text) { return TextValues::hexList(text); }
    static QString getNonullStr(const QString &text) { return TextValues::nonNull(text); }

    // The system language (LanguageCode.h).
    static QString getSysLanName() { return LanguageCode::ofSystem(); }
    static QString languageCodeOfLocale(QStringView locale)
    {
        return LanguageCode::ofLocale(locale);
    }

    // Object archiving for exported files (.mac, KeyedArchiver.h): the keyed
    // archive of `object` written atomically to `path` as a binary property
    // list.
    static bool SaveObject(const KeyedArchivable &object, const QString &path);
    // The object archived in the file at `path`, made by Class::initWithCoder;
    // null when the file is missing, larger than MaxArchiveSize, not a keyed
    // archive or its root is not a Class.
    template <typename Class> static std::shared_ptr<Class> CopyObject(const QString &path)
    {
        QByteArray data;
        if (!readSmallFile(path, MaxArchiveSize, &data))
            return nullptr;
        const auto root = KeyedUnarchiver::rootObjectOfData(data);
        return root ? Class::initWithCoder(*root) : nullptr;
    }
    // A macro of the editor's 40 steps takes about 2 KiB.
    static constexpr qint64 MaxArchiveSize = 4 * 1024 * 1024;
};

} // namespace orvex
