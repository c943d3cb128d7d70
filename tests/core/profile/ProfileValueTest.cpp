// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileValue.h"
#include "profile/FixedText.h"

#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include <unistd.h>

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

// Every field within range, so a load changes nothing.
ORVEX_PROFILE sampleProfile()
{
    ORVEX_PROFILE data{};
    for (orvex::BTN_INFO &button : data.btnInfo)
        button.btnType = 1;
    data.btnInfo[3].FuncTableId = 6;
    data.btnInfo[3].btnType = 2;
    data.btnInfo[3].MacroID = 7;
    std::strcpy(data.btnInfo[10].app_path, "/usr/share/applications/org.example.Editor.desktop");
    data.modeType = 1;
    for (int stage = 0; stage < orvex::DpiStageCount; ++stage) {
        data.xSensArr[stage] = std::uint32_t(8 * (stage + 1));
        data.ySensArr[stage] = std::uint32_t(8 * (stage + 1));
    }
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

TEST(ProfileValue, CarriedFieldsSurviveAndOnlyWholeRecordsLoad)
{
    const QString folder = orvex::test::freshFolder(QStringLiteral("pv"));
    ORVEX_CONFIG config{};
    config.setProfileId[4] = 0xDEADBEEF;
    config.padding0[1] = 0x5A;
    config.currProfileId = 77;
    config.padding1[2] = 0x33;
    std::strcpy(config.profileName, "Carried");
    config.profile = sampleProfile();
    config.profile.poRate = 2;
    const QByteArray image(reinterpret_cast<const char *>(&config), sizeof config);

    writeAll(folder + QStringLiteral("/full.pro"), image);
    auto full = ProfileValue::initWithPath(folder + QStringLiteral("/full.pro"));
    ASSERT_TRUE(full);
    ASSERT_TRUE(full->saveToPath(folder + QStringLiteral("/again.pro")));
    EXPECT_EQ(readAll(folder + QStringLiteral("/again.pro")), image);

    // A file of any other size, or none at all, is no profile.
    const QList<std::pair<QByteArray, QString>> refused = {
        {image.left(int(offsetof(ORVEX_CONFIG, profile)) + 8), QStringLiteral("308 bytes")},
        {QByteArray(), QStringLiteral("0 bytes")},
        {image + QByteArray("trailing"), QStringLiteral("3648 bytes")},
    };
    for (const auto &[bytes, reason] : refused) {
        writeAll(folder + QStringLiteral("/odd.pro"), bytes);
        QString refusal;
        EXPECT_FALSE(ProfileValue::initWithPath(folder + QStringLiteral("/odd.pro"), &refusal));
        EXPECT_TRUE(refusal.startsWith(reason)) << refusal.toStdString();
    }
    QString refusal;
    EXPECT_FALSE(ProfileValue::initWithPath(QString(), &refusal));
    EXPECT_FALSE(ProfileValue::initWithPath(folder + QStringLiteral("/missing.pro"), &refusal));
    EXPECT_EQ(refusal, QStringLiteral("no such file"));
    EXPECT_FALSE(ProfileValue::initWithPath(folder, &refusal)); // a folder is not a profile
    QFile::setPermissions(folder + QStringLiteral("/full.pro"), QFileDevice::Permissions());
    if (::geteuid() != 0) { // root reads any file
        EXPECT_FALSE(ProfileValue::initWithPath(folder + QStringLiteral("/full.pro"), &refusal));
        EXPECT_TRUE(refusal.startsWith(QStringLiteral("cannot be read"))) << refusal.toStdString();
    }
}

// Out-of-range values never reach the mouse: each comes back as the nearest
// valid one; a button type follows the button's function class.
TEST(ProfileValue, ValuesOutOfRangeAreClampedOnLoad)
{
    const QString path = orvex::test::freshFolder(QStringLiteral("pv")) + QStringLiteral("/x.pro");
    ORVEX_PROFILE data = sampleProfile();
    data.poRate = 9;
    data.liftHeight = 40;
    data.xSensArr[0] = 0;
    data.ySensArr[3] = 200;
    data.lightColorIndexArr[1] = 7;
    data.currSelectDPI = 12;
    data.btnInfo[3].btnType = 7; // a macro button
    data.btnInfo[5].btnType = 0;
    ProfileValue value;
    value.setName(QStringLiteral("Wild"));
    value.setProfileData(data);
    ASSERT_TRUE(value.saveToPath(path));

    const auto loaded = ProfileValue::initWithPath(path);
    ASSERT_TRUE(loaded);
    const ORVEX_PROFILE clamped = loaded->profileData();
    ORVEX_PROFILE expected = data; // and nothing else changed
    expected.poRate = 3;
    expected.liftHeight = 31;
    expected.xSensArr[0] = 1;
    expected.ySensArr[3] = 164;
    expected.lightColorIndexArr[1] = 6;
    expected.currSelectDPI = 3;
    expected.btnInfo[3].btnType = 2;
    expected.btnInfo[5].btnType = 1;
    EXPECT_EQ(std::memcmp(&expected, &clamped, sizeof expected), 0);
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
