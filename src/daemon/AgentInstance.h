// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

// One agent per login session. The agent is started both by the XDG
// autostart entry and, where the user enables it, by the systemd user unit;
// two agents would launch every application twice and fight over the
// display. The first agent owns the bus name BusName, a later one sees it
// taken and leaves.
class AgentInstance
{
public:
    static constexpr char BusName[] = "com.kelto.orvexDaemon";

    // Answers false when another agent runs in this session. Without a
    // session bus there is no way to tell, and the agent runs.
    static bool claim();
};

} // namespace orvex
