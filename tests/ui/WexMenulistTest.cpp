// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "MacroMenuList.h"
#include "PickListStyle.h"
#include "WexAccessibleFactory.h"
#include "WexMenulist.h"
#include "WexMenulistDelegate.h"
#include "catalogue/Catalogue.h"
#include "catalogue/MenuInfo.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QListWidget>

#include <memory>

using namespace orvex;

namespace {

struct ChoiceDelegate : WexMenulistDelegate
{
    QList<WexTreeNode::Ptr> chosen;
    void onMenulistSelected(WexMenulist *, const WexTreeNode::Ptr &node) override
    {
        chosen.append(node);
    }
};

WexTreeNode::Ptr treeOf(const QStringList &captions, int separatorAfter = -1)
{
    WexTreeNode::Ptr root = WexTreeNode::initWithData(nullptr);
    for (int i = 0; i < captions.size(); ++i) {
        auto entry = std::make_shared<MenuInfo>();
        entry->setTitleStr(captions.at(i));
        entry->needSepretor = i == separatorAfter;
        WexTreeNode::initWithData(entry, root);
    }
    return root;
}

} // namespace

class WexMenulistTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowTheNodeWhenShown()
    {
        WexTreeNode::Ptr root = treeOf({QStringLiteral("Copy"), QStringLiteral("Paste")});
        std::unique_ptr<WexMenulist> list(WexMenulist::menulistWithNode(root));
        QCOMPARE(list->rowCount(), 2);
        WexTreeNode::initWithData(std::make_shared<MenuInfo>(), root);
        list->showMenulist(QPoint(10, 10));
        QCOMPARE(list->rowCount(), 3);
        QCOMPARE(list->rowCaption(1), QStringLiteral("Paste"));
        list->hide();
    }

    void aClickChoosesThatNodeAndCloses()
    {
        WexTreeNode::Ptr root =
            treeOf({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
        ChoiceDelegate delegate;
        std::unique_ptr<WexMenulist> list(WexMenulist::menulistWithNode(root));
        list->setDelegate(&delegate);
        PickListStyle::apply(list.get(), PickListStyle::ProfileListWidth);
        list->showMenulist(QPoint(20, 20));
        QCOMPARE(list->width(), 153);
        QCOMPARE(list->height(), 3 * WexMenulist::RowHeight + 4);
        QListWidget *rows = list->listWidget();
        const QRect second = rows->visualItemRect(rows->item(1));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(delegate.chosen.size(), 1);
        QCOMPARE(delegate.chosen.first(), root->childAt(1));
        QVERIFY(!list->isVisible());
    }

    void escapeClosesWithoutAChoice()
    {
        WexTreeNode::Ptr root = treeOf({QStringLiteral("One")});
        ChoiceDelegate delegate;
        std::unique_ptr<WexMenulist> list(WexMenulist::menulistWithNode(root));
        list->setDelegate(&delegate);
        list->showMenulist(QPoint(0, 0));
        QTest::keyClick(list->listWidget(), Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QVERIFY(delegate.chosen.isEmpty());
        QVERIFY(!list->chooseRow(5));
    }

    void returnChoosesTheHighlightedRow()
    {
        WexTreeNode::Ptr root = treeOf({QStringLiteral("One"), QStringLiteral("Two")});
        ChoiceDelegate delegate;
        std::unique_ptr<WexMenulist> list(WexMenulist::menulistWithNode(root));
        list->setDelegate(&delegate);
        list->showMenulist(QPoint(0, 0));
        list->listWidget()->setCurrentRow(1);
        QTest::keyClick(list->listWidget(), Qt::Key_Return);
        QCOMPARE(delegate.chosen, QList<WexTreeNode::Ptr>{root->childAt(1)});
    }

    void anAccessibleActionOnARowChoosesIt()
    {
        WexAccessibleFactory::ensureInstalled();
        WexTreeNode::Ptr root =
            treeOf({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
        ChoiceDelegate delegate;
        std::unique_ptr<WexMenulist> list(WexMenulist::menulistWithNode(root));
        list->setDelegate(&delegate);
        list->showMenulist(QPoint(0, 0));
        QAccessibleInterface *application = QAccessible::queryAccessibleInterface(qApp);
        bool listed = false;
        for (int i = 0; i < application->childCount(); ++i)
            listed = listed || application->child(i)->object() == list.get();
        QVERIFY(listed);

        list->listWidget()->setCurrentRow(0);
        QCoreApplication::processEvents();
        QVERIFY(delegate.chosen.isEmpty());
        QAccessibleInterface *rows = QAccessible::queryAccessibleInterface(list->listWidget());
        QAccessibleInterface *two = nullptr;
        for (int i = 0; i < rows->childCount(); ++i) {
            if (rows->child(i)->text(QAccessible::Name) == QStringLiteral("Two"))
                two = rows->child(i);
        }
        QVERIFY(two && two->actionInterface());
        two->actionInterface()->doAction(two->actionInterface()->actionNames().first());
        QTRY_COMPARE(delegate.chosen, QList<WexTreeNode::Ptr>{root->childAt(1)});
        QVERIFY(!list->isVisible());
    }

    void separatorsOnlyWithASeparatorColour()
    {
        WexTreeNode::Ptr root = treeOf({QStringLiteral("A"), QStringLiteral("B")}, 0);
        std::unique_ptr<WexMenulist> list(WexMenulist::menulistWithNode(root));
        PickListStyle::apply(list.get(), PickListStyle::MacroListWidth);
        QVERIFY(!list->rowNeedsSeparator(0));
        list->setMenulistFontColor(Qt::white, Qt::black, Qt::white, Qt::red, Qt::black, Qt::gray,
                                   list->textFont());
        QVERIFY(list->rowNeedsSeparator(0));
        QVERIFY(!list->rowNeedsSeparator(1));
    }

    void catalogueRebuildsPointTheSharedMacroList()
    {
        Catalogue::resetState();
        MacroMenuList::installHook();
        QVERIFY(Catalogue::addMacorByName(QStringLiteral("Combo")));
        Catalogue::refreshMenuList();
        WexMenulist *list = MacroMenuList::macroMenuList();
        QVERIFY(list);
        QCOMPARE(list->menuNode(), Catalogue::macroNode);
        QCOMPARE(list->rowCaption(0), QStringLiteral("Combo"));
        QCOMPARE(list->menulistAtt().menuWidth(), 141);
        QCOMPARE(list->menulistAtt().captionAlignment(), WexMenulistAtt::AlignCentre);
        Catalogue::refreshMenuList();
        QCOMPARE(MacroMenuList::macroMenuList(), list);
        Catalogue::resetState();
    }
};

ORVEX_UI_TEST_MAIN(WexMenulistTest)
#include "WexMenulistTest.moc"
