// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLineRecorder.h"

#include "AgentEventLog.h"

namespace orvex::test {

EventLineRecorder::EventLineRecorder()
{
    AgentEventLog::setSink([this](const QString &line) { m_lines << line; });
}

EventLineRecorder::~EventLineRecorder()
{
    AgentEventLog::setSink({});
}

QStringList EventLineRecorder::lines() const
{
    return m_lines;
}

QStringList EventLineRecorder::actions() const
{
    QStringList actions;
    for (const QString &line : m_lines) {
        if (!line.startsWith(QLatin1String("Daemon Rec")))
            actions << line;
    }
    return actions;
}

void EventLineRecorder::clear()
{
    m_lines.clear();
}

} // namespace orvex::test
