// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

// One agent per login session. A session starts it either from the XDG
// autostart entry or, when run by systemd, from the user unit, but a session
// that runs the entry itself and still reaches graphical-session.target, or
// a person starting it by hand, makes a second; two agents would launch
// every application twice and fight over the display. The first agent owns
// the bus name BusName, a later one sees it taken and leaves (status 0, so
// the unit does not restart it).
class AgentInstance
{
public:
    static constexpr char BusName[] = "com.kelto.orvexDaemon";

    // Answers false when another agent runs in this session. Without a
    // session bus there is no way to tell, and the agent runs.
    static bool claim();
};

} // namespace orvex
