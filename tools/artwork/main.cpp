// SPDX-License-Identifier: GPL-3.0-or-later
// orvex-artwork: draws the suite's pictures at build time.
//   orvex-artwork --resources DIR [--font FILE]
// writes the on-screen display's pictures and its figure sheets into DIR/osd
// (shipping the font file, when given, there as the figures' font) and the
// configuration windows' shared pictures (dialogs, loading animation,
// markers, icons, slider thumbs) into DIR.
#include "DialogArt.h"
#include "FigureSheetArt.h"
#include "IconArt.h"
#include "LoadingArt.h"
#include "OsdArtwork.h"
#include "OsdPictureSet.h"

#include <QCommandLineParser>
#include <QDir>
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
QString shipFont(const QString &fontPath, const QString &resources, bool *ok)
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
    const QString target = resources + QLatin1Char('/') + QLatin1String(orvex::osd::FontFile);
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
    parser.addOptions({resources, font});
    parser.addHelpOption();
    parser.process(app);
    if (!parser.isSet(resources)) {
        fail(QStringLiteral("--resources DIR is required"));
        return ExitFailure;
    }

    const QString folder = parser.value(resources);
    const QString pictures = folder + QLatin1Char('/') + QLatin1String(orvex::osd::Folder);
    QDir().mkpath(pictures);
    bool fontShipped = false;
    const QString family = shipFont(parser.value(font), folder, &fontShipped);
    QString failed;
    using namespace orvex::artwork;
    if (!OsdPictureSet(family).writeAll(pictures, &failed) ||
        !FigureSheetArt(family).writeAll(pictures, &failed) ||
        !DialogArt::writeAll(folder, &failed) || !LoadingArt::write(folder, &failed) ||
        !IconArt::writeAll(folder, &failed)) {
        fail(QStringLiteral("cannot write %1").arg(failed));
        return ExitFailure;
    }
    return fontShipped ? 0 : ExitFailure;
}
