// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "MainViewLayout.h"
#include "platform/ResourceFolder.h"

#include <QRegion>

using namespace orvex;
using test::scaledPictureName;
using test::shippedPicture;
using test::shippedPictureSize;

namespace {

const QStringList StateWords{QStringLiteral("Normal"), QStringLiteral("Over"),
                             QStringLiteral("Down"), QStringLiteral("Disable")};

QString skinName(const QString &state)
{
    return QStringLiteral("MainView_%1.png").arg(state);
}

// The rectangles whose states the skin carries: the controls without
// pictures of their own.
QRegion slicedRegion(int scale)
{
    QRegion region;
    for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
        if (control.ownPicture.isEmpty())
            region += QRect(control.rect.topLeft() * scale, control.rect.size() * scale);
    }
    return region;
}

int distance(QRgb a, QRgb b)
{
    return qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                qAbs(qBlue(a) - qBlue(b)));
}

} // namespace

// The main window's pictures: the build draws them; each must be shipped,
// at 1x and 2x, at the size the window places it at, and the state pictures
// must differ exactly where controls take their slices.
class MainViewArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!ResourceFolder::path().isEmpty(), "no resource folder"); }

    void everyPictureIsShippedAtItsSize()
    {
        const QStringList skinStates = StateWords + QStringList{QStringLiteral("Active")};
        for (const int scale : {1, 2}) {
            for (const QString &state : skinStates) {
                const QString name = scaledPictureName(skinName(state), scale);
                QCOMPARE(shippedPictureSize(name), MainViewLayout::ViewSize * scale);
            }
            for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
                if (control.ownPicture.isEmpty())
                    continue;
                for (const QString &state : StateWords) {
                    const QString name = scaledPictureName(
                        QStringLiteral("%1_%2.png").arg(control.ownPicture, state), scale);
                    QVERIFY2(shippedPictureSize(name) == control.rect.size() * scale,
                             qPrintable(name));
                }
            }
            QCOMPARE(shippedPictureSize(scaledPictureName(QStringLiteral("selected2.png"), scale)),
                     MainViewLayout::MarkerSize * scale);
            for (const QString &icon : MainViewLayout::functionTypeIcons())
                QCOMPARE(shippedPictureSize(scaledPictureName(icon, scale)),
                         MainViewLayout::FunctionIcon.size() * scale);
        }
    }

    void stateSkinsDifferOnlyInsideSlicedButtons_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("scale");
        for (const int scale : {1, 2}) {
            for (const char *state : {"Over", "Down", "Disable", "Active"}) {
                QTest::addRow("%s %dx", state, scale) << QString::fromLatin1(state) << scale;
            }
        }
    }

    void stateSkinsDifferOnlyInsideSlicedButtons()
    {
        QFETCH(QString, state);
        QFETCH(int, scale);
        const QImage normal = shippedPicture(skinName(QStringLiteral("Normal")), scale);
        const QImage other = shippedPicture(skinName(state), scale);
        QCOMPARE(other.size(), normal.size());
        const QRegion sliced = slicedRegion(scale);
        const QRegion changed = orvex::test::differingPixels(normal, other);
        orvex::test::expectChangesInside(changed, sliced, state);
        if (QTest::currentTestFailed())
            return;
        // Every button shows its pointer-over, pressed and disabled state.
        if (state == QLatin1String("Active"))
            return;
        for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
            if (control.ownPicture.isEmpty()) {
                const QRect rect(control.rect.topLeft() * scale, control.rect.size() * scale);
                QVERIFY2(changed.intersects(rect), qPrintable(control.field));
            }
        }
    }

    // The mouse's buttons are pictures of their own over the skin's mouse:
    // at rest each is the skin where it is opaque, transparent around its
    // shape, and lit when pointed at.
    void mouseButtonsMatchTheMousePicture()
    {
        const QImage skin = shippedPicture(skinName(QStringLiteral("Normal")));
        const QList<int> tags = MainViewLayout::hotSpotTags();
        for (qsizetype i = 0; i < tags.size(); ++i) {
            const MainViewLayout::Control *control = MainViewLayout::byTag(tags.at(i));
            QVERIFY(control);
            if (control->ownPicture.isEmpty())
                continue;
            // Buttons made later lie on top of this one where they overlap.
            QRegion covered;
            for (qsizetype later = i + 1; later < tags.size(); ++later)
                covered += MainViewLayout::byTag(tags.at(later))->rect;
            const QImage normal =
                shippedPicture(control->ownPicture + QStringLiteral("_Normal.png"));
            const QImage over = shippedPicture(control->ownPicture + QStringLiteral("_Over.png"));
            int opaque = 0;
            int clear = 0;
            int worst = 0;
            for (int y = 0; y < normal.height(); ++y) {
                for (int x = 0; x < normal.width(); ++x) {
                    const QRgb own = normal.pixel(x, y);
                    if (qAlpha(own) == 0) {
                        ++clear;
                    } else if (qAlpha(own) == 255) {
                        ++opaque;
                        const QPoint at = control->rect.topLeft() + QPoint(x, y);
                        if (!covered.contains(at))
                            worst = qMax(worst, distance(own, skin.pixel(at)));
                    }
                }
            }
            QVERIFY2(opaque > normal.width() * normal.height() / 3, qPrintable(control->field));
            QVERIFY2(clear > 0, qPrintable(control->field));
            QVERIFY2(worst <= 2, qPrintable(QStringLiteral("%1 differs from the mouse by %2")
                                                .arg(control->field)
                                                .arg(worst)));
            QVERIFY2(over != normal, qPrintable(control->field));
        }
    }

    // The 2x pictures are the same drawing: halved, each is close to its 1x
    // picture (the metal's grain differs pixel by pixel, the shapes do not).
    void sharpPicturesMatchTheirOrdinaryOnes()
    {
        QStringList names{skinName(QStringLiteral("Normal")), skinName(QStringLiteral("Down"))};
        for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
            if (!control.ownPicture.isEmpty())
                names << control.ownPicture + QStringLiteral("_Over.png");
        }
        for (const QString &name : std::as_const(names)) {
            const QImage ordinary = shippedPicture(name);
            const QImage halved = shippedPicture(name, 2).scaled(
                ordinary.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            qint64 total = 0;
            for (int y = 0; y < ordinary.height(); ++y) {
                for (int x = 0; x < ordinary.width(); ++x) {
                    const QRgb a = ordinary.pixel(x, y);
                    const QRgb b = halved.pixel(x, y);
                    total += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                             qAbs(qBlue(a) - qBlue(b)) + qAbs(qAlpha(a) - qAlpha(b));
                }
            }
            const double mean = double(total) / (4.0 * ordinary.width() * ordinary.height());
            QVERIFY2(mean < 6.0, qPrintable(QStringLiteral("%1: %2").arg(name).arg(mean)));
        }
    }
};

ORVEX_UI_TEST_MAIN(MainViewArtworkTest)
#include "MainViewArtworkTest.moc"
