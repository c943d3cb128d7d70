// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/FactoryProfiles.h"
#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"

#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

using namespace orvex;

TEST(FactoryProfiles, ShippedSourceGivesFiveDistinctUsableProfiles)
{
    const QList<FactoryProfile> profiles = FactoryProfiles::load();
    ASSERT_EQ(profiles.size(), 5);
    QSet<QString> names;
    for (int i = 0; i < profiles.size(); ++i) {
        const FactoryProfile &factory = profiles[i];
        EXPECT_EQ(factory.slot, i + 1);
        names.insert(factory.name);
        const ORVEX_PROFILE &p = factory.profile;
        // The left button clicks in every slot: a profile that loses it is unusable.
        EXPECT_EQ(p.btnInfo[LeftClick].FuncTableId, fwfunc::MouseButton);
        EXPECT_EQ(p.btnInfo[LeftClick].KeyBit[0], fwfunc::MouseLeft);
        for (const BTN_INFO &button : p.btnInfo)
            EXPECT_TRUE(FirmwareFunctionTable::isKnownClass(std::uint8_t(button.FuncTableId)));
        for (int s = 0; s < DpiStageCount; ++s)
            EXPECT_TRUE(p.xSensArr[s] >= 1 && p.xSensArr[s] <= 164);
    }
    EXPECT_EQ(names.size(), 5);
}

TEST(FactoryProfiles, BrokenSourcesAreRefusedWithAReason)
{
    QFile shipped(QStringLiteral(":/orvex/factory-profiles.json"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray good = shipped.readAll();
    QString error;
    ASSERT_EQ(FactoryProfiles::parse(good, &error).size(), 5);

    const std::pair<QByteArray, QByteArray> breakages[] = {
        {"\"key:ctrl+s\"", "\"key:ctrl+nosuchkey\""},
        {"\"rate\": 250", "\"rate\": 300"},
        {"[400, 400]", "[425, 400]"},
        {"\"Media\"", "\"A name that is far too long for the mouse\""},
        {"\"light-blue\", \"off\"", "\"teal\", \"off\""},
    };
    for (const auto &[from, to] : breakages) {
        QByteArray broken = good;
        ASSERT_TRUE(broken.contains(from)) << from.constData();
        broken.replace(from, to);
        error.clear();
        EXPECT_TRUE(FactoryProfiles::parse(broken, &error).isEmpty()) << to.constData();
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(FactoryProfiles::parse("not json", &error).isEmpty());
}

TEST(FirmwareFunctionTable, ParsesAndDescribesReadableNames)
{
    QString error;
    auto copy = FirmwareFunctionTable::parse(QStringLiteral("key:ctrl+c"), &error);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->functionClass, fwfunc::Keyboard);
    EXPECT_EQ(copy->params,
              (std::array<std::uint8_t, 4>{fwfunc::ModLeftControl, 0x06, 0xFF, 0xFF}));
    EXPECT_EQ(FirmwareFunctionTable::describe(*copy), QStringLiteral("Key: Left Ctrl+C"));

    auto back = FirmwareFunctionTable::parse(QStringLiteral("mouse:back"), &error);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->functionClass, 1);
    EXPECT_EQ(back->params[0], 8);

    auto volume = FirmwareFunctionTable::parse(QStringLiteral("media:volume-up"), &error);
    ASSERT_TRUE(volume);
    EXPECT_EQ(volume->params[0] | volume->params[1] << 8, fwfunc::MediaVolumeUp);

    EXPECT_FALSE(FirmwareFunctionTable::parse(QStringLiteral("key:a+b+c+d"), &error));
    EXPECT_FALSE(FirmwareFunctionTable::parse(QStringLiteral("dpi:sideways"), &error));
    EXPECT_FALSE(FirmwareFunctionTable::parse(QStringLiteral("macro"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("macro")));
}
