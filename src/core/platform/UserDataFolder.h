// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// The configuration application's identifier; names the data folder, the
// preferences file and the application's bus name.
inline constexpr char ApplicationIdentifier[] = "com.kelto.orvexOption";

// The user data folder both programs share:
// $XDG_DATA_HOME/com.kelto.orvexOption (default ~/.local/share/com.kelto.orvexOption).
class UserDataFolder
{
public:
    // Sets sysPath, logs it and creates the folder with any missing parents.
    // Answers the path.
    static QString getSysPath();
    // The folder set by getSysPath(); empty before the first call.
    static QString sysPath();
    // Forgets sysPath, so the next getSysPath() reads the environment again.
    static void resetState();

    // The base folder for user data: $XDG_DATA_HOME, else ~/.local/share.
    static QString dataHome();
};

} // namespace orvex
