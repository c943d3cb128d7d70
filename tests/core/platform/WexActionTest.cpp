// SPDX-License-Identifier: GPL-3.0-or-later
// The framework services: number readers, system language, resource
// seeding, XML loading, key names and the debug log file.
#include "platform/WexAction.h"
#include "platform/ResourceFolder.h"
#include "platform/UserDataFolder.h"
#include "platform/WexKey.h"
#include "platform/WexLogger.h"

#include "TestEnvironment.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

TEST(WexActionNumbers, DecimalReaderTakesTheLeadingInteger)
{
    const std::pair<const char *, int> cases[] = {
        {"42", 42},         {"  -17 ", -17},
        {"+8", 8},          {"12abc", 12},
        {"abc", 0},         {"", 0},
        {"-", 0},           {"2147483647", 2147483647},
        {"2147483648", 0},  {"-2147483648", -2147483647 - 1},
        {"-2147483649", 0}, {"99999999999999999999", 0},
        {"0x10", 0},        {"3.9", 3},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(WexAction::getIntValue(QString::fromLatin1(text)), expected) << text;
    EXPECT_EQ(WexAction::getIntValue(QString()), 0);
}

TEST(WexActionNumbers, HexReaderAcceptsPrefixesAndLists)
{
    const std::pair<const char *, int> cases[] = {
        {"0x01", 1},
        {"0XfF", 255},
        {"ff", 255},
        {"  0x1F  ", 31},
        {"0x", 0},
        {"zz", 0},
        {"0x7FFFFFFF", 0x7FFFFFFF},
        {"0x80000000", 0},
        {"0x1FFFFFFFF", 0},
        {"0x10,0x20", 0x10},
        {"", 0},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(WexAction::getIntValueByHex(QString::fromLatin1(text)), expected) << text;
    EXPECT_EQ(WexAction::getIntListByHex(u"0x01,0x10,0x2,0xff,0xff,0xff,0xff,0x04,0x05,0xff,0xff"),
              (QList<int>{1, 0x10, 2, 0xFF, 0xFF, 0xFF, 0xFF, 4, 5, 0xFF, 0xFF}));
    EXPECT_EQ(WexAction::getNonullStr(QString()), QStringLiteral(""));
    EXPECT_FALSE(WexAction::getNonullStr(QString()).isNull());
}

class SystemLanguage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : Variables) {
            m_saved.append(qgetenv(name));
            qunsetenv(name);
        }
    }
    void TearDown() override
    {
        for (int i = 0; i < 4; ++i)
            qputenv(Variables[i], m_saved.at(i));
    }
    static constexpr const char *Variables[4] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QList<QByteArray> m_saved;
};

TEST_F(SystemLanguage, LocaleNamesBecomeTableCodes)
{
    const std::pair<const char *, const char *> cases[] = {
        {"de_DE.UTF-8", "de"},
        {"pt_BR.UTF-8", "pt-BR"},
        {"pt_PT", "pt-PT"},
        {"zh_CN.UTF-8", "zh-Hans"},
        {"zh_SG", "zh-Hans"},
        {"zh_TW.Big5", "zh-Hant"},
        {"zh_HK", "zh-Hant"},
        {"zh-Hant", "zh-Hant"},
        {"zh", "zh-Hans"},
        {"de_AT@euro", "de"},
        {"sr_RS@latin", "sr"},
        {"EN_us", "en"},
        {"C", ""},
        {"POSIX", ""},
        {"C.UTF-8", ""},
        {"", ""},
    };
    for (const auto &[locale, code] : cases)
        EXPECT_EQ(WexAction::languageCodeOfLocale(QString::fromLatin1(locale)),
                  QString::fromLatin1(code))
            << locale;
}

TEST_F(SystemLanguage, EnvironmentIsReadInGettextOrder)
{
    EXPECT_TRUE(WexAction::getSysLanName().isNull());
    qputenv("LANG", "fr_FR.UTF-8");
    EXPECT_EQ(WexAction::getSysLanName(), QStringLiteral("fr"));
    qputenv("LC_MESSAGES", "ja_JP.UTF-8");
    EXPECT_EQ(WexAction::getSysLanName(), QStringLiteral("ja"));
    qputenv("LC_ALL", "ko_KR.UTF-8");
    EXPECT_EQ(WexAction::getSysLanName(), QStringLiteral("ko"));
    qputenv("LANGUAGE", ":pt_BR:de");
    EXPECT_EQ(WexAction::getSysLanName(), QStringLiteral("pt-BR"));
    // Under the C locale gettext ignores LANGUAGE, and so do we.
    qputenv("LC_ALL", "C");
    EXPECT_TRUE(WexAction::getSysLanName().isNull());
}

class ResourceSeeding : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_resources = freshFolder(QStringLiteral("resources"));
        m_user = freshFolder(QStringLiteral("user")) + QStringLiteral("/sub/folder");
        ResourceFolder::setOverride(m_resources);
    }
    void TearDown() override { ResourceFolder::setOverride({}); }
    QString m_resources;
    QString m_user;
};

