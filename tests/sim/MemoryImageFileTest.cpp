// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryImageFile.h"
#include "FactoryImage.h"

#include "TestEnvironment.h"

#include <QFile>

#include <gtest/gtest.h>

using orvex::sim::FactoryImage;
using orvex::sim::MemoryImageFile;

TEST(MemoryImageFile, MissingOrMisshapenFilesGiveTheFactoryImage)
{
    const QString folder = orvex::test::freshFolder(QStringLiteral("image"));
    const QByteArray factory = FactoryImage::build();
    EXPECT_EQ(MemoryImageFile(folder + QStringLiteral("/absent.bin")).loadOrFactory(), factory);

    for (const int size : {0, 0x3FFF, 0x4001}) {
        const QString path = folder + QStringLiteral("/size-%1.bin").arg(size);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, '\x7F'));
        file.close();
        EXPECT_EQ(MemoryImageFile(path).loadOrFactory(), factory) << size;
    }
}

TEST(MemoryImageFile, SavedImageIsLoadedBackByteForByte)
{
    const QString path = orvex::test::freshFolder(QStringLiteral("image")) +
                         QStringLiteral("/not/yet/there/virtual-mouse.bin");
    QByteArray image(0x4000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 7);
    ASSERT_TRUE(MemoryImageFile(path).save(image));
    EXPECT_EQ(MemoryImageFile(path).loadOrFactory(), image);
}

TEST(MemoryImageFile, DefaultLivesInTheUserDataFolder)
{
    EXPECT_EQ(MemoryImageFile::defaultPath(),
              qEnvironmentVariable("XDG_DATA_HOME") +
                  QStringLiteral("/com.kelto.orvexOption/virtual-mouse.bin"));
}
