// SPDX-License-Identifier: GPL-3.0-or-later
// .mac files: keyed archives of a MacroInfo, written by us and by others.
#include "catalogue/MacroInfo.h"
#include "catalogue/MenuInfo.h"
#include "platform/KeyedArchiver.h"
#include "platform/KeyedUnarchiver.h"
#include "platform/PropertyListLimits.h"
#include "platform/WexAction.h"

#include "TestEnvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <limits>

namespace orvex::test {
namespace {

QString sampleFile(const char *name)
{
    return QStringLiteral(ORVEX_SOURCE_DIR "/tests/core/platform/data/") + QLatin1String(name);
}

MacroInfo sampleMacro()
{
    MacroInfo macro;
    macro.macroId = 42;
    macro.nameStr = QStringLiteral("Grüße \u4e2d\u6587 $name");
    macro.loopTime = 3;
    macro.addStep(0x08, MacroKeyInfo::KeyPress, 35);
    macro.addStep(0x08, MacroKeyInfo::KeyRelease, -5);
    macro.addStep(MacroKeyInfo::MouseLeftCode, MacroKeyInfo::MouseDown, 0);
    macro.addStep(7, MacroKeyInfo::Combination, std::numeric_limits<std::int32_t>::max());
    macro.addStep(MacroKeyInfo::MouseLeftCode, MacroKeyInfo::MouseUp,
                  std::numeric_limits<std::int32_t>::min());
    return macro;
}

void expectSameSteps(const MacroInfo &actual, const MacroInfo &expected)
{
    ASSERT_EQ(actual.keyInfoArr.size(), expected.keyInfoArr.size());
    for (qsizetype i = 0; i < expected.keyInfoArr.size(); ++i)
        EXPECT_EQ(*actual.keyInfoArr.at(i), *expected.keyInfoArr.at(i)) << "step " << i;
}

class KeyedArchiveTest : public ::testing::Test
{
protected:
    QString m_folder = freshFolder(QStringLiteral("archive"));
    QString path(const char *name) const
    {
        return m_folder + QLatin1Char('/') + QLatin1String(name);
    }
};

TEST_F(KeyedArchiveTest, MacroRoundTripsThroughAMacFile)
{
    const MacroInfo macro = sampleMacro();
    ASSERT_TRUE(WexAction::SaveObject(macro, path("sample.mac")));
    EXPECT_TRUE(readFile(path("sample.mac")).startsWith("bplist00"));

    const auto copy = WexAction::CopyObject<MacroInfo>(path("sample.mac"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->nameStr, macro.nameStr);
    EXPECT_EQ(copy->loopTime, 3);
    EXPECT_EQ(copy->macroId, 0) << "the identifier is not part of the archive";
    expectSameSteps(*copy, macro);
}

TEST_F(KeyedArchiveTest, EmptyMacroAndNullNameRoundTrip)
{
    MacroInfo empty;
    ASSERT_TRUE(WexAction::SaveObject(empty, path("empty.mac")));
    const auto copy = WexAction::CopyObject<MacroInfo>(path("empty.mac"));
    ASSERT_TRUE(copy);
    EXPECT_TRUE(copy->nameStr.isNull());
    EXPECT_TRUE(copy->keyInfoArr.isEmpty());
}

TEST_F(KeyedArchiveTest, ArchivesOfOtherArchiversImport)
{
    // nul-in-name.mac: a NUL inside a string ends the string, as in C readers.
    for (const char *name :
         {"inline-integers.mac", "integer-objects.mac", "xml-archive.mac", "nul-in-name.mac"}) {
        SCOPED_TRACE(name);
        const auto macro = WexAction::CopyObject<MacroInfo>(sampleFile(name));
        ASSERT_TRUE(macro);
        EXPECT_EQ(macro->nameStr, QStringLiteral("Sample macro"));
        EXPECT_EQ(macro->loopTime, 1);
        MacroInfo expected;
        expected.addStep(4, 1, 20);
        expected.addStep(4, 0, 20);
        expectSameSteps(*macro, expected);
    }
}

TEST_F(KeyedArchiveTest, StandardReaderSeesAKeyedArchiveWithTheMacroKeys)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 not found";
    ASSERT_TRUE(WexAction::SaveObject(sampleMacro(), path("check.mac")));

    // Decodes the archive the way a keyed-archive reader does and prints the
    // macro as JSON; any deviation from the layout raises.
    const char *script = R"PY(
import json, plistlib, sys
a = plistlib.load(open(sys.argv[1], 'rb'), fmt=plistlib.FMT_BINARY)
assert set(a) == {'$archiver', '$version', '$top', '$objects'}, a.keys()
assert a['$archiver'] == 'NSKeyedArchiver' and a['$version'] == 100000
o = a['$objects']
assert o[0] == '$null'
def obj(uid):
    assert isinstance(uid, plistlib.UID), uid
    return o[uid.data]
def cls(d):
    c = obj(d['$class'])
    return c['$classname'], c['$classes']
root = obj(a['$top']['root'])
assert cls(root) == ('MacroInfo', ['MacroInfo', 'NSObject']), cls(root)
assert set(root) == {'loopTime', 'nameStr', 'keyInfoArr', '$class'}, root.keys()
arr = obj(root['keyInfoArr'])
assert cls(arr)[0] == 'NSMutableArray' and 'NSArray' in cls(arr)[1]
steps = []
for u in arr['NS.objects']:
    s = obj(u)
    assert cls(s) == ('MacroKeyInfo', ['MacroKeyInfo', 'NSObject']), cls(s)
    assert set(s) == {'keyCode', 'keyFlag', 'delay', '$class'}, s.keys()
    assert all(type(s[k]) is int for k in ('keyCode', 'keyFlag', 'delay'))
    steps.append([s['keyCode'], s['keyFlag'], s['delay']])
name = obj(root['nameStr'])
assert isinstance(name, str)
print(json.dumps({'name': name, 'loopTime': root['loopTime'], 'steps': steps}))
)PY";
    QProcess process;
    process.start(python, {QStringLiteral("-c"), QString::fromUtf8(script), path("check.mac")});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    const QJsonObject decoded = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    const MacroInfo macro = sampleMacro();
    EXPECT_EQ(decoded.value(QLatin1String("name")).toString(), macro.nameStr);
    EXPECT_EQ(decoded.value(QLatin1String("loopTime")).toInt(), 3);
    const QJsonArray steps = decoded.value(QLatin1String("steps")).toArray();
    ASSERT_EQ(steps.size(), macro.keyInfoArr.size());
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QJsonArray step = steps.at(i).toArray();
        EXPECT_EQ(step.at(0).toInteger(), macro.keyInfoArr.at(i)->keyCode);
        EXPECT_EQ(step.at(1).toInteger(), macro.keyInfoArr.at(i)->keyFlag);
        EXPECT_EQ(step.at(2).toInteger(), macro.keyInfoArr.at(i)->delay) << "step " << i;
    }
}

