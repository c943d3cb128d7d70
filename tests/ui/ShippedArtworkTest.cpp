// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "PopDialogLayout.h"
#include "platform/ResourceFolder.h"

#include <QImageReader>

using namespace orvex;

// The build draws the windows' shared pictures into the resource folder;
// each must be there, readable, at the size the windows place it at, and
// (but the animation) at twice that size for screens scaled to 200 %.
class ShippedArtworkTest : public QObject
{
    Q_OBJECT

private:
    static QSize sizeOf(const QString &name)
    {
        QImageReader reader(ResourceFolder::filePath(name));
        return reader.canRead() ? reader.size() : QSize();
    }

    // The picture drawn for screens scaled to 200 %.
    static QSize sharpSizeOf(const QString &name)
    {
        const qsizetype dot = name.lastIndexOf(u'.');
        return sizeOf(name.left(dot) + QStringLiteral("@2x") + name.mid(dot));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!ResourceFolder::path().isEmpty(), "no resource folder"); }

    void dialogPicturesMatchTheirDialogs()
    {
        for (const PopDialogLayout &dialog : PopDialogLayout::all()) {
            for (const QString &state :
                 {QStringLiteral("Normal"), QStringLiteral("Over"), QStringLiteral("Down")}) {
                const QString name = QStringLiteral("%1_%2.png").arg(dialog.name, state);
                QCOMPARE(sizeOf(name), dialog.size);
                QCOMPARE(sharpSizeOf(name), dialog.size * 2);
            }
        }
    }

    void loadingAnimationFillsTheOverlay()
    {
        QImageReader reader(ResourceFolder::filePath(QStringLiteral("Loading.gif")));
        QVERIFY(reader.supportsAnimation());
        QVERIFY(reader.imageCount() > 1);
        QCOMPARE(reader.size(), QSize(146, 87));
        int frames = 0;
        QImage frame;
        while (reader.read(&frame)) {
            QCOMPARE(frame.size(), QSize(146, 87));
            ++frames;
        }
        QCOMPARE(frames, reader.imageCount());
    }

    void iconsHaveTheirPlacesSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("marker") << "selected2.png" << QSize(14, 14);
        for (const char kind : {'D', 'S', 'T', 'L'}) {
            QTest::newRow(qPrintable(QStringLiteral("function %1").arg(QLatin1Char(kind))))
                << QStringLiteral("BtnFunType_%1.png").arg(QLatin1Char(kind)) << QSize(31, 31);
        }
        for (const char *step :
             {"MacroList_KeyDown.jpg", "MacroList_KeyUp.jpg", "MacroList_Command.png",
              "MacroList_Delay.jpg", "MacroList_MouseDown.jpg", "MacroList_MouseUp.jpg"})
            QTest::newRow(step) << QString::fromLatin1(step) << QSize(19, 20);
    }

    void iconsHaveTheirPlacesSizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(sizeOf(name), size);
        QCOMPARE(sharpSizeOf(name), size * 2);
    }

    void otherPicturesExist()
    {
        for (const QString &name : {QStringLiteral("selected1.png"), QStringLiteral("Slider1.png"),
                                    QStringLiteral("Slider2.png")})
            QVERIFY2(sizeOf(name).isValid(), qPrintable(name));
    }
};

ORVEX_UI_TEST_MAIN(ShippedArtworkTest)
#include "ShippedArtworkTest.moc"
