// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileValue.h"

#include "platform/WexLogger.h"
#include "profile/FixedText.h"
#include "profile/ProfileRanges.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>
#include <optional>

namespace orvex {

ProfileValue::ProfileValue() = default;

namespace {

// The whole record, or nothing with *refusal set. One byte more than a record
// is read, so a longer file is told from an exact one whatever its size.
std::optional<QByteArray> readRecord(const QString &path, QString *refusal)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *refusal = QStringLiteral("no such file");
        return std::nullopt;
    }
    if (!info.isFile()) {
        *refusal = QStringLiteral("not a file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *refusal = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(qint64(sizeof(ORVEX_CONFIG)) + 1);
    if (bytes.size() != qsizetype(sizeof(ORVEX_CONFIG))) {
        *refusal = QStringLiteral("%1 bytes, a profile file has exactly %2")
                       .arg(std::max(file.size(), qint64(bytes.size())))
                       .arg(sizeof(ORVEX_CONFIG));
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::shared_ptr<ProfileValue> ProfileValue::initWithPath(const QString &path, QString *refusal)
{
    QString unused;
    QString &why = refusal ? *refusal : unused;
    why.clear();
    if (path.isEmpty()) {
        why = QStringLiteral("no path");
        return nullptr;
    }
    const std::optional<QByteArray> bytes = readRecord(path, &why);
    if (!bytes)
        return nullptr;

    auto value = std::make_shared<ProfileValue>();
    value->m_pathName = QFileInfo(path).fileName();
    std::memcpy(&value->m_configPro, bytes->constData(), sizeof(ORVEX_CONFIG));
    const ORVEX_CONFIG &config = value->m_configPro;
    value->m_isDefault = config.isDefault != 0;
    value->m_profileId = std::int64_t(config.profileId);
    value->m_name = FixedText::load(config.profileName, sizeof(config.profileName));
    std::copy(std::begin(config.fwProfileID), std::end(config.fwProfileID),
              std::begin(value->fwProfileID));
    value->m_profileData = config.profile;
    for (const QString &note : ProfileRanges::clamp(value->m_profileData))
        ORVEX_WARNING(QStringLiteral("profile \"%1\": %2").arg(value->m_name, note));
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
