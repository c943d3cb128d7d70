// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "LightOptionLayout.h"
#include "platform/ResourceFolder.h"

#include <QRegion>

using namespace orvex;
using test::scaledPictureName;
using test::shippedPicture;
using test::shippedPictureSize;

namespace {

using Layout = LightOptionLayout;

QString skinName(const QString &state)
{
    return QStringLiteral("LightOptionView_%1.png").arg(state);
}

int distance(QRgb a, const QColor &b)
{
    return qMax(qMax(qAbs(qRed(a) - b.red()), qAbs(qGreen(a) - b.green())),
                qAbs(qBlue(a) - b.blue()));
}

// How many opaque pixels of `image` show `colour` (within a small distance).
int pixelsOf(const QImage &image, const QColor &colour)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 200 && distance(pixel, colour) <= 24)
                ++found;
        }
    }
    return found;
}

bool edgeIsClear(const QImage &image)
{
    for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, 0)) || qAlpha(image.pixel(x, image.height() - 1)))
            return false;
    }
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(image.pixel(0, y)) || qAlpha(image.pixel(image.width() - 1, y)))
            return false;
    }
    return true;
}

} // namespace

// The lighting page's pictures, drawn by the build from the page's table:
// shipped at 1x and 2x at the sizes the page shows them at, the skin's
// states differing only where the buttons cut them, and the zones and lines
// where the table says they are.
class LightOptionArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!ResourceFolder::path().isEmpty(), "no resource folder"); }

    void everyPictureIsShippedAtItsSize()
    {
        for (const int scale : {1, 2}) {
            for (const char *state : {"Normal", "Over", "Down", "Disable", "Active"}) {
                const QString name = scaledPictureName(skinName(QLatin1String(state)), scale);
                QCOMPARE(shippedPictureSize(name), Layout::ViewSize * scale);
            }
            for (int colour = 1; colour <= Layout::ColourCount; ++colour) {
                for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
                    const QString light =
                        scaledPictureName(Layout::lightPictureName(colour, zone), scale);
                    const QString line =
                        scaledPictureName(Layout::linePictureName(colour, zone), scale);
                    QVERIFY2(shippedPictureSize(light) ==
                                 Layout::zoneLightRect(zone).size() * scale,
                             qPrintable(light));
                    QVERIFY2(shippedPictureSize(line) == Layout::LineViewRect.size() * scale,
                             qPrintable(line));
                }
            }
        }
    }

    void stateSkinsDifferOnlyInsideButtons()
    {
        const QImage normal = shippedPicture(skinName(QStringLiteral("Normal")));
        QRegion buttons;
        for (const Layout::Control &control : Layout::controls())
            buttons += control.rect;
        for (const char *state : {"Over", "Down", "Disable"}) {
            const QImage other = shippedPicture(skinName(QLatin1String(state)));
            QRegion changed;
            for (int y = 0; y < normal.height(); ++y) {
                for (int x = 0; x < normal.width(); ++x) {
                    if (normal.pixel(x, y) == other.pixel(x, y))
                        continue;
                    QVERIFY2(buttons.contains(QPoint(x, y)),
                             qPrintable(QStringLiteral("%1 differs at %2, %3")
                                            .arg(QLatin1String(state))
                                            .arg(x)
                                            .arg(y)));
                    changed += QRect(x, y, 1, 1);
                }
            }
            for (const Layout::Control &control : Layout::controls())
                QVERIFY2(changed.intersects(control.rect), qPrintable(control.field));
        }
    }

    // Each zone is drawn whole inside its place (a cut-off glow would show
    // as a hard edge over the mouse), in its own colour.
    void zonesAreWholeAndInTheirColour()
    {
        for (int colour = 0; colour < Layout::ColourCount; ++colour) {
            for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
                const QString name = Layout::lightPictureName(colour + 1, zone);
                const QImage light = shippedPicture(name);
                QVERIFY2(edgeIsClear(light), qPrintable(name));
                QVERIFY2(pixelsOf(light, Layout::colourShown(colour)) > 10, qPrintable(name));
                for (int other = 0; other < Layout::ColourCount; ++other) {
                    if (other != colour)
                        QVERIFY2(pixelsOf(light, Layout::colourShown(other)) <
                                     pixelsOf(light, Layout::colourShown(colour)),
                                 qPrintable(name));
                }
            }
        }
    }

    // A zone's line starts on the zone's anchor and ends at its button.
    void linesJoinTheZoneToItsButton()
    {
        for (int colour = 0; colour < Layout::ColourCount; ++colour) {
            for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
                const QString name = Layout::linePictureName(colour + 1, zone);
                const QImage line = shippedPicture(name);
                const QPoint origin = Layout::LineViewRect.topLeft();
                const QPoint anchor = Layout::zoneLineAnchor(zone).toPoint() - origin;
                QVERIFY2(distance(line.pixel(anchor), Layout::colourShown(colour)) <= 24,
                         qPrintable(name));
                const QRect button = Layout::byTag(Layout::FirstZoneTag + zone - 1)->rect;
                const QPoint end(button.left() - 2 - origin.x(), button.center().y() - origin.y());
                QVERIFY2(qAlpha(line.pixel(end)) > 200, qPrintable(name));
            }
        }
    }
};

ORVEX_UI_TEST_MAIN(LightOptionArtworkTest)

#include "LightOptionArtworkTest.moc"
