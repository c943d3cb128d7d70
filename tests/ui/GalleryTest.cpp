// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "GalleryLayout.h"
#include "GalleryView.h"
#include "WexButton.h"
#include "WexMenulist.h"

#include <QAccessible>
#include <QListWidget>

#include <memory>

using namespace orvex;

class GalleryTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<gallery::GalleryView> view;

private Q_SLOTS:
    void init()
    {
        view.reset(KeltoImageView::create<gallery::GalleryView>(
            QRect(0, 0, gallery::GalleryLayout::Width, gallery::GalleryLayout::Height), nullptr));
    }

    void cleanup() { view.reset(); }

    // Skinned pictures must not leave a screen reader, or a test driving the
    // interface, with nameless controls.
    void everyControlHasAnAccessibleName()
    {
        const QList<QWidget *> controls = view->controls();
        QVERIFY(controls.size() > 30);
        for (QWidget *control : controls) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
            QVERIFY(face);
            QVERIFY2(!face->text(QAccessible::Name).trimmed().isEmpty(),
                     control->metaObject()->className());
            QVERIFY(face->role() != QAccessible::Client);
        }
    }

    void theWholeViewHasNoNamelessSkinnedControl()
    {
        const auto buttons = view->findChildren<WexButton *>();
        for (WexButton *button : buttons)
            QVERIFY(
                !QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty());
    }

    void checkBoxesAndStepItemsReportTheirState()
    {
        int checkBoxes = 0;
        int checkedItems = 0;
        for (WexButton *button : view->findChildren<WexButton *>()) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(button);
            if (face->role() == QAccessible::CheckBox)
                ++checkBoxes;
            if (face->role() == QAccessible::RadioButton && face->state().checked)
                ++checkedItems;
        }
        QCOMPARE(checkBoxes, 2);
        // The first profile tab and the first mode.
        QCOMPARE(checkedItems, 2);
    }

    void pickListNamesItsRowsAndChoosing()
    {
        WexMenulist *list = view->profileList();
        list->showMenulist(QPoint(0, 0));
        QAccessibleInterface *rows = QAccessible::queryAccessibleInterface(list->listWidget());
        QCOMPARE(rows->text(QAccessible::Name), QStringLiteral("Stored profiles"));
        QVERIFY(list->chooseRow(2));
        QCOMPARE(view->pickButton()->title(), QStringLiteral("Strategy"));
    }
};

ORVEX_UI_TEST_MAIN(GalleryTest)
#include "GalleryTest.moc"
