// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace orvex {

// Reports as text: eight two-digit hexadecimal fields separated by single
// spaces, "DE 23 AB 01 00 00 00 00" (upper case when written, either case read).
class ReportText
{
public:
    static QByteArray format(const Report &report);
    // Exactly eight fields of exactly two hexadecimal digits each.
    static std::optional<Report> parse(const QList<QByteArray> &fields);
    // "<keyword> b0 .. b7", one space between fields; anything else -> nothing.
    static std::optional<Report> parseLine(const QByteArray &line, const char *keyword);
};

} // namespace orvex
