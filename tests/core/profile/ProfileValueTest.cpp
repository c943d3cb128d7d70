// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileValue.h"
#include "profile/FixedText.h"

#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

using orvex::ORVEX_CONFIG;
using orvex::ORVEX_PROFILE;
using orvex::ProfileValue;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ORVEX_PROFILE sampleProfile()
{
    ORVEX_PROFILE data{};
    data.btnInfo[3].FuncTableId = 6;
    data.btnInfo[3].MacroID = 7;
    std::strcpy(data.btnInfo[10].app_path, "/usr/share/applications/org.example.Editor.desktop");
    data.modeType = 1;
    data.xSensArr[2] = 164;
    data.liftHeight = 25;
    return data;
}

} // namespace

TEST(ProfileValue, SaveAndLoadRoundTripTheExactImage)
{
    const QString path = orvex::test::freshFolder(QStringLiteral("pv")) + QStringLiteral("/a.pro");
    ProfileValue original;
    original.setProfileId(3);
    original.setIsDefault(true);
    original.setName(QStringLiteral("Jeu préféré"));
    original.setProfileData(sampleProfile());
    original.fwProfileID[2] = 3;
    original.setCurrProfileId(9);
    ASSERT_TRUE(original.saveToPath(path));

    const QByteArray first = readAll(path);
    ASSERT_EQ(first.size(), 3640);
    EXPECT_EQ(std::uint8_t(first[24]), 3); // profileId, little-endian at 24
    EXPECT_EQ(first[40], 1);               // isDefault
    EXPECT_EQ(first.mid(41, 14), QStringLiteral("Jeu préféré").toUtf8());
    EXPECT_EQ(std::uint8_t(first[3600 + 2 * 8]), 3); // fwProfileID[2]
    EXPECT_EQ(std::uint8_t(first[32]), 0);           // currProfileId is not written

    auto loaded = ProfileValue::initWithPath(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->profileId(), 3);
    EXPECT_TRUE(loaded->isDefault());
    EXPECT_EQ(loaded->name(), QStringLiteral("Jeu préféré"));
    EXPECT_EQ(loaded->pathName(), QStringLiteral("a.pro"));
    EXPECT_EQ(loaded->fwProfileID[2], 3);
    EXPECT_EQ(loaded->currProfileId(), 0);
    const ORVEX_PROFILE expected = sampleProfile();
    const ORVEX_PROFILE actual = loaded->profileData();
    EXPECT_EQ(std::memcmp(&expected, &actual, sizeof expected), 0);

    ASSERT_TRUE(loaded->saveToPath(path));
    EXPECT_EQ(readAll(path), first);
}

TEST(ProfileValue, CarriedFieldsSurviveAndShortFilesLoadWithZeroTail)
{
    const QString folder = orvex::test::freshFolder(QStringLiteral("pv"));
    ORVEX_CONFIG config{};
    config.setProfileId[4] = 0xDEADBEEF;
    config.padding0[1] = 0x5A;
    config.currProfileId = 77;
    config.padding1[2] = 0x33;
    std::strcpy(config.profileName, "Carried");
    config.profile.poRate = 2;
    const QByteArray image(reinterpret_cast<const char *>(&config), sizeof config);

    writeAll(folder + QStringLiteral("/full.pro"), image + QByteArray("trailing bytes"));
    auto full = ProfileValue::initWithPath(folder + QStringLiteral("/full.pro"));
    ASSERT_TRUE(full);
    ASSERT_TRUE(full->saveToPath(folder + QStringLiteral("/again.pro")));
    EXPECT_EQ(readAll(folder + QStringLiteral("/again.pro")), image);

    writeAll(folder + QStringLiteral("/short.pro"),
             image.left(int(offsetof(ORVEX_CONFIG, profile)) + 8));
    auto shortFile = ProfileValue::initWithPath(folder + QStringLiteral("/short.pro"));
    ASSERT_TRUE(shortFile);
    EXPECT_EQ(shortFile->name(), QStringLiteral("Carried"));
    EXPECT_EQ(shortFile->profileData().poRate, 0u);

    writeAll(folder + QStringLiteral("/empty.pro"), QByteArray());
    auto empty = ProfileValue::initWithPath(folder + QStringLiteral("/empty.pro"));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->profileId(), 0);
    EXPECT_TRUE(empty->name().isEmpty());

    EXPECT_FALSE(ProfileValue::initWithPath(QString()));
    EXPECT_FALSE(ProfileValue::initWithPath(folder + QStringLiteral("/missing.pro")));
    EXPECT_FALSE(ProfileValue::initWithPath(folder)); // a folder is not a profile
}

TEST(ProfileValue, LongNamesAreCutAtACharacterBoundaryAndAlwaysTerminated)
{
    const QString folder = orvex::test::freshFolder(QStringLiteral("pv"));
    ProfileValue value;
    value.setName(QString(255, QLatin1Char('n')));
    ASSERT_TRUE(value.saveToPath(folder + QStringLiteral("/255.pro")));
    EXPECT_EQ(ProfileValue::initWithPath(folder + QStringLiteral("/255.pro"))->name().size(), 255);

    // 127 two-byte characters plus one more do not fit: the last one is
    // dropped whole, never split, and nothing spills past the name area.
    value.setName(QString(128, QChar(0x00E9)));
    value.setProfileData(sampleProfile());
    ASSERT_TRUE(value.saveToPath(folder + QStringLiteral("/cut.pro")));
    const QByteArray bytes = readAll(folder + QStringLiteral("/cut.pro"));
    EXPECT_EQ(bytes[41 + 254], '\0');
    EXPECT_EQ(bytes[41 + 255], '\0');
    auto loaded = ProfileValue::initWithPath(folder + QStringLiteral("/cut.pro"));
    EXPECT_EQ(loaded->name(), QString(127, QChar(0x00E9)));
    EXPECT_EQ(loaded->profileData().btnInfo[3].MacroID, 7u);

    char area[4];
    EXPECT_TRUE(orvex::FixedText::store(area, sizeof area, QStringLiteral("a€"))); // 1 + 3 bytes
    EXPECT_STREQ(area, "a");
}

TEST(ProfileValue, OsdAndRateTouchOnlyTheirFields)
{
    ProfileValue value;
    value.setProfileData(sampleProfile());
    const ORVEX_PROFILE before = value.profileData();
    value.setOSD(1);
    value.setProRate(3);
    const ORVEX_PROFILE after = value.profileData();
    const auto *a = reinterpret_cast<const unsigned char *>(&before);
    const auto *b = reinterpret_cast<const unsigned char *>(&after);
    for (std::size_t i = 0; i < sizeof before; ++i) {
        if (i >= 3288 && i < 3296)
            continue;
        ASSERT_EQ(a[i], b[i]) << "offset " << i;
    }
    EXPECT_EQ(after.enableSrcDes, 1u);
    EXPECT_EQ(after.poRate, 3u);
}

TEST(ProfileValue, SaveFailureIsReportedAndLeavesNoFile)
{
    ProfileValue value;
    EXPECT_FALSE(value.saveToPath(orvex::test::freshFolder(QStringLiteral("pv")) +
                                  QStringLiteral("/no/such/folder/x.pro")));
}
