// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace orvex::sim {

class FirmwareModel;

// Answers one request line of the virtual mouse's socket protocol
// (VirtualMouseProtocol.h), without the line end:
//   SET b0..b7  -> OK, or ERR when unplugged
//   GET         -> DATA b0..b7, or ERR when unplugged, or nothing at all
//                  while the firmware is silent
//   PRESENT     -> YES | NO
//   EVENT words -> OK, or ERR <reason> (unknown event, unplugged)
//   LISTEN      -> OK, and the connection becomes an event stream
// Anything else is malformed and the client is to be dropped.
class RequestHandler
{
public:
    struct Outcome
    {
        enum class Action
        {
            Reply,
            Subscribe,
            Drop,
            Ignore // nothing is sent back
        };
        Action action = Action::Drop;
        QByteArray reply; // without the line end; empty for Drop and Ignore
    };

    explicit RequestHandler(FirmwareModel &model);

    Outcome handle(const QByteArray &line) const;

private:
    Outcome set(const QList<QByteArray> &fields) const;
    Outcome get() const;
    Outcome event(const QList<QByteArray> &fields) const;

    static Outcome reply(const QByteArray &text);
    static Outcome error(const QString &reason);
    static Outcome drop();

    FirmwareModel &m_model;
};

} // namespace orvex::sim
