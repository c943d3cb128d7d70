// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/FirmwareName.h"

#include "device/MemoryMap.h"

#include <utility>

namespace orvex {

namespace {

constexpr char Unrepresentable = '?';
constexpr char16_t FirstPrintable = 0x20;
constexpr char16_t LastPrintable = 0x7E;

// Letters with no decomposition into an ASCII letter and marks.
constexpr std::pair<char16_t, const char *> SpelledOut[] = {
    {u'ß', "ss"}, {u'æ', "ae"}, {u'Æ', "AE"}, {u'œ', "oe"}, {u'Œ', "OE"},  {u'ø', "o"},
    {u'Ø', "O"},  {u'ł', "l"},  {u'Ł', "L"},  {u'đ', "d"},  {u'Đ', "D"},   {u'ð', "d"},
    {u'Ð', "D"},  {u'þ', "th"}, {u'Þ', "Th"}, {u'ı', "i"},  {u'–', "-"},   {u'—', "-"},
    {u'‘', "'"},  {u'’', "'"},  {u'“', "\""}, {u'”', "\""}, {u'…', "..."},
};

bool isPrintableAscii(char16_t c)
{
    return c >= FirstPrintable && c <= LastPrintable;
}

// The ASCII form of one character (as a code point), or "?".
QByteArray asciiFormOf(const QString &character)
{
    if (character.size() == 1) {
        const char16_t c = character.at(0).unicode();
        if (isPrintableAscii(c))
            return QByteArray(1, char(c));
        for (const auto &[letter, spelling] : SpelledOut) {
            if (letter == c)
                return spelling;
        }
    }
    // Compatibility decomposition splits "é" into "e" and a combining accent
    // and "ﬁ" into "fi"; keep the result when it is all ASCII once marks are dropped.
    QByteArray ascii;
    for (QChar part : character.normalized(QString::NormalizationForm_KD)) {
        if (part.category() == QChar::Mark_NonSpacing)
            continue;
        if (!isPrintableAscii(part.unicode()))
            return QByteArray(1, Unrepresentable);
        ascii += char(part.unicode());
    }
    return ascii.isEmpty() ? QByteArray(1, Unrepresentable) : ascii;
}

} // namespace

QByteArray FirmwareName::encode(const QString &name)
{
    QByteArray encoded;
    for (qsizetype i = 0; i < name.size() && encoded.size() < fwmem::NameMaxLength; ++i) {
        const qsizetype length = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        encoded += asciiFormOf(name.mid(i, length));
        i += length - 1;
    }
    return encoded.left(fwmem::NameMaxLength);
}

} // namespace orvex
