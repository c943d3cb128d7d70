// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace orvex {

class MainView;

// The function-type buttons that change the selected button's record here,
// without a page: the default function and the application launcher. Every
// function change of the selected button (these, and the single-key and
// macro pages) is refused when it would take the last left click away.
class FunctionButtons
{
public:
    // FuncID of the left-click function.
    static constexpr std::uint32_t LeftClickFunction = 1;
    // A launcher's path is kept in 255 bytes of UTF-8 and a terminating zero.
    static constexpr int MaxLauncherPathBytes = 255;

    explicit FunctionButtons(MainView &view);

    // Whether hot-spot n (1..11) may get another function: always, unless it
    // is selected and holds the only left click of the profile.
    bool checkOnlyLeft(int hotSpot) const;
    // checkOnlyLeft() for the selected hot-spot; tells the user ("WarningNeedLeft")
    // when it answers false.
    bool checkOnlyLeftPro();
    // The selected button's record becomes its default.
    void resetBtnDefault();

    // The default-function button.
    void defaultPro();
    // The launcher button: a desktop entry or program chosen in a file panel.
    void showLaunchPro();
    // Makes the selected button start `path`. Refused, with a message, when
    // the path does not fit the record or the agent would not start it.
    bool assignLauncher(const QString &path);

private:
    MainView &m_view;
};

} // namespace orvex
