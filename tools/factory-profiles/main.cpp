// SPDX-License-Identifier: GPL-3.0-or-later
// orvex-default-profiles writes the shipped default profiles Default1.pro ..
// Default5.pro from the readable factory profiles (factory-profiles.json,
// compiled into the core) and the function catalogue (MenuInfo.xml), through
// the core's own ProfileValue, so the files are exactly what the programs
// read and write.
//
//   orvex-default-profiles --catalogue MenuInfo.xml --output DIR
//
// Exit status 0 when all five were written, 1 on any failure, 2 for a wrong
// command line.

#include "catalogue/Catalogue.h"
#include "platform/WexAction.h"
#include "platform/WexLogger.h"
#include "profile/DefaultProfileFiles.h"
#include "profile/FactoryProfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

using namespace orvex;

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;
constexpr char SingleMenuElement[] = "SingleMenu";

void fail(const QString &message)
{
    std::fprintf(stderr, "orvex-default-profiles: %s\n", qPrintable(message));
}

// The catalogue's single-key menu, which names the FuncID of every function
// a button can be given.
bool loadSingleMenu(const QString &catalogue)
{
    const QDomDocument document = WexAction::loadXmlFromPath(catalogue);
    const QDomElement menu =
        document.documentElement().firstChildElement(QLatin1String(SingleMenuElement));
    if (menu.isNull()) {
        fail(QStringLiteral("%1 has no %2").arg(catalogue, QLatin1String(SingleMenuElement)));
        return false;
    }
    Catalogue::initSingleMenulist(menu);
    return true;
}

std::optional<std::uint32_t> catalogueFunctionId(const BTN_INFO &button)
{
    const MenuInfoPtr entry = Catalogue::getSingleByBtnInfo(button);
    if (!entry)
        return std::nullopt;
    return std::uint32_t(entry->functionID);
}

int writeDefaults(const QString &outputFolder)
{
    const QList<FactoryProfile> factories = FactoryProfiles::load();
    if (factories.size() != FirmwareSlotCount) {
        fail(QStringLiteral("the factory profiles do not load"));
        return ExitFailure;
    }
    if (!QDir().mkpath(outputFolder)) {
        fail(QStringLiteral("cannot create %1").arg(outputFolder));
        return ExitFailure;
    }
    for (const FactoryProfile &factory : factories) {
        QString error;
        const ProfileValuePtr profile =
            DefaultProfileFiles::build(factory, catalogueFunctionId, &error);
        if (!profile) {
            fail(error);
            return ExitFailure;
        }
        const QString path =
            outputFolder + QLatin1Char('/') + DefaultProfileFiles::fileName(factory.slot);
        if (!profile->saveToPath(path)) {
            fail(QStringLiteral("cannot write %1").arg(path));
            return ExitFailure;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    WexLogger::applyEnvironment();
    const QStringList arguments = app.arguments().mid(1);
    const qsizetype catalogueAt = arguments.indexOf(QStringLiteral("--catalogue"));
    const qsizetype outputAt = arguments.indexOf(QStringLiteral("--output"));
    if (arguments.size() != 4 || catalogueAt < 0 || outputAt < 0 || catalogueAt % 2 ||
        outputAt % 2) {
        fail(QStringLiteral("usage: orvex-default-profiles --catalogue MenuInfo.xml --output DIR"));
        return ExitUsage;
    }
    if (!loadSingleMenu(arguments[catalogueAt + 1]))
        return ExitFailure;
    return writeDefaults(arguments[outputAt + 1]);
}
