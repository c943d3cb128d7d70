// SPDX-License-Identifier: GPL-3.0-or-later
// The skinned widgets on a screen scaled to 200 %: this program runs with
// QT_SCALE_FACTOR=2, so the application's device pixel ratio is 2.
#include "UiTestSupport.h"

#include "KeltoImageView.h"
#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "WexImageView.h"

#include <memory>

using namespace orvex;

namespace {

const QSize SkinSize(100, 100);
const QRect ButtonRect(10, 20, 30, 40);

// The pattern of `state` at 1x ("<base>_<state>.png") and at 2x
// ("<base>_<state>@2x.png"): two different pictures, so a test sees which
// one was taken.
void writeStatePictures(const QString &folder, const QString &base)
{
    const QStringList states{QStringLiteral("Normal"), QStringLiteral("Over"),
                             QStringLiteral("Down"), QStringLiteral("Disable")};
    for (int state = 0; state < states.size(); ++state) {
        const QString name = QStringLiteral("%1_%2").arg(base, states.at(state));
        test::writePicture(folder, name + QStringLiteral(".png"),
                           test::patternPicture(SkinSize, state));
        test::writePicture(folder, name + QStringLiteral("@2x.png"),
                           test::patternPicture(SkinSize * 2, state).mirrored(true, false));
    }
}

QImage argb(const QImage &image)
{
    QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    plain.setDevicePixelRatio(1.0);
    return plain;
}

} // namespace

class HiDpiSkinTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void picturesComeAtTwiceThePixelsWhereShipped()
    {
        const QString folder = test::useFreshResourceFolder();
        writeStatePictures(folder, QStringLiteral("Skin"));
        test::writePicture(folder, QStringLiteral("Plain.png"),
                           test::patternPicture(QSize(8, 6), 0));

        const QImage sharp = KeltoImageView::loadImage(QStringLiteral("Skin_Normal.png"));
        QCOMPARE(sharp.size(), SkinSize * 2);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(SkinSize));

        // Without a 2x picture the 1x one is used, enlarged when drawn.
        const QImage plain = KeltoImageView::loadImage(QStringLiteral("Plain.png"));
        QCOMPARE(plain.size(), QSize(8, 6));
        QCOMPARE(plain.devicePixelRatio(), 1.0);
    }

    // A button cuts each state from the 2x skin at twice its rectangle, and
    // draws it at its own size in units.
    void buttonStatesAreCutFromTheSharpSkin()
    {
        const QString folder = test::useFreshResourceFolder();
        writeStatePictures(folder, QStringLiteral("Skin"));
        KeltoImageView parent(QRect(QPoint(0, 0), SkinSize));
        parent.setImageByName(QStringLiteral("Skin_Normal.png"));
        WexButton *button = OrvexWidgetFactory::AddButton(ButtonRect, {}, {}, &parent);
        QCOMPARE(button->geometry(), ButtonRect);

        const QRect pixels(ButtonRect.topLeft() * 2, ButtonRect.size() * 2);
        using S = WexButton::State;
        const QList<QPair<S, QImage>> states{{S::Normal, parent.bgImage()},
                                             {S::Hover, parent.overImage()},
                                             {S::Down, parent.downImage()},
                                             {S::Disable, parent.disableImage()}};
        for (const auto &[state, skin] : states) {
            const QImage picture = button->image(state);
            QCOMPARE(picture.devicePixelRatio(), 2.0);
            QCOMPARE(argb(picture), argb(skin.copy(pixels)));
        }

        const QImage drawn = test::rendered(button);
        QCOMPARE(drawn.size(), ButtonRect.size() * 2);
        QCOMPARE(argb(drawn), argb(parent.bgImage().copy(pixels)));
    }

    void viewDrawsItsSkinAtItsSize()
    {
        const QString folder = test::useFreshResourceFolder();
        writeStatePictures(folder, QStringLiteral("Skin"));
        KeltoImageView view(QRect(QPoint(0, 0), SkinSize));
        view.setImageByName(QStringLiteral("Skin_Normal.png"));
        QCOMPARE(argb(test::rendered(&view)), argb(view.bgImage()));
    }

    // An own picture at 2x: the button's shape (where clicks count) is its
    // opaque part, measured in units.
    void ownPictureShapeIsInUnits()
    {
        QImage half(QSize(40, 40), QImage::Format_ARGB32);
        half.fill(Qt::transparent);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 20; ++x)
                half.setPixel(x, y, qRgba(200, 20, 30, 255));
        }
        half.setDevicePixelRatio(2.0);
        WexButton button;
        button.setGeometry(0, 0, 20, 20);
        button.setNormalImage(half);
        button.setIsNoanomaly(true);
        QVERIFY(button.mask().contains(QPoint(5, 10)));
        QVERIFY(!button.mask().contains(QPoint(15, 10)));
        QCOMPARE(button.mask().boundingRect(), QRect(0, 0, 10, 20));
    }

    void pictureViewShowsASharpPictureAtItsSize()
    {
        QImage picture = test::patternPicture(QSize(28, 28), 0);
        picture.setDevicePixelRatio(2.0);
        WexImageView view;
        view.resize(14, 14);
        view.setImage(picture);
        QCOMPARE(argb(test::rendered(&view)), argb(picture));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    orvex::test::prepareUiTestEnvironment();
    QApplication application(argc, argv);
    HiDpiSkinTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HiDpiSkinTest.moc"
