// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/FactoryProfiles.h"
#include "profile/ProfileValue.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace orvex {

// The five default profiles shipped among the resources as Default1.pro ..
// Default5.pro: ordinary profile files with isDefault set, one per onboard
// slot, made at build time from the factory profiles.
class DefaultProfileFiles
{
public:
    static constexpr char FileNamePrefix[] = "Default";

    // The desktop's values before the first run copies the real ones in,
    // on the 1..10 scale of the system mouse preferences.
    static constexpr std::uint32_t InitialAcceleration = 5;
    static constexpr std::uint32_t InitialScrollSpeed = 5;
    static constexpr std::uint32_t InitialDoubleClickSpeed = 7;

    // "Default<slot>.pro" for slot 1..5.
    static QString fileName(int slot);
    // Whether a file name is one of the five.
    static bool isDefaultFileName(const QString &fileName);

    // The shipped files in slot order, a null entry for each that cannot be
    // loaded (logged).
    static QList<ProfileValuePtr> loadShipped();

    // The function identifier shown to the user for a button's firmware
    // function (the catalogue's entry); nothing when it has none.
    using FunctionIdLookup = std::function<std::optional<std::uint32_t>(const BTN_INFO &)>;

    // The default profile of a factory profile: identifier = slot,
    // isDefault, the factory name and settings, FuncID of every button from
    // `lookup`, the on-screen display on, and the slot table binding slot n
    // to profile n. Nothing, with *error set, when a button's function has
    // no identifier.
    static ProfileValuePtr build(const FactoryProfile &factory, const FunctionIdLookup &lookup,
                                 QString *error);
};

} // namespace orvex
