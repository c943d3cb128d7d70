// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

#include <QList>
#include <QString>

namespace orvex {

// One factory profile: what a new mouse holds in an onboard slot, and what
// the shipped default profile of that slot contains.
struct FactoryProfile
{
    int slot = 0; // 1..5
    QString name; // ASCII, at most 32 characters: it is also the name on the mouse
    // Buttons carry FuncTableId, KeyBit[0..3] and btnType; lighting, DPI
    // stages, active stage, report rate and lift-off are filled in.
    ORVEX_PROFILE profile{};
};

// The readable source of the factory profiles (resources/factory-profiles.json,
// compiled into the core).
class FactoryProfiles
{
public:
    // The five profiles in slot order; logs and answers an empty list when
    // the source is broken (a build-time fault, caught by the tests).
    static QList<FactoryProfile> load();
    // Parses a source document; on failure answers an empty list and sets *error.
    static QList<FactoryProfile> parse(const QByteArray &json, QString *error);
};

} // namespace orvex
