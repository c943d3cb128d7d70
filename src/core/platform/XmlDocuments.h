// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace orvex {

// Reading and writing the suite's XML documents (the catalogue, the
// tooltips) and the element helpers their readers use. Kept apart from the
// file services so that a program which reads no XML does not load the XML
// library.
class XmlDocuments
{
public:
    // Files larger than this are refused by the readers below. A catalogue of
    // 100 macros as long as the mouse can hold is about 700 KiB and the
    // shipped tooltips 150 KiB; the document tree takes some 60 times the
    // file's size in memory, so the limit also bounds that.
    static constexpr qint64 MaxDocumentSize = 2 * 1024 * 1024;
    // Element nesting the readers accept. Our documents nest four deep; the
    // DOM builder slows down with the square of the depth, so a deeply
    // nested file would otherwise stall the program for hours.
    static constexpr int MaxDocumentDepth = 64;

    // The XML document in the file; an empty (null) document when the file is
    // absent, unreadable, larger than MaxDocumentSize, nested deeper than
    // MaxDocumentDepth or not well-formed.
    static QDomDocument loadFromPath(const QString &path);
    static QDomDocument loadFromData(const QByteArray &data);

    // The document as UTF-8 text, pretty-printed with `indent` spaces. An XML
    // declaration naming another encoding is rewritten to name UTF-8, the
    // encoding the text is in, so the file reads back as it was written.
    static QByteArray utf8Bytes(QDomDocument &document, int indent);

    // The attribute `name` of `element`; a null string when absent.
    static QString attribute(const QDomElement &element, const QString &name);
    // The text of the first child element named `childName`; null when none.
    static QString childText(const QDomElement &element, const QString &childName);

    // `text` with every character XML 1.0 cannot carry (control characters
    // other than tab, line feed and carriage return, lone surrogates, U+FFFE
    // and U+FFFF) replaced by U+FFFD, so a document written with it parses.
    static QString safeText(const QString &text);
};

} // namespace orvex
