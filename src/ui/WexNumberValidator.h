// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace orvex {

// What a number field accepts: decimal digits only, at most `maxLength` of
// them, a leading minus sign only when negatives are allowed, and no value
// above the maximum. A value below the minimum is allowed while typing when
// more digits could still bring it into range (typing 1000 into 50..8200
// passes through 1); fixup() puts a value back into the range.
class WexNumberValidator : public QValidator
{
    Q_OBJECT
public:
    WexNumberValidator(int minimum, int maximum, int maxLength, bool hasNegative,
                       QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

    // `text` read as a number and limited to the range; empty or unreadable
    // text reads as 0 limited to the range.
    int valueOf(const QString &text) const;
    int clamp(qint64 value) const;

private:
    int m_minimum;
    int m_maximum;
    int m_maxLength;
    bool m_hasNegative;
};

} // namespace orvex
