// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceSelector.h"
#include "device/VirtualMouseProtocol.h"

#include <gtest/gtest.h>

#include <cstdlib>

using orvex::DeviceSelector;

TEST(DeviceSelector, AcceptsTheThreeFormsAndNamesThemOnError)
{
    QString error;
    auto hid = DeviceSelector::parse(QStringLiteral("hid"), &error);
    ASSERT_TRUE(hid);
    EXPECT_EQ(hid->kind(), DeviceSelector::Kind::Hid);

    auto sim = DeviceSelector::parse(QStringLiteral("sim"), &error);
    ASSERT_TRUE(sim);
    EXPECT_EQ(sim->socketPath(), orvex::vmouse::defaultSocketPath());

    auto path = DeviceSelector::parse(QStringLiteral("sim:/tmp/x y.sock"), &error);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->socketPath(), QStringLiteral("/tmp/x y.sock"));

    for (const char *bad : {"usb", "sim:", "SIM", "", "hid:"}) {
        error.clear();
        EXPECT_FALSE(DeviceSelector::parse(QString::fromLatin1(bad), &error)) << bad;
        EXPECT_TRUE(error.contains(QStringLiteral("sim:PATH"))) << error.toStdString();
    }
}

TEST(DeviceSelector, OptionWinsOverEnvironment)
{
    setenv("ORVEX_DEVICE", "sim:/from/env", 1);
    DeviceSelector::setProcessOption(QString());
    QString error;
    EXPECT_EQ(DeviceSelector::current(&error)->socketPath(), QStringLiteral("/from/env"));
    DeviceSelector::setProcessOption(QStringLiteral("hid"));
    EXPECT_EQ(DeviceSelector::current(&error)->kind(), DeviceSelector::Kind::Hid);
    DeviceSelector::setProcessOption(QString());
    setenv("ORVEX_DEVICE", "bogus", 1);
    EXPECT_FALSE(DeviceSelector::current(&error));
    unsetenv("ORVEX_DEVICE");
    EXPECT_EQ(DeviceSelector::current(&error)->kind(), DeviceSelector::Kind::Hid);
}

TEST(VirtualMouseProtocol, DefaultSocketLivesInTheRuntimeFolder)
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(orvex::vmouse::defaultSocketPath().startsWith(QString::fromLocal8Bit(saved)));
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(
        orvex::vmouse::defaultSocketPath().startsWith(QStringLiteral("/tmp/orvex-virtual-mouse-")));
    setenv("XDG_RUNTIME_DIR", saved.constData(), 1);
}
