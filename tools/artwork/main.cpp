// SPDX-License-Identifier: GPL-3.0-or-later
// orvex-artwork: draws the suite's pictures at build time.
//   orvex-artwork --resources DIR [--font FILE] [--manifest FILE [--depfile FILE]]
// writes the on-screen display's pictures and its figure sheets into DIR/osd
// (shipping the font file, when given, there as the figures' font), the
// configuration windows' pictures (dialogs, loading animation, markers,
// icons, slider thumbs, the main window's skin and its buttons' own
// pictures; all but the animation also at 2x, "<name>@2x.png") into DIR,
// and the application's icon for the desktop's icon theme into DIR/icons.
// The manifest lists every file written, relative to DIR; the dependency
// file makes them the inputs of the manifest, so that a build draws again
// when one is missing.
#include "AppIconArt.h"
#include "ArtworkFolder.h"
#include "ButtonPageArt.h"
#include "DialogArt.h"
#include "FigureSheetArt.h"
#include "IconArt.h"
#include "LightOptionArt.h"
#include "LoadingArt.h"
#include "MacroViewArt.h"
#include "MainViewArt.h"
#include "OsdArtwork.h"
#include "OsdPictureSet.h"
#include "ProfileViewArt.h"
#include "SettingViewArt.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr int ExitFailure = 1;

void fail(const QString &message)
{
    std::fprintf(stderr, "orvex-artwork: %s\n", qPrintable(message));
}

// Registers the font for drawing and copies it beside the pictures, so the
// agent writes its figures in the same face. Answers its family name, or an
// empty one (the default font) when no usable font was given.
QString shipFont(const QString &fontPath, orvex::artwork::ArtworkFolder &resources, bool *ok)
{
    *ok = true;
    if (fontPath.isEmpty())
        return {};
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(fontPath));
    if (families.isEmpty()) {
        fail(
            QStringLiteral("%1 is not a usable font; drawing with the default font").arg(fontPath));
        return {};
    }
    const QString target = resources.claim(QLatin1String(orvex::osd::FontFile));
    QFile::remove(target);
    if (!QFile::copy(fontPath, target)) {
        fail(QStringLiteral("cannot write %1").arg(target));
        *ok = false;
    }
    return families.front();
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption resources(QStringLiteral("resources"),
                                       QStringLiteral("The resource folder to write into."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption font(QStringLiteral("font"),
                                  QStringLiteral("A TrueType font for the figures."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption manifest(
        QStringLiteral("manifest"),
        QStringLiteral("Where to list the files written, one per line."), QStringLiteral("FILE"));
    const QCommandLineOption depfile(
        QStringLiteral("depfile"),
        QStringLiteral("Where to write a make rule: the manifest depends on the files written."),
        QStringLiteral("FILE"));
    parser.addOptions({resources, font, manifest, depfile});
    parser.addHelpOption();
    parser.process(app);
    if (!parser.isSet(resources)) {
        fail(QStringLiteral("--resources DIR is required"));
        return ExitFailure;
    }

    if (parser.isSet(depfile) && !parser.isSet(manifest)) {
        fail(QStringLiteral("--depfile needs --manifest, the file it names the inputs of"));
        return ExitFailure;
    }

    using namespace orvex::artwork;
    ArtworkFolder folder(parser.value(resources));
    bool fontShipped = false;
    const QString family = shipFont(parser.value(font), folder, &fontShipped);
    QString failed;
    if (!OsdPictureSet(family).writeAll(folder, &failed) ||
        !FigureSheetArt(family).writeAll(folder, &failed) ||
        !DialogArt::writeAll(folder, &failed) || !LoadingArt::write(folder, &failed) ||
        !IconArt::writeAll(folder, &failed) || !MainViewArt::writeAll(folder, &failed) ||
        !LightOptionArt::writeAll(folder, &failed) || !SettingViewArt::writeAll(folder, &failed) ||
        !ButtonPageArt::writeAll(folder, &failed) || !AppIconArt::writeAll(folder, &failed) ||
        !MacroViewArt::writeAll(folder, &failed) || !ProfileViewArt::writeAll(folder, &failed)) {
        fail(QStringLiteral("cannot write %1").arg(failed));
        return ExitFailure;
    }
    if (!fontShipped)
        return ExitFailure;
    // Written last: a build that sees the manifest sees every file it lists.
    if (parser.isSet(depfile) &&
        !folder.writeDependencies(parser.value(depfile), parser.value(manifest))) {
        fail(QStringLiteral("cannot write %1").arg(parser.value(depfile)));
        return ExitFailure;
    }
    if (parser.isSet(manifest) && !folder.writeManifest(parser.value(manifest))) {
        fail(QStringLiteral("cannot write %1").arg(parser.value(manifest)));
        return ExitFailure;
    }
    return 0;
}
