// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileValue.h"

#include "platform/WexLogger.h"
#include "profile/FixedText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace orvex {

ProfileValue::ProfileValue() = default;

std::shared_ptr<ProfileValue> ProfileValue::initWithPath(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return nullptr;
    auto value = std::make_shared<ProfileValue>();
    value->m_pathName = QFileInfo(path).fileName();

    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(sizeof(ORVEX_CONFIG));
        std::memcpy(&value->m_configPro, bytes.constData(), std::size_t(bytes.size()));
    } else {
        ORVEX_WARNING(QStringLiteral("cannot read profile %1: %2").arg(path, file.errorString()));
    }

    const ORVEX_CONFIG &config = value->m_configPro;
    value->m_isDefault = config.isDefault != 0;
    value->m_profileId = std::int64_t(config.profileId);
    value->m_name = FixedText::load(config.profileName, sizeof(config.profileName));
    std::copy(std::begin(config.fwProfileID), std::end(config.fwProfileID),
              std::begin(value->fwProfileID));
    value->m_profileData = config.profile;
    return value;
}

void ProfileValue::stageConfig()
{
    m_configPro.profileId = std::uint64_t(m_profileId);
    m_configPro.profile = m_profileData;
    m_configPro.isDefault = m_isDefault ? 1 : 0;
    std::copy(std::begin(fwProfileID), std::end(fwProfileID), std::begin(m_configPro.fwProfileID));
    if (FixedText::store(m_configPro.profileName, sizeof(m_configPro.profileName), m_name))
        ORVEX_WARNING(QStringLiteral("profile name cut to %1 bytes: %2")
                          .arg(sizeof(m_configPro.profileName) - 1)
                          .arg(m_name));
}

QByteArray ProfileValue::fileImage()
{
    stageConfig();
    return QByteArray(reinterpret_cast<const char *>(&m_configPro), sizeof(m_configPro));
}

bool ProfileValue::saveToPath(const QString &path)
{
    const QByteArray image = fileImage();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit()) {
        ORVEX_WARNING(QStringLiteral("cannot write profile %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace orvex
