// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex::sim {

class PersonEvent;

// `orvex-virtual-mouse send`: hands one person's action to a running virtual
// mouse as "EVENT <words>" and waits for its answer.
class SendCommand
{
public:
    static constexpr int ConnectTimeoutMs = 1000;
    static constexpr int ReplyTimeoutMs = 3000;

    // Answers true when the virtual mouse did it; otherwise *message says why
    // in one line (no server, a server of another user, no answer, or the
    // mouse's refusal).
    static bool run(const QString &socketPath, const PersonEvent &event, QString *message);
};

} // namespace orvex::sim
