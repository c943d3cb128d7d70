// SPDX-License-Identifier: GPL-3.0-or-later
// The macro editor's step table: the codes it reports for each mouse button,
// where the events go on to, and what its owner decides about editing.
#include "UiTestSupport.h"

#include "WexBtnDelege.h"
#include "pages/RigthMouseTBDelegate.h"
#include "pages/RigthMouseTBView.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QStandardItemModel>

using namespace orvex;

namespace {

// The page around the table: counts the right presses and context-menu
// requests that reach it.
class Page : public QWidget
{
public:
    int rightPresses = 0;
    int menus = 0;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::RightButton)
            ++rightPresses;
    }
    void contextMenuEvent(QContextMenuEvent *) override { ++menus; }
};

class Recorder : public WexBtnDelege, public RigthMouseTBDelegate
{
public:
    QList<int> codes;
    QObject *sender = nullptr;
    bool mayBegin = true;
    bool mayEnd = true;
    QStringList endTexts;

    void onMouseEvent(QObject *from, QEvent *, int type) override
    {
        sender = from;
        codes << type;
    }
    bool textShouldBeginEditing(RigthMouseTBView *, const QModelIndex &) override
    {
        return mayBegin;
    }
    bool textShouldEndEditing(RigthMouseTBView *, const QModelIndex &, const QString &text) override
    {
        endTexts << text;
        return mayEnd;
    }
};

} // namespace

class RigthMouseTBViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Page> page;
    RigthMouseTBView *table = nullptr;
    QStandardItemModel *model = nullptr;
    Recorder recorder;

    QPoint cell(int row) const { return table->visualRect(model->index(row, 0)).center(); }

private Q_SLOTS:
    void init()
    {
        page = std::make_unique<Page>();
        page->resize(300, 200);
        table = new RigthMouseTBView(page.get());
        table->setGeometry(10, 10, 280, 180);
        model = new QStandardItemModel(3, 2, table);
        for (int row = 0; row < 3; ++row)
            model->setItem(row, 0, new QStandardItem(QStringLiteral("step %1").arg(row)));
        table->setModel(model);
        table->setWexBtnDelege(&recorder);
        table->setTableDelegate(&recorder);
        recorder = Recorder();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }

    void cleanup()
    {
        page.reset();
        table = nullptr;
    }

    void everyButtonIsReportedWithItsCodes_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("capture");
        QTest::addColumn<QList<int>>("codes");
        for (const bool capture : {false, true}) {
            QTest::addRow("left%s", capture ? ", captured" : "")
                << Qt::LeftButton << capture << QList<int>{4, 5};
            QTest::addRow("right%s", capture ? ", captured" : "")
                << Qt::RightButton << capture << QList<int>{6, 7};
            QTest::addRow("middle%s", capture ? ", captured" : "")
                << Qt::MiddleButton << capture << QList<int>{8, 9};
        }
    }

    void everyButtonIsReportedWithItsCodes()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, capture);
        QFETCH(QList<int>, codes);
        table->setIsCaptureMouseEvent(capture);
        QTest::mouseClick(table->viewport(), button, {}, cell(1));
        QCOMPARE(recorder.codes, codes);
        QCOMPARE(recorder.sender, static_cast<QObject *>(table));
        QVERIFY(table->hasFocus());
        // A left click selects its row only when the table handles it; a
        // right press reaches the page only then.
        QCOMPARE(table->currentIndex().row() == 1, button == Qt::LeftButton && !capture);
        QCOMPARE(page->rightPresses, button == Qt::RightButton && !capture ? 1 : 0);
    }

    void theSecondPressOfADoubleClickIsAPress()
    {
        QMouseEvent second(QEvent::MouseButtonDblClick, cell(0),
                           table->viewport()->mapToGlobal(cell(0)), Qt::LeftButton, Qt::LeftButton,
                           {});
        QApplication::sendEvent(table->viewport(), &second);
        QCOMPARE(recorder.codes, QList<int>{4});
    }

    void theContextMenuIsThePagesUnlessClicksAreCaptured()
    {
        const QPoint at = cell(2);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
        QApplication::sendEvent(table->viewport(), &request);
        QCOMPARE(page->menus, 1);
        table->setIsCaptureMouseEvent(true);
        QContextMenuEvent captured(QContextMenuEvent::Mouse, at,
                                   table->viewport()->mapToGlobal(at));
        QApplication::sendEvent(table->viewport(), &captured);
        QCOMPARE(page->menus, 1);
    }

    void theOwnerDecidesWhetherEditingBeginsAndEnds()
    {
        const QModelIndex first = model->index(0, 0);
        recorder.mayBegin = false;
        table->edit(first);
        QVERIFY(!table->indexWidget(first));

        recorder.mayBegin = true;
        recorder.mayEnd = false;
        table->edit(first);
        auto *editor = qobject_cast<QLineEdit *>(table->indexWidget(first));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("press A"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(recorder.endTexts, QStringList{QStringLiteral("press A")});
        QCOMPARE(table->indexWidget(first), editor);
        QCOMPARE(model->data(first).toString(), QStringLiteral("step 0"));

        recorder.mayEnd = true;
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!table->indexWidget(first));
        QCOMPARE(model->data(first).toString(), QStringLiteral("press A"));
    }
};

ORVEX_UI_TEST_MAIN(RigthMouseTBViewTest)

#include "RigthMouseTBViewTest.moc"
