// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "LoadingOverlay.h"
#include "ShowLoadView.h"
#include "WexNoTitleWindow.h"
#include "messaging/LoadingOverlayHook.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>

using namespace orvex;

class LoadingOverlayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing has been shown yet in this process.
    void hideBeforeAnyShowDoesNothing()
    {
        LoadingOverlay::hideLoadViewPro();
        QVERIFY(LoadingOverlay::showLoadFrm() == nullptr);
        QVERIFY(!LoadingOverlay::isShown());
    }

    void showPlacesTheOverlayBelowTheCentreAndAnimates()
    {
        LoadingOverlay::showLoadViewPro();
        WexNoTitleWindow *window = LoadingOverlay::showLoadFrm();
        QVERIFY(window);
        QVERIFY(LoadingOverlay::isShown());
        QCOMPARE(window->size(), QSize(146, 87));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window->pos(), QPoint(screen.left() + (screen.width() - 146) / 2,
                                       screen.top() + (screen.height() - 87) / 2 + 200));
        QVERIFY(LoadingOverlay::loadView()->showView());
        QCOMPARE(LoadingOverlay::loadView()->showView()->size(), QSize(146, 87));

        LoadingOverlay::hideLoadViewPro();
        QVERIFY(!LoadingOverlay::isShown());
        QVERIFY(!LoadingOverlay::loadView()->showView());
        // The window is kept for the next show.
        LoadingOverlay::showLoadViewPro();
        QCOMPARE(LoadingOverlay::showLoadFrm(), window);
        LoadingOverlay::hideLoadViewPro();
    }

    void workerProgressReachesTheOverlayInOrder()
    {
        LoadingOverlay::installHook();
        LoadingOverlayHook::show();
        QVERIFY(LoadingOverlay::isShown());
        QThread *worker = QThread::create([] {
            for (int profile = 1; profile <= 5; ++profile) {
                LoadingOverlayHook::reportProgress(
                    profile, 5, QStringLiteral("Reading profile %1 of 5").arg(profile));
            }
        });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QTRY_COMPARE(LoadingOverlay::loadView()->progressText(),
                     QStringLiteral("Reading profile 5 of 5"));
        QVERIFY(
            LoadingOverlay::loadView()->accessibleDescription().contains(QStringLiteral("5 of 5")));

        LoadingOverlayHook::hide();
        QVERIFY(!LoadingOverlay::isShown());
        // A new transfer starts with an empty progress line.
        LoadingOverlayHook::show();
        QCOMPARE(LoadingOverlay::loadView()->progressText(), QString());
        QCOMPARE(LoadingOverlay::loadView()->progressPercent(), -1);
        LoadingOverlayHook::hide();
    }

    void withoutHandlersTheHookDoesNothing()
    {
        LoadingOverlayHook::reset();
        LoadingOverlayHook::show();
        LoadingOverlayHook::reportProgress(1, 2, QStringLiteral("ignored"));
        QVERIFY(!LoadingOverlay::isShown());
    }
};

ORVEX_UI_TEST_MAIN(LoadingOverlayTest)
#include "LoadingOverlayTest.moc"
