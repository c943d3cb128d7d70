// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "KeltoImageView.h"
#include "SettingViewLayout.h"
#include "WexProgressBar.h"
#include "platform/ResourceFolder.h"

#include <QImageReader>

using namespace orvex;

namespace {

using Control = SettingViewLayout::Control;
using View = SettingViewLayout::View;

QString atScale(const QString &name, int scale)
{
    return scale == 1 ? name
                      : QString(name).replace(QLatin1String(".png"), QLatin1String("@2x.png"));
}

QSize sizeOf(const QString &name)
{
    QImageReader reader(ResourceFolder::filePath(name));
    return reader.canRead() ? reader.size() : QSize();
}

QImage shipped(const QString &name)
{
    return QImage(ResourceFolder::filePath(name)).convertToFormat(QImage::Format_ARGB32);
}

QRect viewRect(View view)
{
    return view == View::Page ? QRect(QPoint(0, 0), SettingViewLayout::ViewSize)
                              : QRect(QPoint(0, 0), SettingViewLayout::DpiViewRect.size());
}

// The joint resolution row, which the separate X and Y view covers.
bool underDpiView(const Control &control)
{
    return control.view == View::Page &&
           SettingViewLayout::DpiViewRect.contains(control.rect, true);
}

} // namespace

// The performance page's control table and the pictures drawn from it:
// shipped at their sizes, every control and label in its own room, and the
// skin's level marks where the level slider's thumb stops.
class SettingViewArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(!ResourceFolder::path().isEmpty(), "no resource folder"); }

    void everyPictureIsShippedAtItsSize()
    {
        for (const int scale : {1, 2}) {
            for (const char *face : {"Normal", "Over", "Down", "Disable", "Active"}) {
                const QString name =
                    atScale(QStringLiteral("SettingView_%1.png").arg(QLatin1String(face)), scale);
                QCOMPARE(sizeOf(name), SettingViewLayout::ViewSize * scale);
            }
            for (const char *face : {"Normal", "Active"}) {
                const QString name = atScale(
                    QStringLiteral("SettingDPIView_%1.png").arg(QLatin1String(face)), scale);
                QCOMPARE(sizeOf(name), SettingViewLayout::DpiViewRect.size() * scale);
            }
        }
    }

    // Controls and the labels the skin draws left of the sliders never run
    // into one another or off their view.
    void controlsAndRowLabelsKeepTheirOwnRoom()
    {
        const QList<Control> &controls = SettingViewLayout::controls();
        for (const Control &control : controls) {
            QVERIFY2(viewRect(control.view).contains(control.rect), qPrintable(control.field));
            if (control.view == View::Page && !underDpiView(control))
                QVERIFY2(!control.rect.intersects(SettingViewLayout::DpiViewRect),
                         qPrintable(control.field));
            const QRect label = control.kind == SettingViewLayout::Kind::Slider
                                    ? SettingViewLayout::rowLabel(control)
                                    : QRect();
            for (const Control &other : controls) {
                if (other.view != control.view || other.field == control.field)
                    continue;
                QVERIFY2(!control.rect.intersects(other.rect),
                         qPrintable(control.field + QStringLiteral(" / ") + other.field));
                QVERIFY2(label.isEmpty() || !label.intersects(other.rect),
                         qPrintable(control.field + QStringLiteral(" label / ") + other.field));
            }
        }
    }

    // The X and Y view is cut from a page drawn with its rows in place: at
    // its edges it is the page's skin, so it lies on the page without a seam.
    void theDpiViewMeetsThePageWithoutASeam()
    {
        const QImage page = shipped(QStringLiteral("SettingView_Normal.png"));
        const QImage view = shipped(QStringLiteral("SettingDPIView_Normal.png"));
        const QPoint origin = SettingViewLayout::DpiViewRect.topLeft();
        int worst = 0;
        for (int x = 0; x < view.width(); ++x) {
            for (const int y : {0, view.height() - 1}) {
                const QRgb a = view.pixel(x, y);
                const QRgb b = page.pixel(origin + QPoint(x, y));
                worst = qMax(worst, qAbs(qGray(a) - qGray(b)));
            }
        }
        for (int y = 0; y < view.height(); ++y) {
            for (const int x : {0, view.width() - 1}) {
                const QRgb a = view.pixel(x, y);
                const QRgb b = page.pixel(origin + QPoint(x, y));
                worst = qMax(worst, qAbs(qGray(a) - qGray(b)));
            }
        }
        QVERIFY2(worst <= 2, qPrintable(QString::number(worst)));
    }

    void levelMarksLieWhereTheThumbStops()
    {
        const Control *entry = SettingViewLayout::byField(QStringLiteral("dpiLevelPro"));
        QVERIFY(entry);
        WexProgressBar slider;
        slider.setGeometry(entry->rect);
        slider.setIndicateImage(
            KeltoImageView::loadImage(QLatin1String(SettingViewLayout::LevelThumb)));
        slider.setMinValue(entry->minimum);
        slider.setMaxValue(entry->maximum);
        for (int level = entry->minimum; level <= entry->maximum; ++level)
            QCOMPARE(entry->rect.left() + slider.thumbCentre(level).x(),
                     SettingViewLayout::levelMark(level));
    }
};

ORVEX_UI_TEST_MAIN(SettingViewArtworkTest)

#include "SettingViewArtworkTest.moc"
