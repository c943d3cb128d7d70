// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex::ctl {

// Shows a long transfer's progress on one terminal line of stderr
// ("Reading slot 2: 40 of 71 bytes"); shows nothing when stderr is not a
// terminal, so scripts and pipes see only results.
class ProgressLine
{
public:
    ProgressLine();
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

private:
    static void show(int done, int total, const QString &stage);
    bool m_enabled;
};

} // namespace orvex::ctl