TEST_F(ResourceSeeding, MissingFileIsCopiedWritableAndExistingOneIsKept)
{
    writeFile(m_resources + QStringLiteral("/Data.xml"), "<shipped/>");
    QFile::setPermissions(m_resources + QStringLiteral("/Data.xml"), QFileDevice::ReadOwner);

    ASSERT_TRUE(
        WexAction::checkAddCopyFileFromResourceWithPath(m_user, QStringLiteral("Data.xml")));
    const QString copy = m_user + QStringLiteral("/Data.xml");
    EXPECT_EQ(readFile(copy), QByteArray("<shipped/>"));
    EXPECT_TRUE(QFileInfo(copy).isWritable());

    writeFile(copy, "<edited/>");
    EXPECT_TRUE(
        WexAction::checkAddCopyFileFromResourceWithPath(m_user, QStringLiteral("Data.xml")));
    EXPECT_EQ(readFile(copy), QByteArray("<edited/>"));

    EXPECT_FALSE(
        WexAction::checkAddCopyFileFromResourceWithPath(m_user, QStringLiteral("None.xml")));
    EXPECT_FALSE(QFileInfo::exists(m_user + QStringLiteral("/None.xml")));
}

TEST(WexActionXml, UnusableDocumentsLoadEmpty)
{
    const QString folder = freshFolder(QStringLiteral("xml"));
    const QString path = folder + QStringLiteral("/doc.xml");
    EXPECT_TRUE(WexAction::loadXmlFromPath(path).isNull());

    writeFile(path, "<root><a x=\"1\">text</a><LoopTime> 12 </LoopTime></root>");
    const QDomDocument document = WexAction::loadXmlFromPath(path);
    ASSERT_FALSE(document.isNull());
    const QDomElement root = document.documentElement();
    EXPECT_EQ(WexAction::getNodeValue(root, QStringLiteral("LoopTime")), QStringLiteral(" 12 "));
    EXPECT_TRUE(WexAction::getNodeValue(root, QStringLiteral("Missing")).isNull());
    EXPECT_EQ(WexAction::getNodeAtrValue(root.firstChildElement(), QStringLiteral("x")),
              QStringLiteral("1"));
    EXPECT_TRUE(WexAction::getNodeAtrValue(root, QStringLiteral("x")).isNull());

    for (const QByteArray &bad : {QByteArray("<root><a></root>"), QByteArray("\xff\xfe<"),
                                  QByteArray("<a/><b/>"), QByteArray()}) {
        writeFile(path, bad);
        EXPECT_TRUE(WexAction::loadXmlFromPath(path).isNull()) << bad.toStdString();
    }
    // A document of nested entities that would expand to gigabytes.
    QByteArray bomb = "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\">";
    for (char level = 'b'; level <= 'j'; ++level) {
        const QByteArray previous = QByteArray("&") + char(level - 1) + ';';
        bomb += "<!ENTITY " + QByteArray(1, level) + " \"" + previous.repeated(10) + "\">";
    }
    bomb += "]><r>&j;</r>";
    writeFile(path, bomb);
    const QDomDocument expanded = WexAction::loadXmlFromPath(path);
    EXPECT_LT(expanded.toByteArray().size(), 1024 * 1024);

    // Deep nesting is refused up front: building the tree would take hours.
    writeFile(path, QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000));
    EXPECT_TRUE(WexAction::loadXmlFromPath(path).isNull());
    writeFile(path, QByteArray("<a>").repeated(WexAction::MaxDocumentDepth) +
                        QByteArray("</a>").repeated(WexAction::MaxDocumentDepth));
    EXPECT_FALSE(WexAction::loadXmlFromPath(path).isNull());

    QFile huge(path);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("<root>");
    huge.resize(WexAction::MaxDocumentSize + 16);
    huge.close();
    EXPECT_TRUE(WexAction::loadXmlFromPath(path).isNull());
}

TEST(WexKeyNames, MacVirtualKeyCodesAreNamed)
{
    EXPECT_EQ(WexKey::getStrByKeycode(0), QStringLiteral("A"));
    EXPECT_EQ(WexKey::getStrByKeycode(122), QStringLiteral("F1"));
    EXPECT_EQ(WexKey::getStrByKeycode(59), QStringLiteral("Left Ctrl"));
    EXPECT_EQ(WexKey::getStrByKeycode(121), QStringLiteral("Page Down"));
    EXPECT_EQ(WexKey::getStrByKeycode(255), QStringLiteral("Key 255"));
    EXPECT_EQ(WexKey::getStrByKeycode(-1), QStringLiteral("Key -1"));
}

TEST(WexActionLogger, DebugLinesGoToTheDataFolderAndOldLogsAreMovedAside)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(freshFolder(QStringLiteral("log"))));
    UserDataFolder::resetState();
    const QString log = UserDataFolder::getSysPath() + QStringLiteral("/debug.log");
    writeFile(log, QByteArray(WexAction::MaxDebugLogSize + 1, 'x'));

    WexAction::setLoggerHasFile(true);
    ORVEX_DEBUG(QStringLiteral("catalogue loaded"));
    WexAction::setLoggerHasFile(false);
    ORVEX_DEBUG(QStringLiteral("not written"));
    UserDataFolder::resetState();

    const QByteArray written = readFile(log);
    EXPECT_TRUE(written.contains("WexActionTest.cpp"));
    EXPECT_TRUE(written.contains("catalogue loaded"));
    EXPECT_FALSE(written.contains("not written"));
    EXPECT_EQ(QFileInfo(log + QStringLiteral(".1")).size(), WexAction::MaxDebugLogSize + 1);
}

} // namespace
} // namespace orvex::test
