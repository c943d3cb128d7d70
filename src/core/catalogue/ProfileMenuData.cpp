// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/ProfileMenuData.h"

#include "profile/ProfileValue.h"

namespace orvex {

std::shared_ptr<ProfileMenuData>
ProfileMenuData::initWithProfileValue(const std::shared_ptr<ProfileValue> &profile)
{
    auto entry = std::make_shared<ProfileMenuData>();
    entry->profileData = profile;
    if (profile) {
        entry->setTitleStr(profile->name());
        entry->profileId = profile->profileId();
    }
    return entry;
}

} // namespace orvex
