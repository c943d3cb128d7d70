// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextValues.h"

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

} // namespace

int TextValues::decimal(QStringView text)
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

int TextValues::firstHex(QStringView text)
{
    const qsizetype comma = text.indexOf(u',');
    return readHexNumber(comma < 0 ? text : text.left(comma));
}

QList<int> TextValues::hexList(QStringView text)
{
    QList<int> values;
    for (QStringView part : text.split(u','))
        values.append(readHexNumber(part));
    return values;
}

QString TextValues::nonNull(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace orvex
