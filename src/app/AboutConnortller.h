// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

class WexNoTitleWindow;

// The About window's controller: one per process. Each showing builds the
// window (name, version, licence, web site) and runs it modally; closing it
// ends the run.
class AboutConnortller
{
public:
    static AboutConnortller *shareAboutController();

    // Shows the About window and returns when it closes.
    void showModal();
    // The window while it is shown; null otherwise.
    WexNoTitleWindow *window() const { return m_window; }

private:
    AboutConnortller() = default;

    WexNoTitleWindow *m_window = nullptr;
};

} // namespace orvex
