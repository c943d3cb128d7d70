// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace orvex {

// Values as the suite's documents write them in text: decimal and
// hexadecimal numbers, and strings that are never null. The readers never
// fail; text they cannot read gives 0.
class TextValues
{
public:
    // The leading integer of `text` (white space and a sign allowed before
    // it). No digits, or a value outside int32, reads as 0.
    static int decimal(QStringView text);
    // The first number of a comma-separated hexadecimal list such as
    // "0x01,0x10,0xff" (the "0x" prefix is optional). A number without hex
    // digits, or above 0x7FFFFFFF, reads as 0.
    static int firstHex(QStringView text);
    // Every number of such a list, each read as above.
    static QList<int> hexList(QStringView text);

    // `text`, or the empty string for a null one.
    static QString nonNull(const QString &text);
};

} // namespace orvex
