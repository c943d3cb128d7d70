// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace orvex::test {

// Collects the agent's event lines (OSD, LAUNCH, STATUS, Daemon Rec) while
// it exists, instead of writing them to stderr.
class EventLineRecorder
{
public:
    EventLineRecorder();
    ~EventLineRecorder();
    EventLineRecorder(const EventLineRecorder &) = delete;
    EventLineRecorder &operator=(const EventLineRecorder &) = delete;

    // Every line, in order.
    QStringList lines() const;
    // The lines that report what the agent did: OSD, LAUNCH and STATUS.
    QStringList actions() const;
    void clear();

private:
    QStringList m_lines;
};

} // namespace orvex::test
