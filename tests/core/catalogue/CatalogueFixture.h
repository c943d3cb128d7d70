// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <gtest/gtest.h>

namespace orvex::test {

// Each test gets an empty user data folder of its own and a catalogue in its
// initial state; the shipped resources stay where the build put them.
class CatalogueFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes MenuInfo.xml into the user data folder.
    void writeMenuInfo(const QByteArray &contents);
    QByteArray readMenuInfo() const;
    QString menuInfoPath() const;

    QString m_dataHome;
};

} // namespace orvex::test
