// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// What the configuration application says about itself: in the About window,
// to the window system and on the session bus.
class ApplicationIdentity
{
public:
    // The name people see.
    static constexpr char DisplayName[] = "Orvex";
    // The program, as the agent starts it and AT-SPI lists it.
    static constexpr char ProgramName[] = "OrvexOption";
    static constexpr char Licence[] = "GPL-3.0-or-later";
    // The brand's web site, opened by the main view's web button and the menu.
    static constexpr char WebSite[] = "https://www.orvex-mouse.example";

    // The project version the build was made from ("0.1.0").
    static QString version();
};

} // namespace orvex