TEST_F(KeyedArchiveTest, DamagedOrForeignFilesReadAsNothing)
{
    EXPECT_FALSE(WexAction::CopyObject<MacroInfo>(path("missing.mac")));

    const QByteArray good = KeyedArchiver::archivedDataWithRootObject(sampleMacro());
    ASSERT_FALSE(good.isEmpty());
    // Every truncation of a valid file: no crash, and no half-read macro
    // passed off as the whole one.
    for (qsizetype length = 0; length < good.size(); ++length) {
        const auto root = KeyedUnarchiver::rootObjectOfData(good.left(length));
        const auto macro = root ? MacroInfo::initWithCoder(*root) : nullptr;
        EXPECT_FALSE(macro && macro->keyInfoArr.size() == 5) << "length " << length;
    }

    const QByteArray foreign[] = {
        QByteArray("not a property list"),
        QByteArray("bplist00") + QByteArray(40, '\xff'),
        QByteArray("<?xml version=\"1.0\"?><plist><dict><key>$archiver</key>"
                   "<string>NSKeyedArchiver</string><key>$version</key><integer>99</integer>"
                   "</dict></plist>"),
    };
    for (const QByteArray &bytes : foreign) {
        writeFile(path("foreign.mac"), bytes);
        EXPECT_FALSE(WexAction::CopyObject<MacroInfo>(path("foreign.mac")));
    }

    // A valid archive whose root is another class is not a macro.
    MenuInfo entry;
    ASSERT_TRUE(WexAction::SaveObject(entry, path("entry.mac")));
    EXPECT_FALSE(WexAction::CopyObject<MacroInfo>(path("entry.mac")));

    writeFile(path("huge.mac"), QByteArray(WexAction::MaxArchiveSize + 1, ' '));
    EXPECT_FALSE(WexAction::CopyObject<MacroInfo>(path("huge.mac")));
}

// A binary property list of `levels` nested arrays, each referring
// `refsPerLevel` times to the next (4-byte offsets and references).
QByteArray nestedArrays(int levels, int refsPerLevel)
{
    QByteArray body("bplist00");
    QList<quint32> offsets;
    auto append32 = [&body](quint32 value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            body.append(char(value >> shift));
    };
    for (int level = 0; level < levels; ++level) {
        offsets.append(quint32(body.size()));
        const bool last = level == levels - 1;
        body.append(char(0xA0 | (last ? 0 : refsPerLevel)));
        for (int r = 0; !last && r < refsPerLevel; ++r)
            append32(quint32(level + 1));
    }
    const quint32 table = quint32(body.size());
    for (quint32 offset : offsets)
        append32(offset);
    body.append(QByteArray(6, '\0')).append(char(4)).append(char(4));
    for (quint64 value : {quint64(levels), quint64(0), quint64(table)}) {
        append32(quint32(value >> 32));
        append32(quint32(value));
    }
    return body;
}

