// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexNumberValidator.h"

#include <algorithm>

namespace orvex {

namespace {

// Enough digits for any int; longer input is refused before it is parsed.
constexpr int MaxDigits = 10;

} // namespace

WexNumberValidator::WexNumberValidator(int minimum, int maximum, int maxLength, bool hasNegative,
                                       QObject *parent)
    : QValidator(parent), m_minimum(std::min(minimum, maximum)),
      m_maximum(std::max(minimum, maximum)), m_maxLength(std::clamp(maxLength, 1, MaxDigits)),
      m_hasNegative(hasNegative)
{
}

QValidator::State WexNumberValidator::validate(QString &input, int &pos) const
{
    (void)pos;
    if (input.isEmpty())
        return Intermediate;
    const bool negative = input.startsWith(QLatin1Char('-'));
    if (negative && (!m_hasNegative || m_minimum >= 0))
        return Invalid;
    const QStringView digits = QStringView(input).mid(negative ? 1 : 0);
    if (digits.size() > m_maxLength)
        return Invalid;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    if (digits.isEmpty())
        return Intermediate;
    const qint64 magnitude = digits.toLongLong();
    const qint64 value = negative ? -magnitude : magnitude;
    if (value > m_maximum)
        return Invalid;
    if (value < m_minimum) {
        // More digits only move a negative value further down.
        return negative ? Invalid : Intermediate;
    }
    return Acceptable;
}

void WexNumberValidator::fixup(QString &input) const
{
    input = QString::number(valueOf(input));
}

int WexNumberValidator::valueOf(const QString &text) const
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return clamp(ok ? value : 0);
}

int WexNumberValidator::clamp(qint64 value) const
{
    return int(std::clamp<qint64>(value, m_minimum, m_maximum));
}

} // namespace orvex
