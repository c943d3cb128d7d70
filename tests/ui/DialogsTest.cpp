// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "OrvexWidgetFactory.h"
#include "PopDialogLayout.h"
#include "PopDialogView.h"
#include "WexMessageBox.h"
#include "WexNoTitleWindow.h"
#include "WexUiAction.h"

#include <QAccessible>
#include <QTimer>

#include <functional>

using namespace orvex;

namespace {

// Calls `act` with the window of the modal run that is about to start, once
// it is on screen.
void whenModal(std::function<void(WexNoTitleWindow *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<WexNoTitleWindow *>(widget);
            if (window && window->isModalRunning() && window->isVisible()) {
                timer->deleteLater();
                timer->stop();
                act(window);
                return;
            }
        }
    });
    timer->start();
}

template <typename View> View *contentOf(WexNoTitleWindow *window)
{
    return qobject_cast<View *>(window->contentView());
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test::useFreshResourceFolder(); }

    void okSitsWhereTheTableSaysAndEndsWithOne()
    {
        QRect okFrame;
        QRect okBottomLeft;
        bool cancelShown = true;
        whenModal([&](WexNoTitleWindow *window) {
            auto *view = contentOf<PopDialogView>(window);
            QVERIFY(view);
            okFrame = view->okBtn()->geometry();
            okBottomLeft = view->bottomLeftRect(okFrame);
            cancelShown = view->cancelBtn() != nullptr;
            QTest::mouseClick(view->okBtn(), Qt::LeftButton, {}, QPoint(5, 5));
        });
        QVERIFY(OrvexWidgetFactory::showPopView(QStringLiteral("WarningResetAll"), QSize(494, 174),
                                                QPoint(284, 124), QPoint(387, 124)));
        QCOMPARE(okFrame, QRect(284, 124, 92, 26));
        QCOMPARE(okBottomLeft, QRect(284, 24, 92, 26));
        QVERIFY(cancelShown);
    }

    void cancelEndsWithZero()
    {
        QRect cancelFrame;
        whenModal([&](WexNoTitleWindow *window) {
            auto *view = contentOf<PopDialogView>(window);
            cancelFrame = view->cancelBtn()->geometry();
            QTest::mouseClick(view->cancelBtn(), Qt::LeftButton, {}, QPoint(5, 5));
        });
        QVERIFY(!OrvexWidgetFactory::showPopView(QStringLiteral("WarningNeedSave")));
        QCOMPARE(cancelFrame, QRect(384, 124, 92, 26));
    }

    void zeroCancelOriginGivesNoCancel()
    {
        bool cancelShown = true;
        QSize size;
        whenModal([&](WexNoTitleWindow *window) {
            auto *view = contentOf<PopDialogView>(window);
            cancelShown = view->cancelBtn() != nullptr || view->isChoose();
            size = window->size();
            view->okBtn()->performClick();
        });
        QVERIFY(OrvexWidgetFactory::showPopView(QStringLiteral("WarningBattle"), QSize(598, 173),
                                                QPoint(489, 124), QPoint(0, 124)));
        QVERIFY(!cancelShown);
        QCOMPARE(size, QSize(598, 173));
    }

    void closingTheWindowCountsAsCancel()
    {
        whenModal([](WexNoTitleWindow *window) { window->close(); });
        QVERIFY(!OrvexWidgetFactory::showPopView(QStringLiteral("WarningResetAll")));
    }

    void everyDialogIsDescribedForScreenReaders()
    {
        for (const PopDialogLayout &layout : PopDialogLayout::all()) {
            QString name;
            QString description;
            QString okName;
            whenModal([&](WexNoTitleWindow *window) {
                auto *view = contentOf<PopDialogView>(window);
                QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(view);
                name = dialog->text(QAccessible::Name);
                description = dialog->text(QAccessible::Description);
                okName =
                    QAccessible::queryAccessibleInterface(view->okBtn())->text(QAccessible::Name);
                view->okBtn()->performClick();
            });
            OrvexWidgetFactory::showPopView(layout.name);
            QCOMPARE(name, layout.title);
            QCOMPARE(description, layout.message);
            QCOMPARE(okName, QStringLiteral("OK"));
        }
    }

    void messageBoxesAnswerOkAndCancel()
    {
        whenModal([](WexNoTitleWindow *window) {
            contentOf<WexMessageBox>(window)->okBtn()->performClick();
        });
        QVERIFY(WexUiAction::ChooseInfoMessage(QStringLiteral("Are you sure?")));
        whenModal([](WexNoTitleWindow *window) {
            contentOf<WexMessageBox>(window)->cancelBtn()->performClick();
        });
        QVERIFY(!WexUiAction::ChooseInfoMessage(QStringLiteral("Are you sure?")));
        bool hasCancel = true;
        whenModal([&](WexNoTitleWindow *window) {
            hasCancel = contentOf<WexMessageBox>(window)->cancelBtn() != nullptr;
            contentOf<WexMessageBox>(window)->okBtn()->performClick();
        });
        WexUiAction::showInfoMessage(QStringLiteral("Maximum number of profiles reached"));
        QVERIFY(!hasCancel);
    }

    void longMessagesGetTallerBoxes()
    {
        const QString shortText = QStringLiteral("Saved.");
        const QString longText = QString(QStringLiteral("A rather long sentence. ")).repeated(20);
        QVERIFY(WexMessageBox::heightFor(longText) > WexMessageBox::heightFor(shortText));
    }

    void modalRunHookAnswersWithoutShowing()
    {
        WexNoTitleWindow::setModalRunHook([](WexNoTitleWindow *) { return std::optional<int>(1); });
        QVERIFY(OrvexWidgetFactory::showPopView(QStringLiteral("WarningNeedLeft")));
        WexNoTitleWindow::setModalRunHook({});
    }

    void onlyWebAddressesAreOpened()
    {
        QVERIFY(!WexUiAction::openPage(QStringLiteral("javascript:alert(1)")));
        QVERIFY(!WexUiAction::openPage(QStringLiteral("file:///etc/passwd")));
        QVERIFY(!WexUiAction::openPage(QStringLiteral("not an address")));
        QVERIFY(!WexUiAction::openFile(QStringLiteral("/no/such/help.html")));
    }
};

ORVEX_UI_TEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
