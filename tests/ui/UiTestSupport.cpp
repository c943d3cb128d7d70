// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "platform/ResourceFolder.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdlib>

namespace orvex::test {

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir folder;
    return folder;
}

} // namespace

void prepareUiTestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
        const QString folder = scratch().filePath(QString::fromLatin1(variable).toLower());
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        qputenv(variable, QFile::encodeName(folder));
    }
}

QString useFreshResourceFolder()
{
    static int counter = 0;
    const QString folder = scratch().filePath(QStringLiteral("resources-%1").arg(++counter));
    QDir().mkpath(folder);
    ResourceFolder::setOverride(folder);
    return folder;
}

void writePicture(const QString &folder, const QString &name, const QImage &image)
{
    QVERIFY2(image.save(folder + QLatin1Char('/') + name), qPrintable(name));
}

QImage patternPicture(const QSize &size, int state)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(x * 2 % 256, y * 2 % 256, 40 + state * 50, 255));
    }
    return image;
}

QString scaledPictureName(const QString &name, int scale)
{
    return scale == 1 ? name
                      : QString(name).replace(QLatin1String(".png"), QLatin1String("@2x.png"));
}

QImage shippedPicture(const QString &name, int scale)
{
    QImage image(ResourceFolder::filePath(scaledPictureName(name, scale)));
    return image.convertToFormat(QImage::Format_ARGB32);
}

QSize shippedPictureSize(const QString &name)
{
    QImageReader reader(ResourceFolder::filePath(name));
    return reader.canRead() ? reader.size() : QSize();
}

QImage rendered(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QRegion differingPixels(const QImage &a, const QImage &b)
{
    QRegion changed;
    for (int y = 0; y < a.height(); ++y) {
        const auto *lineA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lineB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (lineA[x] != lineB[x])
                changed += QRect(x, y, 1, 1);
        }
    }
    return changed;
}

void expectChangesInside(const QRegion &changed, const QRegion &allowed, const QString &what)
{
    const QRegion outside = changed - allowed;
    const QPoint first = outside.isEmpty() ? QPoint() : outside.begin()->topLeft();
    QVERIFY2(outside.isEmpty(),
             qPrintable(QStringLiteral("%1 differs at %2, %3, outside every button")
                            .arg(what)
                            .arg(first.x())
                            .arg(first.y())));
}

} // namespace orvex::test
