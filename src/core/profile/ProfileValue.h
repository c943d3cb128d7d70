// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace orvex {

// One stored profile in memory, and its profile file: the exact 3640-byte
// image of ORVEX_CONFIG.
class ProfileValue
{
public:
    ProfileValue();

    // Loads a profile file, which holds exactly one record. Nothing, with
    // *refusal set to why, when `path` is empty, no file is there, it cannot
    // be read or it is not exactly sizeof(ORVEX_CONFIG) bytes long. Fields
    // out of range are brought into it (ProfileRanges), each with a warning
    // naming the profile and the field.
    static std::shared_ptr<ProfileValue> initWithPath(const QString &path,
                                                      QString *refusal = nullptr);
    // Writes the profile file atomically (beside it, then renamed over it),
    // so a crash leaves either the old or the new file. Answers whether the
    // file was written; a failure is logged.
    bool saveToPath(const QString &path);
    // The file image saveToPath() writes.
    QByteArray fileImage();

    void setOSD(int value) { m_profileData.enableSrcDes = std::uint32_t(value); }
    void setProRate(int value) { m_profileData.poRate = std::uint32_t(value); }

    std::int64_t profileId() const { return m_profileId; }
    void setProfileId(std::int64_t id) { m_profileId = id; }
    std::int64_t currProfileId() const { return m_currProfileId; }
    void setCurrProfileId(std::int64_t id) { m_currProfileId = id; }
    bool isDefault() const { return m_isDefault; }
    void setIsDefault(bool isDefault) { m_isDefault = isDefault; }
    // Names longer than the 255 bytes a file holds are cut when saved.
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString pathName() const { return m_pathName; }
    void setPathName(const QString &pathName) { m_pathName = pathName; }
    // The file of the profile folder that holds this profile's last loaded or
    // saved state; empty while no file there holds it. Kept by the profile
    // controller, so that a save never replaces another profile's only copy.
    QString storedFileName() const { return m_storedFileName; }
    void setStoredFileName(const QString &fileName) { m_storedFileName = fileName; }
    ORVEX_PROFILE profileData() const { return m_profileData; }
    void setProfileData(const ORVEX_PROFILE &data) { m_profileData = data; }
    ORVEX_CONFIG configPro() const { return m_configPro; }
    void setConfigPro(const ORVEX_CONFIG &config) { m_configPro = config; }

    // Profile identifier bound to each firmware slot; read and written
    // directly by the profile controller.
    std::int64_t fwProfileID[FirmwareSlotCount] = {};

private:
    void stageConfig();

    std::int64_t m_profileId = 0;
    std::int64_t m_currProfileId = 0;
    bool m_isDefault = false;
    QString m_name;
    QString m_pathName;
    QString m_storedFileName;
    ORVEX_PROFILE m_profileData{};
    ORVEX_CONFIG m_configPro{};
};

using ProfileValuePtr = std::shared_ptr<ProfileValue>;

} // namespace orvex
