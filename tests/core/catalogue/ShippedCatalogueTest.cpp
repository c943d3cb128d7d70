// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped MenuInfo.xml against the firmware function table, the key
// table and the factory profiles that are written against it.
#include "CatalogueFixture.h"

#include "OrvexAction.h"
#include "device/FirmwareFunctionTable.h"
#include "platform/KeyCodeTable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace orvex::test {
namespace {

class ShippedCatalogueTest : public CatalogueFixture
{
protected:
    void SetUp() override
    {
        CatalogueFixture::SetUp();
        OrvexAction::initMenuList();
        ASSERT_TRUE(OrvexAction::singleMenuNode);
        ASSERT_TRUE(OrvexAction::macroMenuNode);
    }

    static QList<MenuInfoPtr> entries(const WexTreeNode::Ptr &root)
    {
        QList<MenuInfoPtr> list;
        for (const auto &child : root->children())
            list.append(child->dataAs<MenuInfo>());
        return list;
    }
};

BTN_INFO recordOf(const FirmwareFunction &function)
{
    BTN_INFO info{};
    info.FuncTableId = function.functionClass;
    for (int k = 0; k < 4; ++k)
        info.KeyBit[k] = function.params[size_t(k)];
    return info;
}

TEST_F(ShippedCatalogueTest, EveryFactoryFunctionHasASingleKeyEntryWithItsBytes)
{
    QFile source(QStringLiteral(ORVEX_SOURCE_DIR "/resources/factory-profiles.json"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QJsonArray profiles = QJsonDocument::fromJson(source.readAll())
                                    .object()
                                    .value(QLatin1String("profiles"))
                                    .toArray();
    ASSERT_EQ(profiles.size(), 5);
    int checked = 0;
    for (const QJsonValue &profile : profiles) {
        const QJsonObject buttons = profile.toObject().value(QLatin1String("buttons")).toObject();
        for (const QJsonValue &name : buttons) {
            QString error;
            const auto function = FirmwareFunctionTable::parse(name.toString(), &error);
            ASSERT_TRUE(function) << error.toStdString();
            EXPECT_TRUE(OrvexAction::getSingleByBtnInfo(recordOf(*function)))
                << "no catalogue entry for " << name.toString().toStdString();
            ++checked;
        }
    }
    EXPECT_EQ(checked, 55);
}

TEST_F(ShippedCatalogueTest, UserFacingFunctionsAreOffered)
{
    const char *functions[] = {
        "mouse:left", "mouse:right",     "mouse:middle", "mouse:back",       "mouse:forward",
        "key:a",      "key:z",           "key:0",        "key:f12",          "key:escape",
        "key:tab",    "key:backspace",   "key:enter",    "key:pagedown",     "key:delete",
        "key:left",   "key:shift",       "key:ralt",     "key:ctrl+c",       "key:ctrl+shift+z",
        "media:stop", "media:volume-up", "dpi:cycle",    "profile:previous", "wheel:down",
        "config-app", "disabled",
    };
    for (const char *name : functions) {
        const auto function = FirmwareFunctionTable::parse(QLatin1String(name), nullptr);
        ASSERT_TRUE(function) << name;
        EXPECT_TRUE(OrvexAction::getSingleByBtnInfo(recordOf(*function))) << name;
    }
    // The main view counts buttons with FuncID 1 to keep one left click.
    const MenuInfoPtr left = OrvexAction::getSingleById(1);
    ASSERT_TRUE(left);
    EXPECT_EQ(left->functionTableID, fwfunc::MouseButton);
    EXPECT_EQ(left->KeyBit1, fwfunc::MouseLeft);
}

TEST_F(ShippedCatalogueTest, SingleKeyEntriesAreUniqueAndAvoidReservedIdentifiers)
{
    // 6 macro, 15 launcher and 239 (a macro without id) are told apart by
    // FuncID alone; 240/241 are the back/forward buttons' fixed captions.
    QSet<int> ids;
    QSet<QList<int>> bytes;
    for (const MenuInfoPtr &entry : entries(OrvexAction::singleMenuNode)) {
        ASSERT_TRUE(entry);
        EXPECT_FALSE(ids.contains(entry->functionID)) << entry->functionID;
        ids.insert(entry->functionID);
        const QList<int> key = {entry->functionTableID, entry->KeyBit1, entry->KeyBit2,
                                entry->KeyBit3, entry->KeyBit4};
        EXPECT_FALSE(bytes.contains(key)) << entry->titleStr().toStdString();
        bytes.insert(key);
        EXPECT_TRUE(FirmwareFunctionTable::isKnownClass(std::uint8_t(entry->functionTableID)));
        EXPECT_FALSE(entry->titleStr().isEmpty());
        if (entry->functionTableID == fwfunc::Keyboard && entry->KeyBit2 != fwfunc::NoKey) {
            EXPECT_TRUE(KeyCodeTable::byUsage(entry->KeyBit2)) << entry->KeyBit2;
        }
    }
    for (int reserved : {6, 15, 239})
        EXPECT_FALSE(ids.contains(reserved)) << reserved;
    EXPECT_EQ(OrvexAction::getSingleById(240)->KeyBit1, fwfunc::MouseBack);
    EXPECT_EQ(OrvexAction::getSingleById(241)->KeyBit1, fwfunc::MouseForward);
}

TEST_F(ShippedCatalogueTest, CombinationsAreMacKeyCodesWithTooltipTags)
{
    QSet<int> ids;
    for (const MenuInfoPtr &entry : entries(OrvexAction::macroMenuNode)) {
        ASSERT_TRUE(entry);
        EXPECT_FALSE(ids.contains(entry->functionID));
        ids.insert(entry->functionID);
        EXPECT_FALSE(entry->toolTipTag.isEmpty()) << entry->titleStr().toStdString();
        EXPECT_NE(entry->KeyBit1, MenuInfo::EmptyKey);
        bool empty = false;
        for (int key : entry->keyBits()) {
            if (key == MenuInfo::EmptyKey) {
                empty = true;
                continue;
            }
            EXPECT_FALSE(empty) << "key after an empty position in " << entry->functionID;
            EXPECT_TRUE(KeyCodeTable::byMacVirtualKey(key)) << key;
        }
    }
    EXPECT_GE(ids.size(), 12);
}

} // namespace
} // namespace orvex::test
