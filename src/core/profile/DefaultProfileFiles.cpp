// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/DefaultProfileFiles.h"

#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"
#include "platform/ResourceFolder.h"
#include "platform/WexLogger.h"
#include "profile/ProfileFileNames.h"

namespace orvex {

namespace {
constexpr std::uint32_t OnScreenDisplayOn = 1;

} // namespace

QString DefaultProfileFiles::fileName(int slot)
{
    return QStringLiteral("%1%2.%3")
        .arg(QLatin1String(FileNamePrefix))
        .arg(slot)
        .arg(QLatin1String(ProfileFileNames::Extension));
}

bool DefaultProfileFiles::isDefaultFileName(const QString &name)
{
    for (int slot = 1; slot <= FirmwareSlotCount; ++slot) {
        if (name == fileName(slot))
            return true;
    }
    return false;
}

QList<ProfileValuePtr> DefaultProfileFiles::loadShipped()
{
    QList<ProfileValuePtr> defaults;
    for (int slot = 1; slot <= FirmwareSlotCount; ++slot) {
        const QString path = ResourceFolder::filePath(fileName(slot));
        ProfileValuePtr profile = ProfileValue::initWithPath(path);
        if (!profile)
            ORVEX_WARNING(QStringLiteral("default profile %1 is missing (resources: '%2')")
                              .arg(fileName(slot), ResourceFolder::path()));
        defaults.append(profile);
    }
    return defaults;
}

ProfileValuePtr DefaultProfileFiles::build(const FactoryProfile &factory,
                                           const FunctionIdLookup &lookup, QString *error)
{
    ORVEX_PROFILE data = factory.profile;
    for (BTN_INFO &button : data.btnInfo) {
        const std::optional<std::uint32_t> id = lookup(button);
        if (!id) {
            if (error)
                *error =
                    QStringLiteral("%1: no catalogue entry for %2")
                        .arg(factory.name,
                             FirmwareFunctionTable::describe(MemoryMap::firmwareFunction(button)));
            return nullptr;
        }
        button.FuncID = *id;
    }
    data.enableSrcDes = OnScreenDisplayOn;
    data.acceler = InitialAcceleration;
    data.srcSpeed = InitialScrollSpeed;
    data.doubleSpeed = InitialDoubleClickSpeed;

    auto profile = std::make_shared<ProfileValue>();
    profile->setProfileId(factory.slot);
    profile->setIsDefault(true);
    profile->setName(factory.name);
    profile->setProfileData(data);
    for (int slot = 0; slot < FirmwareSlotCount; ++slot)
        profile->fwProfileID[slot] = slot + 1;
    return profile;
}

} // namespace orvex
