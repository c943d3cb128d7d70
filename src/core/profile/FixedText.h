// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>

namespace orvex {

// Text in the records' fixed char areas: UTF-8, NUL-terminated.
class FixedText
{
public:
    // Writes `text` into `area` (of `capacity` bytes) as UTF-8, cut at a
    // character boundary so that it always ends in a NUL inside the area; the
    // rest of the area is zeroed. Answers whether the text had to be cut.
    static bool store(char *area, std::size_t capacity, const QString &text);
    // The text up to the first NUL, or the whole area when there is none.
    static QString load(const char *area, std::size_t capacity);

    // The longest prefix of `utf8` of at most `maxBytes` bytes that ends on a
    // character boundary.
    static QByteArray truncateUtf8(const QByteArray &utf8, std::size_t maxBytes);
};

} // namespace orvex
