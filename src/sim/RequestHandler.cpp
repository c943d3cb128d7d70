// SPDX-License-Identifier: GPL-3.0-or-later
#include "RequestHandler.h"

#include "FirmwareModel.h"
#include "PersonEvent.h"
#include "device/ReportText.h"

#include "device/VirtualMouseProtocol.h"

#include <QStringList>

namespace orvex::sim {

namespace {
constexpr char Separator = ' ';
const QString UnpluggedReason = QStringLiteral("unplugged");
} // namespace

RequestHandler::RequestHandler(FirmwareModel &model) : m_model(model) {}

RequestHandler::Outcome RequestHandler::handle(const QByteArray &line) const
{
    const QList<QByteArray> fields = line.split(Separator);
    const QByteArray &command = fields.first();
    if (command == vmouse::CmdSet)
        return set(fields);
    if (fields.size() == 1 && command == vmouse::CmdGet)
        return get();
    if (fields.size() == 1 && command == vmouse::CmdPresent)
        return reply(m_model.isPlugged() ? vmouse::ReplyYes : vmouse::ReplyNo);
    if (command == vmouse::CmdEvent)
        return event(fields);
    if (fields.size() == 1 && command == vmouse::CmdListen)
        return {Outcome::Action::Subscribe, vmouse::ReplyOk};
    return drop();
}

RequestHandler::Outcome RequestHandler::set(const QList<QByteArray> &fields) const
{
    const std::optional<Report> report = ReportText::parse(fields.mid(1));
    if (!report)
        return drop();
    if (!m_model.setFeatureReport(*report))
        return error(UnpluggedReason);
    return reply(vmouse::ReplyOk);
}

RequestHandler::Outcome RequestHandler::get() const
{
    if (m_model.isPlugged() && m_model.isSilent())
        return {Outcome::Action::Ignore, {}};
    Report report{};
    if (!m_model.getFeatureReport(report))
        return error(UnpluggedReason);
    return reply(QByteArray(vmouse::ReplyData) + Separator + ReportText::format(report));
}

// A well-formed EVENT naming something a person cannot do is answered with
// ERR rather than a dropped connection, so that the sender can say why.
RequestHandler::Outcome RequestHandler::event(const QList<QByteArray> &fields) const
{
    QStringList words;
    for (const QByteArray &field : fields.mid(1)) {
        if (field.isEmpty())
            return drop();
        words.append(QString::fromLatin1(field));
    }
    QString reason;
    const std::optional<PersonEvent> event = PersonEvent::parse(words, &reason);
    if (!event || !event->applyTo(m_model, &reason))
        return error(reason);
    return reply(vmouse::ReplyOk);
}

RequestHandler::Outcome RequestHandler::reply(const QByteArray &text)
{
    return {Outcome::Action::Reply, text};
}

RequestHandler::Outcome RequestHandler::error(const QString &reason)
{
    return reply(QByteArray(vmouse::ReplyError) + Separator + reason.toUtf8());
}

RequestHandler::Outcome RequestHandler::drop()
{
    return {Outcome::Action::Drop, {}};
}

} // namespace orvex::sim
