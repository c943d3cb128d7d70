// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

namespace orvex {

// The agent draws only its own pictures and never takes text input, yet Qt
// would load the desktop's platform theme and input method for it: the GTK
// theme alone brings all of GTK (some 65 MB resident, and without an X
// display GTK ends the process), and an input method keeps a connection that
// can wake the agent. While this scope lives, the variables that choose them
// are hidden (the input method set to none); make the application object
// inside it. They are put back when it ends, so the programs the agent
// launches still get them. Together with
// QGuiApplication::setDesktopSettingsAware(false), which keeps Qt from
// choosing a theme after the desktop's name, Qt uses its plain built-in theme.
class PlainGuiScope
{
public:
    PlainGuiScope();
    ~PlainGuiScope();

    PlainGuiScope(const PlainGuiScope &) = delete;
    PlainGuiScope &operator=(const PlainGuiScope &) = delete;

private:
    struct Saved
    {
        const char *name;
        std::optional<QByteArray> value;
    };
    void hide(const char *name, const char *replacement);

    std::vector<Saved> m_saved;
};

} // namespace orvex
