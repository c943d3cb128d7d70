// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WexMenuData.h"

#include <cstdint>
#include <memory>

namespace orvex {

class ProfileValue;

// An entry of a profile pick list: a stored profile under its name.
class ProfileMenuData : public WexMenuData
{
public:
    // Caption = the profile's name, profileId = its identifier, profileData =
    // the profile itself (shared). A null profile gives an empty entry.
    static std::shared_ptr<ProfileMenuData>
    initWithProfileValue(const std::shared_ptr<ProfileValue> &profile);

    std::int64_t profileId = 0;
    std::shared_ptr<ProfileValue> profileData;
};

} // namespace orvex
