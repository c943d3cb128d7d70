// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyCodeTable.h"

#include <gtest/gtest.h>

#include <QString>

#include <string>

namespace orvex {
namespace {

using Key = KeyCodeTable::Key;

// Every column identifies its row, so each lookup leads back to the row
// itself; a duplicated code or name would answer another row. Names end up
// in files and on command lines as "ctrl+shift+z", so they hold no '+'.
TEST(KeyCodeTableTest, EveryColumnAndNameLeadsBackToItsRow)
{
    for (const Key &key : KeyCodeTable::all()) {
        SCOPED_TRACE(std::string(key.name));
        EXPECT_EQ(KeyCodeTable::byUsage(key.usage), &key);
        EXPECT_EQ(KeyCodeTable::byEvdev(key.evdev), &key);
        EXPECT_EQ(KeyCodeTable::byMacVirtualKey(key.macVirtualKey), &key);
        EXPECT_EQ(KeyCodeTable::byName(QString::fromLatin1(key.name)), &key);
        EXPECT_EQ(key.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789"),
                  std::string_view::npos);
        EXPECT_FALSE(key.displayName.empty());
    }
}

// Usage, evdev code, macOS code. Letters and digits bracket their ranges;
// "=" and the ISO key are easy to confuse with keypad "+" and "a" (code 0).
TEST(KeyCodeTableTest, SpotValues)
{
    struct Row
    {
        const char16_t *name;
        int usage, evdev, mac;
    };
    const Row rows[] = {
        {u"a", 0x04, 30, 0},
        {u"z", 0x1D, 44, 6},
        {u"1", 0x1E, 2, 18},
        {u"0", 0x27, 11, 29},
        {u"equal", 0x2E, 13, 24},
        {u"kpplus", 0x57, 78, 69},
        {u"intlbackslash", 0x64, 86, 10},
        {u"f11", 0x44, 87, 103},
        {u"up", 0x52, 103, 126},
        {u"ctrl", 0xE0, 29, 59},
        {u"shift", 0xE1, 42, 56},
        {u"alt", 0xE2, 56, 58},
        {u"gui", 0xE3, 125, 55},
        {u"rctrl", 0xE4, 97, 62},
        {u"rshift", 0xE5, 54, 60},
        {u"ralt", 0xE6, 100, 61},
        {u"rgui", 0xE7, 126, 54},
    };
    for (const Row &row : rows) {
        const Key *key = KeyCodeTable::byName(QStringView(row.name));
        ASSERT_NE(key, nullptr) << QString::fromUtf16(row.name).toStdString();
        SCOPED_TRACE(std::string(key->name));
        EXPECT_EQ(key->usage, row.usage);
        EXPECT_EQ(key->evdev, row.evdev);
        EXPECT_EQ(key->macVirtualKey, row.mac);
    }
    EXPECT_EQ(KeyCodeTable::byName(u"pageup")->displayName, "Page Up");
}

TEST(KeyCodeTableTest, NameLookupIgnoresCaseAcceptsCommonSpellingsAndRejectsTheRest)
{
    EXPECT_EQ(KeyCodeTable::byName(u"F1"), KeyCodeTable::byName(u"f1"));
    EXPECT_EQ(KeyCodeTable::byName(u"PageDown"), KeyCodeTable::byName(u"pagedown"));
    EXPECT_EQ(KeyCodeTable::byName(u"Esc"), KeyCodeTable::byName(u"escape"));
    EXPECT_EQ(KeyCodeTable::byName(u"return"), KeyCodeTable::byName(u"enter"));
    EXPECT_EQ(KeyCodeTable::byName(u"super"), KeyCodeTable::byName(u"gui"));
    for (const char16_t *name : {u"", u"ctrl+z", u"f25", u"kp", u" a"})
        EXPECT_EQ(KeyCodeTable::byName(QStringView(name)), nullptr);
    EXPECT_EQ(KeyCodeTable::byUsage(0x46), nullptr); // print screen: no macOS code
    EXPECT_EQ(KeyCodeTable::byEvdev(0), nullptr);
    EXPECT_EQ(KeyCodeTable::byMacVirtualKey(0xFF), nullptr);
}

} // namespace
} // namespace orvex
