// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceSelector.h"
#include "device/VirtualMouseProtocol.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <unistd.h>

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

// Without a runtime folder the socket goes to a folder of this user's own in
// /tmp, never straight into /tmp where another user could take its name.
TEST(VirtualMouseProtocol, DefaultSocketLivesInTheRuntimeFolderOrAPrivateTmpFolder)
{
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(orvex::vmouse::defaultSocketPath(),
              QString::fromLocal8Bit(saved) + QStringLiteral("/orvex-virtual-mouse.sock"));
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(orvex::vmouse::defaultSocketPath(),
              QStringLiteral("/tmp/orvex-%1/orvex-virtual-mouse.sock").arg(getuid()));
    setenv("XDG_RUNTIME_DIR", saved.constData(), 1);
}
