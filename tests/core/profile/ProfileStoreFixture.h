// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfieController.h"
#include "profile/ProfileValue.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace orvex::test {

// A profile store of its own for every test: fresh data and configuration
// folders, the five factory defaults (FuncID = 1000 + button index, so the
// tests need no catalogue) in a resource folder of their own, and clean
// process-wide state.
class ProfileStoreTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The shared controller, made on first use from the folders above.
    ProfieController &controller();
    QString profileFolder() const;
    // The resource folder holding Default1.pro .. Default5.pro.
    QString resourceFolder() const { return m_resources; }
    // File names in the profile folder, sorted.
    QStringList profileFiles() const;
    // Names of the listed profiles, in list order.
    QStringList listedNames();

    // The factory profile names in slot order.
    static QStringList factoryNames();
    // A user profile file written into `folder`; answers its path.
    static QString writeProfileFile(const QString &folder, const QString &fileName,
                                    const QString &name, std::int64_t id, bool isDefault = false);

private:
    QString m_resources;
};

// The working record with one recognisable value in every part, every
// field within the range a file may hold (liftHeight is mark % 32).
ORVEX_PROFILE markedProfile(std::uint32_t mark);

} // namespace orvex::test