TEST(PropertyListShapes, ShapesTheParserCannotTakeAreRefusedBeforeParsing)
{
    // Each of these would overflow the parser's stack or expand without bound.
    const QByteArray deepXml = QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\">") +
                               QByteArray("<array>").repeated(200000) +
                               QByteArray("</array>").repeated(200000) + "</plist>";
    const QByteArray shapes[] = {nestedArrays(200000, 1), nestedArrays(60, 2), deepXml};
    for (const QByteArray &data : shapes) {
        EXPECT_FALSE(PropertyListLimits::isWithinLimits(data));
        EXPECT_FALSE(KeyedUnarchiver::rootObjectOfData(data));
    }
    EXPECT_TRUE(
        PropertyListLimits::isWithinLimits(nestedArrays(PropertyListLimits::MaxDepth - 1, 1)));
    EXPECT_FALSE(
        PropertyListLimits::isWithinLimits(nestedArrays(PropertyListLimits::MaxDepth + 1, 1)));

    // The first array's one reference (bytes 9..12) made to point at itself.
    QByteArray cycle = nestedArrays(2, 1);
    cycle[12] = 0;
    EXPECT_FALSE(PropertyListLimits::isWithinLimits(cycle));

    const QByteArray entities = "<?xml version=\"1.0\"?><!DOCTYPE plist [<!ENTITY a \"b\">]>"
                                "<plist><string>&a;</string></plist>";
    EXPECT_FALSE(PropertyListLimits::isWithinLimits(entities));
    EXPECT_TRUE(PropertyListLimits::isWithinLimits(readFile(sampleFile("xml-archive.mac"))));
    EXPECT_TRUE(PropertyListLimits::isWithinLimits(readFile(sampleFile("integer-objects.mac"))));
}

TEST_F(KeyedArchiveTest, BrokenReferencesAndOverflowingNumbersReadAsMissing)
{
    // Hand-written XML archive: the name's UID points past "$objects", one
    // step's keyCode does not fit in 32 bits, and the array refers to the
    // root object itself (a cycle), which is not a step and is skipped.
    const QByteArray xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>$archiver</key><string>NSKeyedArchiver</string>
<key>$version</key><integer>100000</integer>
<key>$top</key><dict><key>root</key><dict><key>CF$UID</key><integer>1</integer></dict></dict>
<key>$objects</key><array>
 <string>$null</string>
 <dict><key>loopTime</key><integer>2</integer>
  <key>nameStr</key><dict><key>CF$UID</key><integer>99</integer></dict>
  <key>keyInfoArr</key><dict><key>CF$UID</key><integer>3</integer></dict>
  <key>$class</key><dict><key>CF$UID</key><integer>2</integer></dict></dict>
 <dict><key>$classname</key><string>MacroInfo</string>
  <key>$classes</key><array><string>MacroInfo</string></array></dict>
 <dict><key>NS.objects</key><array>
   <dict><key>CF$UID</key><integer>4</integer></dict>
   <dict><key>CF$UID</key><integer>1</integer></dict></array>
  <key>$class</key><dict><key>CF$UID</key><integer>6</integer></dict></dict>
 <dict><key>keyCode</key><integer>1099511627776</integer><key>keyFlag</key><true/>
  <key>delay</key><real>12.75</real>
  <key>$class</key><dict><key>CF$UID</key><integer>5</integer></dict></dict>
 <dict><key>$classname</key><string>MacroKeyInfo</string></dict>
 <dict><key>$classname</key><string>NSArray</string></dict>
</array></dict></plist>)";
    writeFile(path("broken.mac"), xml);
    const auto macro = WexAction::CopyObject<MacroInfo>(path("broken.mac"));
    ASSERT_TRUE(macro);
    EXPECT_TRUE(macro->nameStr.isNull());
    EXPECT_EQ(macro->loopTime, 2);
    ASSERT_EQ(macro->keyInfoArr.size(), 1);
    EXPECT_EQ(*macro->keyInfoArr.first(), MacroKeyInfo(0, 1, 12));
}

TEST_F(KeyedArchiveTest, MenuEntryRoundTripsWithItsMacro)
{
    MenuInfo entry;
    entry.functionID = 0x86;
    entry.functionTableID = 2;
    entry.setKeyBits({1, 4, 0xFF, 0xFF});
    entry.needSepretor = true;
    entry.typeTag = 9;
    entry.saveTag = false;
    entry.macroInfo = std::make_shared<MacroInfo>(sampleMacro());
    ASSERT_TRUE(WexAction::SaveObject(entry, path("entry.plist")));

    const auto copy = WexAction::CopyObject<MenuInfo>(path("entry.plist"));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->functionID, 0x86);
    EXPECT_EQ(copy->functionTableID, 2);
    EXPECT_EQ(copy->keyBits(), entry.keyBits());
    EXPECT_TRUE(copy->needSepretor);
    EXPECT_EQ(copy->typeTag, 9);
    EXPECT_FALSE(copy->saveTag);
    ASSERT_TRUE(copy->macroInfo);
    expectSameSteps(*copy->macroInfo, *entry.macroInfo);
}

} // namespace
} // namespace orvex::test
