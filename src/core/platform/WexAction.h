// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringView>

#include "platform/KeyedArchivable.h"
#include "platform/KeyedUnarchiver.h"
#include "platform/SmallFiles.h"

#include <memory>

namespace orvex {

// The framework services the catalogue, the tooltips and the pages call by
// name: logging set-up, folders, seeding user files from the shipped
// resources, XML loading and attribute helpers, the number readers and the
// system language. None of them raises; failures answer false, 0, an empty
// document or a null string, and are logged where a person would look.
class WexAction
{
public:
    // Files larger than this are refused by the readers below. A catalogue of
    // 100 macros as long as the mouse can hold is about 700 KiB and the
    // shipped tooltips 150 KiB; the document tree takes some 60 times the
    // file's size in memory, so the limit also bounds that.
    static constexpr qint64 MaxDocumentSize = 2 * 1024 * 1024;
    // Element nesting the XML readers accept. Our documents nest four deep;
    // the DOM builder slows down with the square of the depth, so a deeply
    // nested file would otherwise stall the program for hours.
    static constexpr int MaxDocumentDepth = 64;

    // The log level of this run: ORVEX_LOG_LEVEL when set, else the default.
    static void setLoggerTempLevel();
    // Debug lines go to DebugLogName in the user data folder as well (YES)
    // or no longer (NO). A log left over larger than MaxDebugLogSize is moved
    // aside first, so the file never grows without bound across runs.
    static void setLoggerHasFile(bool hasFile);
    static constexpr char DebugLogName[] = "debug.log";
    static constexpr qint64 MaxDebugLogSize = 1024 * 1024;

    // The file services (SmallFiles.h) under the names the design calls.
    static bool creatDirectoryPro(const QString &path) { return SmallFiles::createFolder(path); }
    static constexpr qint64 MaxResourceSize = SmallFiles::MaxResourceSize;
    static bool checkAddCopyFileFromResourceWithPath(const QString &folder, const QString &fileName)
    {
        return SmallFiles::seedFromResource(folder, fileName);
    }

    // The XML document in the file; an empty (null) document when the file is
    // absent, unreadable, larger than MaxDocumentSize, nested deeper than
    // MaxDocumentDepth or not well-formed.
    static QDomDocument loadXmlFromPath(const QString &path);
    static QDomDocument loadXmlFromData(const QByteArray &data);

    // The document as UTF-8 text, pretty-printed with `indent` spaces. An XML
    // declaration naming another encoding is rewritten to name UTF-8, the
    // encoding the text is in, so the file reads back as it was written.
    static QByteArray xmlUtf8Bytes(QDomDocument &document, int indent);

    // The attribute `name` of `node`; a null string when absent.
    static QString getNodeAtrValue(const QDomElement &node, const QString &name);
    // The text of the first child element named `nodeName`; null when none.
    static QString getNodeValue(const QDomElement &node, const QString &nodeName);

    // Decimal reader: the leading integer of `text` (white space and a sign
    // allowed before it). No digits, or a value outside int32, reads as 0.
    static int getIntValue(QStringView text);
    // Hexadecimal reader: the first number of a comma-separated list such as
    // "0x01,0x10,0xff" (the "0x" prefix is optional). A number without hex
    // digits, or above 0x7FFFFFFF, reads as 0.
    static int getIntValueByHex(QStringView text);
    // Every number of such a list, each read as above.
    static QList<int> getIntListByHex(QStringView text);

    // `text` with every character XML 1.0 cannot carry (control characters
    // other than tab, line feed and carriage return, lone surrogates, U+FFFE
    // and U+FFFF) replaced by U+FFFD, so a document written with it parses.
    static QString xmlSafeText(const QString &text);

    // `text`, or the empty string for a null one.
    static QString getNonullStr(const QString &text);

    // The user's language as a code such as "en", "de", "pt-BR", "zh-Hans" or
    // "zh-Hant", from LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG
    // in that order; null when none is set or the locale is "C"/"POSIX", in
    // which case LANGUAGE is ignored as well (the gettext rule).
    static QString getSysLanName();
    // The code of one locale name ("pt_BR.UTF-8" gives "pt-BR", "de_AT@euro"
    // gives "de"); null for "C", "POSIX" or an empty name.
    static QString languageCodeOfLocale(QStringView locale);

    // Object archiving for exported files (.mac): the keyed archive of
    // `object` written atomically to `path` as a binary property list.
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

    static bool readSmallFile(const QString &path, qint64 maxSize, QByteArray *contents)
    {
        return SmallFiles::read(path, maxSize, contents);
    }
    static bool writeFileAtomically(const QString &path, const QByteArray &contents)
    {
        return SmallFiles::writeAtomically(path, contents);
    }
};

} // namespace orvex
