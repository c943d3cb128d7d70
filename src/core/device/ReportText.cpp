// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ReportText.h"

namespace orvex {

namespace {
constexpr int DigitsPerByte = 2;
constexpr char Separator = ' ';
} // namespace

QByteArray ReportText::format(const Report &report)
{
    QByteArray text;
    for (std::uint8_t byte : report) {
        if (!text.isEmpty())
            text += Separator;
        text += QByteArray::number(byte, 16).rightJustified(DigitsPerByte, '0').toUpper();
    }
    return text;
}

std::optional<Report> ReportText::parse(const QList<QByteArray> &fields)
{
    Report report{};
    if (fields.size() != qsizetype(report.size()))
        return std::nullopt;
    for (std::size_t i = 0; i < report.size(); ++i) {
        const QByteArray &field = fields.at(qsizetype(i));
        if (field.size() != DigitsPerByte)
            return std::nullopt;
        bool ok = false;
        const uint value = field.toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        report[i] = std::uint8_t(value);
    }
    return report;
}

std::optional<Report> ReportText::parseLine(const QByteArray &line, const char *keyword)
{
    QList<QByteArray> fields = line.split(Separator);
    if (fields.isEmpty() || fields.takeFirst() != keyword)
        return std::nullopt;
    return parse(fields);
}

} // namespace orvex
