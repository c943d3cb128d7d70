// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessState.h"

#include <vector>

namespace orvex {

namespace {

struct Holder
{
    const char *name;
    ProcessState::Reset reset;
};

// Made on first use: holders register from the static initialisers of their
// files, whose order across files is unspecified.
std::vector<Holder> &registered()
{
    static std::vector<Holder> holders;
    return holders;
}

} // namespace

bool ProcessState::add(const char *holder, Reset reset)
{
    registered().push_back({holder, reset});
    return true;
}

void ProcessState::resetAll()
{
    for (const Holder &holder : registered())
        holder.reset();
}

QStringList ProcessState::holders()
{
    QStringList names;
    for (const Holder &holder : registered())
        names << QString::fromLatin1(holder.name);
    return names;
}

} // namespace orvex
