// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessState.h"
#include "OrvexAction.h"
#include "device/DeviceMirror.h"
#include "device/DeviceSelector.h"
#include "device/TransferProgress.h"
#include "device/TransferWorker.h"
#include "device/WexHIDComFunction.h"
#include "messaging/DeviceWriteNotice.h"
#include "platform/ResourceFolder.h"
#include "platform/WexLogger.h"
#include "platform/WexMouseAction.h"

#include "FirmwareModel.h"
#include "InProcessTransport.h"
#include "TestEnvironment.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>

using namespace orvex;

namespace {

// A holder of process-wide state as a test sees it: how to move its state
// away from where it starts, and what of that state shows.
struct Holder
{
    const char *name;
    std::function<void()> disturb;
    std::function<QString()> observe;
};

QString digest(const ORVEX_PROFILE &record)
{
    const QByteArray bytes(reinterpret_cast<const char *>(&record), sizeof record);
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

// Counts the calls of listeners and handlers the rows install.
int heard = 0;

QString heardFrom(const std::function<void()> &call)
{
    const int before = heard;
    call();
    return heard > before ? QStringLiteral("heard") : QStringLiteral("silent");
}

// Every registered holder needs a row here: the test below fails for one
// without.
QList<Holder> holders()
{
    return {
        {"DeviceLink",
         [] {
             OrvexAction::sysDeviceReq = WexHIDComFunction::shareDeviceReq();
             OrvexAction::setReportPause(std::chrono::milliseconds(7));
         },
         [] {
             return QStringLiteral("%1 %2")
                 .arg(OrvexAction::sysDeviceReq != nullptr)
                 .arg(OrvexAction::reportPause().count());
         }},
        {"DeviceMirror", [] { DeviceMirror::remember(fwmem::LiftOff, 0x21); },
         [] { return QString::number(DeviceMirror::knownBytes()); }},
        {"DeviceWriteNotice", [] { DeviceWriteNotice::noteChange(); },
         [] { return QString::number(DeviceWriteNotice::isPending()); }},
        {"WexHIDComFunction",
         [] {
             WexHIDComFunction::shareDeviceReq()->setTransport(
                 std::make_unique<sim::InProcessTransport>(std::make_shared<sim::FirmwareModel>()));
         },
         [] { return WexHIDComFunction::shareDeviceReq()->describeDevice(); }},
        {"TransferState",
         [] {
             OrvexAction::currSetProfileID = 3;
             OrvexAction::currSetProfile.poRate = 2;
         },
         [] {
             return QStringLiteral("%1 %2")
                 .arg(OrvexAction::currSetProfileID)
                 .arg(digest(OrvexAction::currSetProfile));
         }},
        {"TransferProgress",
         [] {
             TransferProgress::setListener([](int, int, const QString &) { ++heard; });
             TransferProgress::begin(QStringLiteral("Writing"), 3);
         },
         [] { return heardFrom(&TransferProgress::step); }},
        {"TransferWorker",
         [] {
             TransferWorker::start(
                 [] { OrvexAction::sleepUnlessStopped(std::chrono::minutes(1)); });
         },
         [] { return QString::number(TransferWorker::isRunning()); }},
        {"DeviceTransfer", [] { OrvexAction::setSettlePause(std::chrono::milliseconds(0)); },
         [] { return QString::number(OrvexAction::settlePause().count()); }},
        {"LoadingOverlayHook",
         [] {
             LoadingOverlayHook::install({[] { ++heard; }, {}, {}});
         },
         [] { return heardFrom(&OrvexAction::showLoadViewPro); }},
        {"DeviceSelector",
         [] { DeviceSelector::setProcessOption(QStringLiteral("sim:/nowhere/mouse.sock")); },
         [] {
             QString error;
             const auto selector = DeviceSelector::current(&error);
             return selector ? selector->toString() : error;
         }},
        {"UserDataFolder", [] { OrvexAction::getSysPath(); },
         [] { return OrvexAction::sysPath(); }},
        {"ProfileState",
         [] {
             OrvexAction::getShareProCon();
             OrvexAction::isNeedSave = true;
             OrvexAction::selProfile.liftHeight = 9;
         },
         [] {
             return QStringLiteral("%1 %2 %3")
                 .arg(OrvexAction::sysProCon != nullptr)
                 .arg(OrvexAction::isNeedSave)
                 .arg(digest(OrvexAction::selProfile));
         }},
        {"ResourceFolder",
         [] { ResourceFolder::setOverride(test::freshFolder(QStringLiteral("resources"))); },
         [] { return ResourceFolder::path(); }},
        {"WexLogger",
         [] {
             WexLogger::setLevel(WexLogger::Level::Error);
             WexLogger::setDebugFile(test::temporaryRoot() + QStringLiteral("/debug.log"));
         },
         [] {
             return QStringLiteral("%1 %2")
                 .arg(int(WexLogger::level()))
                 .arg(WexLogger::enabled(WexLogger::Level::Debug));
         }},
        {"SystemPreferences", [] { OrvexAction::selMouseAction = new WexMouseAction; },
         [] { return QString::number(OrvexAction::selMouseAction != nullptr); }},
        {"Catalogue",
         [] {
             OrvexAction::addMacorByName(QStringLiteral("Macro"));
             OrvexAction::refreshMenuList();
         },
         [] {
             return QStringLiteral("%1 %2 %3 %4")
                 .arg(OrvexAction::macroListArrs.size())
                 .arg(OrvexAction::macroNode != nullptr)
                 .arg(OrvexAction::macroMenuNode != nullptr)
                 .arg(OrvexAction::singleMenuNode != nullptr);
         }},
    };
}

QSet<QString> namesOf(const QStringList &names)
{
    return {names.begin(), names.end()};
}

std::string sortedNames(QStringList names)
{
    names.sort();
    return names.join(u' ').toStdString();
}

TEST(ProcessState, ResetReturnsEveryHolderToItsStartingState)
{
    const QList<Holder> table = holders();
    QStringList tabled;
    for (const Holder &holder : table)
        tabled << QString::fromLatin1(holder.name);
    EXPECT_EQ(sortedNames(tabled), sortedNames(ProcessState::holders()))
        << "a registered holder without a row in this test, or a row for none";

    OrvexAction::resetState();
    QMap<QString, std::string> clean;
    for (const Holder &holder : table)
        clean[QString::fromLatin1(holder.name)] = holder.observe().toStdString();
    for (const Holder &holder : table) {
        holder.disturb();
        EXPECT_NE(holder.observe().toStdString(), clean[QString::fromLatin1(holder.name)])
            << holder.name << ": the row does not change what it observes";
    }
    OrvexAction::resetState();
    for (const Holder &holder : table)
        EXPECT_EQ(holder.observe().toStdString(), clean[QString::fromLatin1(holder.name)])
            << holder.name;
}

// Writable statics of the core library that are not reset, each with why.
const QMap<QString, QString> NotReset = {
    {QStringLiteral("ProcessState"), QStringLiteral("the registry itself, fixed before main()")},
    {QStringLiteral("InProcessNotifier"),
     QStringLiteral("a channel: who listens is up to the listeners, whose connections end with "
                    "them")},
    {QStringLiteral("DistributedNotifications"),
     QStringLiteral("the bus connection and the signals routed to its listeners")},
};

struct StaticVariable
{
    QString file;  // the archive member, named after its class: "DeviceLink.cpp.o"
    QString name;  // demangled: "orvex::(anonymous namespace)::pauseMs"
    QString owner; // the class whose state it is
};

// The class a static belongs to: the class that qualifies it, else the class
// its file is named after (variables of a file's anonymous namespace).
QString ownerOf(const QString &file, const QString &name)
{
    const QString inOrvex = name.mid(QStringLiteral("orvex::").size());
    const QString scope = inOrvex.left(inOrvex.indexOf(QStringLiteral("::")));
    if (!scope.isEmpty() && scope.front().isUpper())
        return scope;
    return file.left(file.indexOf(QLatin1Char('.')));
}

// The variables with static storage the linker sees in the core library:
// objects in writable data sections, named in our namespace. Names starting
// with a capital are constants by this code's naming (set while the program
// starts, never changed), and so are left out.
QList<StaticVariable> writableStatics()
{
    QProcess objdump;
    objdump.start(QStringLiteral(ORVEX_OBJDUMP),
                  {QStringLiteral("-t"), QStringLiteral("-C"), QStringLiteral(ORVEX_CORE_LIBRARY)});
    if (!objdump.waitForFinished(60000) || objdump.exitCode() != 0)
        return {};
    // "0000000000000000 l     O .bss	0000000000000008 orvex::(anonymous namespace)::pauseMs"
    static const QRegularExpression Member(QStringLiteral("^(\\S+):\\s+file format"));
    static const QRegularExpression Symbol(
        QStringLiteral("^[0-9a-f]+ .{6}O (\\S+)\t[0-9a-f]+ (?:\\.hidden )?(orvex::.*)$"));
    QList<StaticVariable> variables;
    QString file;
    for (const QString &line : QString::fromUtf8(objdump.readAllStandardOutput()).split(u'\n')) {
        if (const auto member = Member.match(line); member.hasMatch()) {
            file = member.captured(1);
            continue;
        }
        const auto symbol = Symbol.match(line);
        if (!symbol.hasMatch())
            continue;
        const QString section = symbol.captured(1);
        const QString name = symbol.captured(2);
        const bool writable = (section.startsWith(QLatin1String(".bss")) ||
                               section.startsWith(QLatin1String(".data")) ||
                               section.startsWith(QLatin1String(".tbss")) ||
                               section.startsWith(QLatin1String(".tdata"))) &&
                              !section.startsWith(QLatin1String(".data.rel.ro"));
        const QString last = name.mid(name.lastIndexOf(QStringLiteral("::")) + 2);
        if (writable && !last.front().isUpper())
            variables.append({file, name, ownerOf(file, name)});
    }
    return variables;
}

// A holder that does not register is found by the linker, not by whoever
// remembers to list it: any variable added to the core library with static
// storage (a static member, a variable in a file's anonymous namespace, a
// static inside a function) must belong to a class whose reset is
// registered, or this test names it.
TEST(ProcessState, EveryWritableStaticOfTheCoreBelongsToARegisteredHolder)
{
    const QList<StaticVariable> variables = writableStatics();
    const QSet<QString> registered = namesOf(ProcessState::holders());
    QSet<QString> owners;
    for (const StaticVariable &variable : variables) {
        owners.insert(variable.owner);
        EXPECT_TRUE(registered.contains(variable.owner) || NotReset.contains(variable.owner))
            << qPrintable(variable.name) << " in " << qPrintable(variable.file)
            << ": process-wide state of " << qPrintable(variable.owner)
            << ", whose reset is not registered with ProcessState";
    }
    ASSERT_TRUE(owners.contains(QStringLiteral("TransferState")))
        << "the library's symbols could not be read from " ORVEX_CORE_LIBRARY;
    for (const QString &holder : registered)
        EXPECT_TRUE(owners.contains(holder))
            << qPrintable(holder) << " is registered but owns no static: not a class name?";
}

} // namespace
