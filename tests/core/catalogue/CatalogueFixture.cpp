// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFixture.h"

#include "OrvexAction.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace orvex::test {

void CatalogueFixture::SetUp()
{
    m_dataHome = freshFolder(QStringLiteral("catalogue"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dataHome));
    OrvexAction::resetState();
}

void CatalogueFixture::TearDown()
{
    OrvexAction::resetState();
}

QString CatalogueFixture::menuInfoPath() const
{
    return OrvexAction::menuInfoPath();
}

void CatalogueFixture::writeMenuInfo(const QByteArray &contents)
{
    const QString path = menuInfoPath();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray CatalogueFixture::readMenuInfo() const
{
    QFile file(menuInfoPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace orvex::test
