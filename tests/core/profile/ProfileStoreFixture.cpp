// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileStoreFixture.h"

#include "OrvexAction.h"
#include "TestEnvironment.h"
#include "platform/ResourceFolder.h"
#include "profile/DefaultProfileFiles.h"
#include "profile/FactoryProfiles.h"
#include "profile/ProfileRanges.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstdlib>

namespace orvex::test {

namespace {
constexpr std::uint32_t TestFunctionIdBase = 1000;

void pointXdgAt(const char *variable, const QString &folder)
{
    setenv(variable, QFile::encodeName(folder).constData(), 1);
}
} // namespace

void ProfileStoreTest::SetUp()
{
    OrvexAction::resetState();
    pointXdgAt("XDG_DATA_HOME", freshFolder(QStringLiteral("data")));
    pointXdgAt("XDG_CONFIG_HOME", freshFolder(QStringLiteral("config")));
    m_resources = freshFolder(QStringLiteral("resources"));
    for (const FactoryProfile &factory : FactoryProfiles::load()) {
        std::uint32_t button = 0;
        const auto lookup = [&button](const BTN_INFO &) {
            return std::optional<std::uint32_t>(TestFunctionIdBase + button++);
        };
        QString error;
        const ProfileValuePtr profile = DefaultProfileFiles::build(factory, lookup, &error);
        ASSERT_TRUE(profile) << error.toStdString();
        ASSERT_TRUE(profile->saveToPath(m_resources + QLatin1Char('/') +
                                        DefaultProfileFiles::fileName(factory.slot)));
    }
    ResourceFolder::setOverride(m_resources);
}

void ProfileStoreTest::TearDown()
{
    ResourceFolder::setOverride({});
    OrvexAction::resetState();
}

ProfieController &ProfileStoreTest::controller()
{
    return *OrvexAction::getShareProCon();
}

QString ProfileStoreTest::profileFolder() const
{
    return UserDataFolder::dataHome() + QStringLiteral("/com.kelto.orvexOption/Profiles");
}

QStringList ProfileStoreTest::profileFiles() const
{
    return QDir(profileFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList ProfileStoreTest::listedNames()
{
    QStringList names;
    for (const ProfileValuePtr &profile : controller().profileArr)
        names.append(profile->name());
    return names;
}

QStringList ProfileStoreTest::factoryNames()
{
    QStringList names;
    for (const FactoryProfile &factory : FactoryProfiles::load())
        names.append(factory.name);
    return names;
}

QString ProfileStoreTest::writeProfileFile(const QString &folder, const QString &fileName,
                                           const QString &name, std::int64_t id, bool isDefault)
{
    ProfileValue profile;
    profile.setName(name);
    profile.setProfileId(id);
    profile.setIsDefault(isDefault);
    profile.setProfileData(markedProfile(std::uint32_t(id)));
    const QString path = folder + QLatin1Char('/') + fileName;
    EXPECT_TRUE(profile.saveToPath(path));
    return path;
}

ORVEX_PROFILE markedProfile(std::uint32_t mark)
{
    ORVEX_PROFILE data{};
    for (BTN_INFO &button : data.btnInfo)
        button.btnType = ProfileRanges::MinButtonType;
    std::fill(std::begin(data.xSensArr), std::end(data.xSensArr), ProfileRanges::MinDpiValue);
    std::fill(std::begin(data.ySensArr), std::end(data.ySensArr), ProfileRanges::MinDpiValue);
    data.btnInfo[0].FuncID = mark;
    data.btnInfo[ButtonCount - 1].KeyBit[3] = mark;
    data.modeType = mark;
    data.xSensArr[0] = ProfileRanges::MinDpiValue + mark % ProfileRanges::MaxDpiValue;
    data.liftHeight = mark % (ProfileRanges::MaxLiftHeight + 1);
    return data;
}

} // namespace orvex::test
