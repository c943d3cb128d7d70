// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "WexButton.h"
#include "WexSetpDelegate.h"
#include "WexSetpPanelObj.h"

#include <QAccessible>

#include <memory>

using namespace orvex;

namespace {

struct Call
{
    int newIndex;
    int oldIndex;
    bool operator==(const Call &other) const = default;
};

struct VetoDelegate : WexSetpDelegate
{
    bool allow = true;
    QList<Call> asked;
    QList<Call> told;
    bool shouldSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *) override
    {
        asked.append({newIndex, oldIndex});
        return allow;
    }
    void onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *) override
    {
        told.append({newIndex, oldIndex});
    }
};

} // namespace

class WexSetpPanelObjTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> page;
    std::unique_ptr<WexSetpPanelObj> panel;
    QList<WexButton *> buttons;
    VetoDelegate delegate;

private Q_SLOTS:
    void init()
    {
        page = std::make_unique<QWidget>();
        panel = std::make_unique<WexSetpPanelObj>();
        buttons.clear();
        delegate = {};
        for (int i = 0; i < 3; ++i) {
            auto *button = new WexButton(page.get());
            button->setGeometry(i * 20, 0, 20, 20);
            button->setTitle(QStringLiteral("Item %1").arg(i + 1));
            panel->addItem(button);
            buttons.append(button);
        }
        panel->setSetpDelegate(&delegate);
    }

    void cleanup()
    {
        panel.reset();
        page.reset();
    }

    void selectionIsOneBasedAndTellsTheOldIndex()
    {
        QVERIFY(panel->selectindex(1));
        QVERIFY(panel->selectindex(3));
        QCOMPARE(delegate.told, (QList<Call>{{1, 0}, {3, 1}}));
        QCOMPARE(panel->currentSetp(), 3);
        QVERIFY(buttons.at(2)->Checked());
        QVERIFY(!buttons.at(0)->Checked());
        QCOMPARE(panel->tabBtnArr(), buttons);
        QCOMPARE(panel->indexOf(buttons.at(1)), 2);
    }

    void vetoKeepsTheOldItem()
    {
        panel->selectindex(1);
        delegate.allow = false;
        QVERIFY(!panel->selectindex(2));
        QTest::mouseClick(buttons.at(2), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(panel->currentSetp(), 1);
        QVERIFY(buttons.at(0)->Checked());
        QVERIFY(!buttons.at(1)->Checked());
        QVERIFY(!buttons.at(2)->Checked());
        QCOMPARE(delegate.asked.size(), 3);
        QCOMPARE(delegate.told.size(), 1);
    }

    void clickSelectsAndSameOrOutOfRangeIndexDoesNothing()
    {
        QTest::mouseClick(buttons.at(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(panel->currentSetp(), 2);
        QTest::mouseClick(buttons.at(1), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!panel->selectindex(2));
        QVERIFY(!panel->selectindex(4));
        QVERIFY(!panel->selectindex(-1));
        QCOMPARE(delegate.asked.size(), 1);
        QVERIFY(panel->selectindex(0));
        QCOMPARE(delegate.told.last(), (Call{0, 2}));
        QVERIFY(!buttons.at(1)->Checked());
    }

    void enableByIndexZeroMeansEveryItem()
    {
        panel->setBtnEnableByIndex(0, false);
        for (WexButton *button : std::as_const(buttons))
            QVERIFY(!button->isEnable());
        panel->setBtnEnableByIndex(2, true);
        QVERIFY(buttons.at(1)->isEnable());
        QVERIFY(!buttons.at(0)->isEnable());
        panel->setBtnEnableByIndex(7, true);
        QVERIFY(!buttons.at(2)->isEnable());
        QTest::mouseClick(buttons.at(0), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(panel->currentSetp(), 0);
    }

    void itemsReportRadioRoleAndCheckedState()
    {
        panel->selectindex(2);
        QAccessibleInterface *item = QAccessible::queryAccessibleInterface(buttons.at(1));
        QCOMPARE(item->role(), QAccessible::RadioButton);
        QVERIFY(item->state().checkable);
        QVERIFY(item->state().checked);
        QVERIFY(!QAccessible::queryAccessibleInterface(buttons.at(0))->state().checked);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Item 2"));
        item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(panel->currentSetp(), 2);
        QAccessible::queryAccessibleInterface(buttons.at(2))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(panel->currentSetp(), 3);
    }

    void boxesFollowTheirItems()
    {
        WexSetpPanelObj tabs;
        QWidget first(page.get());
        QWidget second(page.get());
        page->show();
        tabs.addItem(buttons.at(0), &first);
        tabs.addItem(buttons.at(1), &second);
        tabs.selectindex(2);
        QVERIFY(second.isVisible());
        QVERIFY(!first.isVisible());
    }
};

ORVEX_UI_TEST_MAIN(WexSetpPanelObjTest)
#include "WexSetpPanelObjTest.moc"
