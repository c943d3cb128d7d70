// SPDX-License-Identifier: GPL-3.0-or-later
// orvex-artwork-ui --resources DIR: draws the configuration windows' shared
// pictures (dialogs, loading animation, markers, icons, slider thumbs) into
// the resource folder at build time.
#include "DialogArt.h"
#include "IconArt.h"
#include "LoadingArt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace orvex::artwork;

int main(int argc, char **argv)
{
    // Drawing text needs a platform; a build machine may have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser options;
    options.addOption({QStringLiteral("resources"), QStringLiteral("Folder to draw into."),
                       QStringLiteral("DIR")});
    options.process(application);
    const QString folder = options.value(QStringLiteral("resources"));
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        std::fprintf(stderr, "orvex-artwork-ui: give a writable --resources folder\n");
        return 2;
    }
    QString failed;
    if (!DialogArt::writeAll(folder, &failed) || !LoadingArt::write(folder, &failed) ||
        !IconArt::writeAll(folder, &failed)) {
        std::fprintf(stderr, "orvex-artwork-ui: cannot write %s\n", qPrintable(failed));
        return 1;
    }
    return 0;
}
