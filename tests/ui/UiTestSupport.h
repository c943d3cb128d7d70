// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QTest>

namespace orvex::test {

// Points the XDG folders at fresh private ones and selects the offscreen
// platform unless one is chosen; call before the QApplication exists.
void prepareUiTestEnvironment();

// A fresh folder that the resource lookup then answers with, so a test
// controls exactly which pictures exist.
QString useFreshResourceFolder();
void writePicture(const QString &folder, const QString &name, const QImage &image);

// A 100 × 100 picture whose every pixel differs from its neighbours and from
// the same pixel of the pictures of other `state`s.
QImage patternPicture(const QSize &size, int state);

// The name of picture `name` at `scale` ("<name>@2x.png" for 2).
QString scaledPictureName(const QString &name, int scale);
// A picture the build drew into the resource folder, at `scale`, in ARGB32;
// null when it is missing.
QImage shippedPicture(const QString &name, int scale = 1);
// Its size as its file states it; empty when it is missing.
QSize shippedPictureSize(const QString &name);

// The widget as drawn on screen.
QImage rendered(QWidget *widget);

// The pixels where two ARGB32 pictures of one size differ.
QRegion differingPixels(const QImage &a, const QImage &b);
// Fails the test when `changed` reaches outside `allowed`, naming `what`
// and the first pixel outside.
void expectChangesInside(const QRegion &changed, const QRegion &allowed, const QString &what);

} // namespace orvex::test

#define ORVEX_UI_TEST_MAIN(TestClass)                                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        orvex::test::prepareUiTestEnvironment();                                                   \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
