// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/FixedText.h"

#include <cstring>

namespace orvex {

namespace {
bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
} // namespace

QByteArray FixedText::truncateUtf8(const QByteArray &utf8, std::size_t maxBytes)
{
    if (std::size_t(utf8.size()) <= maxBytes)
        return utf8;
    std::size_t cut = maxBytes;
    // Step back over the continuation bytes of a character that does not fit.
    while (cut > 0 && isContinuationByte(utf8[qsizetype(cut)]))
        --cut;
    return utf8.left(qsizetype(cut));
}

bool FixedText::store(char *area, std::size_t capacity, const QString &text)
{
    if (capacity == 0)
        return !text.isEmpty();
    const QByteArray utf8 = text.toUtf8();
    const QByteArray kept = truncateUtf8(utf8, capacity - 1);
    std::memset(area, 0, capacity);
    std::memcpy(area, kept.constData(), std::size_t(kept.size()));
    return kept.size() != utf8.size();
}

QString FixedText::load(const char *area, std::size_t capacity)
{
    const void *nul = std::memchr(area, 0, capacity);
    const std::size_t length = nul ? std::size_t(static_cast<const char *>(nul) - area) : capacity;
    return QString::fromUtf8(area, qsizetype(length));
}

} // namespace orvex
