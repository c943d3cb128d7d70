// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

#include <gtest/gtest.h>

namespace orvex::test {

// Runs each test with no locale variables set, in a user data folder of its
// own, without a shared tooltip manager; restores the locale afterwards.
class LanguageEnvironment : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets LANG (the other locale variables stay unset).
    static void setLanguage(const char *locale);
    // Writes Tooltip.xml into the user data folder.
    static void writeTooltips(const QByteArray &xml);

private:
    QList<QByteArray> m_saved;
};

} // namespace orvex::test
