// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "KeltoImageView.h"

#include <memory>

using namespace orvex;

namespace {

// Records the order in which the template runs its steps.
class RecordingView : public KeltoImageView
{
public:
    RecordingView(const QRect &frame, QWidget *parent, QStringList *log)
        : KeltoImageView(frame, parent), m_log(log)
    {
    }
    void initData() override { m_log->append(QStringLiteral("initData")); }
    void initControls() override { m_log->append(QStringLiteral("initControls")); }
    void refreshData() override { m_log->append(QStringLiteral("refreshData")); }
    void initNotify() override { m_log->append(QStringLiteral("initNotify")); }
    void deallocNotify() override { m_log->append(QStringLiteral("deallocNotify")); }

private:
    QStringList *m_log;
};

QImage solid(QRgb colour)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class KeltoImageViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void siblingNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("over");
        QTest::addColumn<QString>("active");
        QTest::newRow("one underscore") << "MainView_Normal.png"
                                        << "MainView_Over.png"
                                        << "MainView_Active.png";
        QTest::newRow("several underscores") << "Main_View_Big_Normal.png"
                                             << "Main_Over.png"
                                             << "Main_Active.png";
        QTest::newRow("no underscore") << "Slider.png"
                                       << "Slider_Over.png"
                                       << "Slider_Active.png";
        QTest::newRow("dotted base") << "Skin.v2.jpg"
                                     << "Skin.v2_Over.jpg"
                                     << "Skin.v2_Active.jpg";
    }

    void siblingNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, over);
        QFETCH(QString, active);
        QCOMPARE(KeltoImageView::siblingImageName(fileName, QStringLiteral("Over")), over);
        QCOMPARE(KeltoImageView::siblingImageName(fileName, QStringLiteral("Active")), active);
    }

    void setImageByNameLoadsTheFiveStatePictures()
    {
        const QString folder = test::useFreshResourceFolder();
        test::writePicture(folder, QStringLiteral("Main_View_Normal.png"), solid(0xff000001));
        test::writePicture(folder, QStringLiteral("Main_Over.png"), solid(0xff000002));
        test::writePicture(folder, QStringLiteral("Main_Down.png"), solid(0xff000003));
        test::writePicture(folder, QStringLiteral("Main_Disable.png"), solid(0xff000004));
        // No Main_Active.png: its picture stays null.
        KeltoImageView view(QRect(0, 0, 4, 4));
        view.setImageByName(QStringLiteral("Main_View_Normal.png"));
        QCOMPARE(view.bgImage().pixel(0, 0), 0xff000001u);
        QCOMPARE(view.overImage().pixel(0, 0), 0xff000002u);
        QCOMPARE(view.downImage().pixel(0, 0), 0xff000003u);
        QCOMPARE(view.disableImage().pixel(0, 0), 0xff000004u);
        QVERIFY(view.activeImage().isNull());

        view.setImageByName(QString());
        QCOMPARE(view.bgImage().pixel(0, 0), 0xff000001u);
    }

    void templateRunsOnceInOrderAndFollowsTheParent()
    {
        QStringList log;
        QWidget first;
        QWidget second;
        std::unique_ptr<RecordingView> view(
            KeltoImageView::create<RecordingView>(QRect(0, 0, 50, 30), &first, &log));
        QCOMPARE(log, (QStringList{QStringLiteral("initData"), QStringLiteral("initControls"),
                                   QStringLiteral("refreshData"), QStringLiteral("initNotify")}));
        QCOMPARE(view->frmHeight(), 30);
        log.clear();
        view->setParent(&second);
        QCOMPARE(log, (QStringList{QStringLiteral("deallocNotify"), QStringLiteral("initNotify")}));
        log.clear();
        view->setParent(nullptr);
        QCOMPARE(log, QStringList{QStringLiteral("deallocNotify")});
        view->runSetUpTemplate();
        QCOMPARE(log, QStringList{QStringLiteral("deallocNotify")});
    }

    void bottomLeftRectMeasuresFromTheBottomEdge()
    {
        KeltoImageView view(QRect(0, 0, 494, 174));
        QCOMPARE(view.bottomLeftRect(QRect(284, 124, 92, 26)), QRect(284, 24, 92, 26));
    }

    void drawsItsBackgroundAtTheOrigin()
    {
        KeltoImageView view(QRect(0, 0, 4, 4));
        view.setBgImage(solid(0xff102030));
        QCOMPARE(test::rendered(&view).pixel(3, 3), 0xff102030u);
    }
};

ORVEX_UI_TEST_MAIN(KeltoImageViewTest)
#include "KeltoImageViewTest.moc"
