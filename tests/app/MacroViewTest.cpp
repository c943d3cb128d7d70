// SPDX-License-Identifier: GPL-3.0-or-later
// The macro editor, opened from the main window as a person does: choosing
// a macro, recording keys and clicks, editing the steps and their delays,
// new, deleted, exported and imported macros, OK, Cancel and Apply; and a
// recorded macro that reaches the virtual mouse through a button.
#include "AppTestSupport.h"

#include "MacroMenuList.h"
#include "MainView.h"
#include "OrvexAction.h"
#include "PageWindows.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "WexNoTitleWindow.h"
#include "WexNumberTextField.h"
#include "WexTextField.h"
#include "device/MemoryMap.h"
#include "pages/CreateMacroView.h"
#include "pages/MacroStepModel.h"
#include "pages/MacroView.h"
#include "pages/RigthMouseTBView.h"
#include "pages/TkeyView.h"
#include "profile/ProfieController.h"

#include <QAccessible>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

using namespace orvex;
using namespace orvex::test;

namespace {

// Linux key codes (evdev) and the macOS codes the steps store for them.
constexpr int EvdevA = 30;
constexpr int EvdevB = 48;
constexpr int EvdevLeftShift = 42;
constexpr int MacA = 0;
constexpr int MacB = 11;
constexpr int MacLeftShift = 56;
// X and Wayland raise evdev codes by 8.
constexpr int XkbOffset = 8;

// The side button the end-to-end test gives the recorded macro.
constexpr int Button = 3;

struct Step
{
    int code;
    int flag;
    int delay;
};

QList<Step> stepsOf(const MacroInfoPtr &macro)
{
    QList<Step> steps;
    for (const MacroKeyInfoPtr &step : macro->keyInfoArr)
        steps.append({step->keyCode, step->keyFlag, step->delay});
    return steps;
}

QString describe(const QList<Step> &steps)
{
    QStringList parts;
    for (const Step &step : steps)
        parts << QStringLiteral("%1/%2/%3").arg(step.code).arg(step.flag).arg(step.delay);
    return parts.join(u' ');
}

// Stands in for the person at the editor's dialogs: the name dialog really
// runs and gets the next of `names` typed, then OK (once per name; when the
// names run out, Cancel); message boxes are noted by their text and
// answered from `answers` (none left: yes).
class DialogPerson
{
public:
    DialogPerson()
    {
        WexNoTitleWindow::setModalRunHook([this](WexNoTitleWindow *window) -> std::optional<int> {
            if (auto *dialog = qobject_cast<CreateMacroView *>(window->contentView())) {
                ++nameDialogs;
                QTimer::singleShot(0, dialog, [this, dialog] { answer(dialog); });
                return std::nullopt;
            }
            messages << window->contentView()->accessibleDescription();
            return answers.isEmpty() ? 1 : answers.takeFirst();
        });
    }
    ~DialogPerson() { WexNoTitleWindow::setModalRunHook({}); }
    DialogPerson &operator=(const DialogPerson &) = delete;
    void reset()
    {
        names.clear();
        answers.clear();
        messages.clear();
        nameDialogs = 0;
        nameAttempts = 0;
    }

    QStringList names;
    QList<int> answers;
    QStringList messages;
    int nameDialogs = 0;
    int nameAttempts = 0;

private:
    void answer(CreateMacroView *dialog)
    {
        while (!names.isEmpty()) {
            ++nameAttempts;
            dialog->nameTxt()->setText(names.takeFirst());
            // Return in the field confirms, as OK does; a refused name
            // leaves the dialog open for the next.
            QTest::keyClick(dialog->nameTxt(), Qt::Key_Return);
            if (!dialog->nameStr().isEmpty())
                return;
        }
        dialog->cancelBtn()->performClick();
    }
};

// Answers the next file panel with `path`, as typed into its name box.
void answerFilePanel(const QString &path)
{
    QTimer::singleShot(0, [path] {
        auto *panel = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!panel)
            return;
        panel->selectFile(path);
        QMetaObject::invokeMethod(panel, "accept", Qt::DirectConnection);
    });
}

} // namespace

class MacroViewTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ApplicationUnderTest> app;
    std::unique_ptr<DialogPerson> person;
    MacroView *page = nullptr;

    MainView *view() const { return app->view(); }
    WexButton *control(const char *field) const { return app->control(QLatin1String(field)); }
    WexButton *button(int tag) const { return page->byTag(tag); }

    MacroView *openPage()
    {
        control("macroBtn")->performClick();
        WexNoTitleWindow *window = view()->pageWindows().window(PageWindows::Page::Macro);
        return window ? qobject_cast<MacroView *>(window->contentView()) : nullptr;
    }

    bool chooseMacro(const QString &name)
    {
        button(MacroView::MacroNameTag)->performClick();
        WexMenulist *list = MacroMenuList::macroMenuList();
        if (!list || !list->isVisible())
            return false;
        for (int row = 0; row < list->rowCount(); ++row) {
            if (list->rowCaption(row) == name)
                return list->chooseRow(row) && page->currMacroInfo()->nameStr == name;
        }
        return false;
    }

    // A fresh macro to record into, chosen; named "Recorded <n>" unless
    // given a name.
    MacroInfoPtr emptyMacro(QString name = {})
    {
        static int made = 0;
        if (name.isEmpty())
            name = QStringLiteral("Recorded %1").arg(++made);
        page->addMacorByName(name);
        return page->currMacroInfo();
    }

    // A key going down or up, as X delivers it to the focused widget.
    void key(QEvent::Type type, int evdev, bool autoRepeat = false)
    {
        QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, quint32(evdev + XkbOffset), 0, 0,
                        QString(), autoRepeat);
        QWidget *target = page->window()->focusWidget() ? page->window()->focusWidget() : page;
        QApplication::sendEvent(target, &event);
    }
    void press(int evdev, bool autoRepeat = false) { key(QEvent::KeyPress, evdev, autoRepeat); }
    void release(int evdev, bool autoRepeat = false) { key(QEvent::KeyRelease, evdev, autoRepeat); }

    // A double click as X delivers it: a click, then a second press that
    // arrives as a double click, and its release.
    static void doubleClick(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
    }

    static QString translated(const char *key)
    {
        return TooltipManager::shareTooltipManager()->getTooltip(QLatin1String(key));
    }

    void record() { button(MacroView::RecordTag)->performClick(); }
    void stop() { QTest::mouseClick(button(MacroView::StopTag), Qt::LeftButton); }

private Q_SLOTS:
    // One application for all tests (its start reads the mouse); each test
    // opens the editor afresh.
    void initTestCase()
    {
        person = std::make_unique<DialogPerson>();
        app = std::make_unique<ApplicationUnderTest>();
        QVERIFY(app->launch());
        QVERIFY(app->waitUntilIdle());
    }

    void cleanupTestCase()
    {
        app.reset();
        person.reset();
    }

    void init()
    {
        person->reset();
        MacroView::delaySettings() = {};
        page = openPage();
        QVERIFY(page);
    }

    void cleanup()
    {
        if (WexNoTitleWindow *window = view()->pageWindows().window(PageWindows::Page::Macro))
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        page = nullptr;
    }

    void opensWithNoMacroAndShowsTheStepsOfTheChosenOne()
    {
        QCOMPARE(page->window()->size(), QSize(603, 474));
        QVERIFY(!page->currMacroInfo());
        QVERIFY(button(MacroView::MacroNameTag)->title().isEmpty());
        QCOMPARE(page->stepModel()->rowCount(), 0);
        for (const int tag : {MacroView::RecordTag, MacroView::StopTag, MacroView::DelKeyTag,
                              MacroView::SaveMacroTag, MacroView::DelMacroTag})
            QVERIFY2(!button(tag)->isEnabled(), qPrintable(QString::number(tag)));
        QVERIFY(button(MacroView::NewMacroTag)->isEnabled());
        QVERIFY(button(MacroView::OkTag)->isEnabled());
        const auto name = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name(button(MacroView::RecordTag)), QStringLiteral("RECORD"));
        QCOMPARE(name(button(MacroView::KeyUpTag)), QStringLiteral("Move instruction line up"));
        // Tab goes from the macro to its steps, and ends with OK, Cancel, Apply.
        QCOMPARE(button(MacroView::MacroNameTag)->nextInFocusChain(), page->keytbView());
        QCOMPARE(button(MacroView::OkTag)->nextInFocusChain(), button(MacroView::CancelTag));

        QVERIFY(chooseMacro(QStringLiteral("Double Click")));
        QCOMPARE(button(MacroView::MacroNameTag)->title(), QStringLiteral("Double Click"));
        MacroStepModel *model = page->stepModel();
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->columnCount(), 4);
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("L Button Down"));
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("L Button Up"));
        QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("30 ms"));
        QVERIFY(!model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(button(MacroView::RecordTag)->isEnabled());
        // No row is chosen yet: no step button works.
        QVERIFY(!button(MacroView::DelKeyTag)->isEnabled());

        // The list reads as shown to an assistive technology.
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(page->keytbView());
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface *cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->rowCount(), 4);
        QCOMPARE(cells->cellAt(3, 1)->text(QAccessible::Name), QStringLiteral("L Button Up"));
        QCOMPARE(cells->cellAt(3, 3)->text(QAccessible::Name), QStringLiteral("0 ms"));

        QVERIFY(chooseMacro(QStringLiteral("Copy and Paste")));
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Copy"));
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("Paste"));
    }

    void aHeldKeyIsOnePressAndOneReleaseAndTheLastStepKeepsNoDelay()
    {
        const MacroInfoPtr macro = emptyMacro();
        record();
        QVERIFY(page->isRecord());
        QCOMPARE(QAccessible::queryAccessibleInterface(button(MacroView::RecordTag))
                     ->text(QAccessible::Description),
                 QStringLiteral("Recording"));
        QVERIFY(!button(MacroView::OkTag)->isEnabled());
        QVERIFY(button(MacroView::StopTag)->isEnabled());
        // The pause before the first event is not kept.
        QTest::qWait(120);
        press(EvdevA);
        press(EvdevA, true);
        release(EvdevA, true);
        press(EvdevA, true);
        QTest::qWait(60);
        release(EvdevA);
        stop();
        QVERIFY(!page->isRecord());
        const QList<Step> steps = stepsOf(macro);
        QCOMPARE(steps.size(), 2);
        QCOMPARE(steps[0].code, MacA);
        QCOMPARE(steps[0].flag, int(MacroKeyInfo::KeyPress));
        QVERIFY2(steps[0].delay >= 55 && steps[0].delay < 120, qPrintable(describe(steps)));
        QCOMPARE(steps[1].code, MacA);
        QCOMPARE(steps[1].flag, int(MacroKeyInfo::KeyRelease));
        QCOMPARE(steps[1].delay, 0);
        QCOMPARE(page->stepModel()->index(0, 1).data().toString(), QStringLiteral("Press A"));
        QCOMPARE(page->stepModel()->index(1, 1).data().toString(), QStringLiteral("Release A"));
        QVERIFY(button(MacroView::OkTag)->isEnabled());
    }

    void identicalEventsAreOneStepAndModifiersAndClicksAreRecorded()
    {
        const MacroInfoPtr macro = emptyMacro();
        record();
        press(EvdevA);
        press(EvdevA);
        release(EvdevA);
        press(EvdevA);
        press(EvdevLeftShift);
        release(EvdevLeftShift);
        // Clicks on the step list, on a control recording disabled, and on
        // the page beside the controls.
        QTest::mouseClick(page->keytbView()->viewport(), Qt::LeftButton);
        QTest::mouseClick(button(MacroView::NewMacroTag), Qt::MiddleButton);
        QTest::mouseClick(page, Qt::RightButton, {}, QPoint(300, 440));
        // Keys a focused field would take are recorded as well.
        QTest::mouseClick(page->keytbView()->viewport(), Qt::LeftButton);
        stop();
        const QList<Step> expected{
            {MacA, 0, 0}, {MacA, 1, 0}, {MacA, 0, 0}, {MacLeftShift, 0, 0}, {MacLeftShift, 1, 0},
            {120, 3, 0},  {120, 4, 0},  {122, 3, 0},  {122, 4, 0},          {121, 3, 0},
            {121, 4, 0},  {120, 3, 0},  {120, 4, 0}};
        QList<Step> steps = stepsOf(macro);
        for (Step &step : steps)
            step.delay = 0;
        QCOMPARE(describe(steps), describe(expected));
        // A click on Stop ended recording and is no step.
        QVERIFY(!page->isRecord());
        QCOMPARE(page->stepModel()->index(5, 1).data().toString(), QStringLiteral("L Button Down"));
        QCOMPARE(page->stepModel()->index(3, 1).data().toString(),
                 QStringLiteral("Press Left Shift"));
    }

    void theDelayTypeIsTakenOverOnlyByConfigure()
    {
        const MacroInfoPtr macro = emptyMacro();
        MacroView::delaySettings().defDelayTime = 75;
        // Ticked, not taken over: delays are still measured.
        button(MacroView::IgnoreDelayTag)->performClick();
        QCOMPARE(MacroView::delaySettings().delayType, int(MacroView::MeasuredDelay));
        record();
        press(EvdevA);
        QTest::qWait(40);
        release(EvdevA);
        stop();
        QVERIFY(macro->keyInfoArr[0]->delay >= 35);

        button(MacroView::InsertDefDelayTag)->performClick();
        QCOMPARE(MacroView::delaySettings().delayType, int(MacroView::NoDelay));
        record();
        press(EvdevB);
        QTest::qWait(40);
        release(EvdevB);
        stop();
        QCOMPARE(macro->keyInfoArr[2]->delay, 0);

        // The boxes exclude each other; the default delay is typed only
        // while its box is ticked.
        QVERIFY(!page->defDelayTxt()->isEnabled());
        button(MacroView::InsertDefDelayChkTag)->performClick();
        QVERIFY(!button(MacroView::IgnoreDelayTag)->Checked());
        QVERIFY(page->defDelayTxt()->isEnabled());
        button(MacroView::InsertDefDelayTag)->performClick();
        QCOMPARE(MacroView::delaySettings().delayType, int(MacroView::DefaultDelay));
        record();
        press(EvdevA);
        release(EvdevA);
        stop();
        QCOMPARE(macro->keyInfoArr[4]->delay, 75);
        QCOMPARE(macro->keyInfoArr[5]->delay, 0);
        // The settings outlive the page.
        button(MacroView::CancelTag)->performClick();
        page = openPage();
        QVERIFY(page);
        QVERIFY(button(MacroView::InsertDefDelayChkTag)->Checked());
        QCOMPARE(page->defDelayTxt()->intValue(), 75);
    }

    void theStepDelayMovesByItsStep_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("up");
        QTest::addColumn<int>("after");
        QTest::newRow("4990 up") << 4990 << 1 << 5000;
        QTest::newRow("5000 up") << 5000 << 1 << 5000;
        QTest::newRow("10 down") << 10 << 0 << 0;
        QTest::newRow("37 up") << 37 << 1 << 50;
        QTest::newRow("37 down") << 37 << 0 << 12;
    }

    void theStepDelayMovesByItsStep()
    {
        QFETCH(int, before);
        QFETCH(int, up);
        QFETCH(int, after);
        page->adjustDelayTxt()->setFocus();
        page->adjustDelayTxt()->selectAll();
        QTest::keyClicks(page->adjustDelayTxt(), QString::number(before));
        QCOMPARE(MacroView::delaySettings().delayTime, before);
        QVERIFY(pressAccessibly(
            button(up ? MacroView::AdjustDelayUpTag : MacroView::AdjustDelayDownTag)));
        QCOMPARE(MacroView::delaySettings().delayTime, after);
        QCOMPARE(page->adjustDelayTxt()->intValue(), after);
    }

    void theFortyFirstEventIsRefusedWhileACommandStillGoesIn()
    {
        const MacroInfoPtr macro = emptyMacro();
        record();
        for (int i = 0; i < 20; ++i) {
            press(i % 2 ? EvdevA : EvdevB);
            release(i % 2 ? EvdevA : EvdevB);
        }
        QCOMPARE(macro->keyInfoArr.size(), 40);
        QVERIFY(person->messages.isEmpty());
        press(EvdevA);
        QCOMPARE(macro->keyInfoArr.size(), 40);
        QCOMPARE(person->messages, QStringList{translated(MacroView::MaxMacrosMessage)});
        stop();

        // A command goes in front of the chosen step, or first.
        page->selectRow(3);
        button(MacroView::InsertComTag)->performClick();
        QCOMPARE(macro->keyInfoArr.size(), 40);
        button(MacroView::ComSelTag)->performClick();
        QVERIFY(page->macroComList()->isVisible());
        QVERIFY(page->macroComList()->chooseRow(1));
        QCOMPARE(button(MacroView::ComSelTag)->title(), QStringLiteral("Paste"));
        button(MacroView::InsertComTag)->performClick();
        QCOMPARE(macro->keyInfoArr.size(), 41);
        QCOMPARE(macro->keyInfoArr[3]->keyFlag, int(MacroKeyInfo::Combination));
        QCOMPARE(macro->keyInfoArr[3]->keyCode, 2);
        QCOMPARE(page->selectedRow(), 3);
        QCOMPARE(page->stepModel()->index(3, 1).data().toString(), QStringLiteral("Paste"));
    }

    void stepsAreDeletedMovedAndGivenDelays()
    {
        const MacroInfoPtr macro = emptyMacro();
        macro->addStep(MacA, 0, 10);
        macro->addStep(MacA, 1, 20);
        macro->addStep(MacB, 0, 30);
        page->setSelMacro(macro);
        QCOMPARE(page->stepModel()->rowCount(), 3);

        // The first step does not move up; it moves down.
        page->selectRow(0);
        QVERIFY(!button(MacroView::KeyUpTag)->isEnabled());
        QVERIFY(button(MacroView::KeyDownTag)->isEnabled());
        button(MacroView::KeyUpTag)->performClick();
        QCOMPARE(describe(stepsOf(macro)), QStringLiteral("0/0/10 0/1/20 11/0/30"));
        QVERIFY(pressAccessibly(button(MacroView::KeyDownTag)));
        QCOMPARE(describe(stepsOf(macro)), QStringLiteral("0/1/20 0/0/10 11/0/30"));
        QCOMPARE(page->selectedRow(), 1);

        // Set delay gives the chosen step the step-delay field's value.
        MacroView::delaySettings().delayTime = 250;
        button(MacroView::InsertDelayTag)->performClick();
        QCOMPARE(macro->keyInfoArr[1]->delay, 250);
        // A delay typed into the list is kept, within 0..5000.
        QVERIFY(page->stepModel()->setData(page->stepModel()->index(2, 3), QStringLiteral("9000"),
                                           Qt::EditRole));
        QCOMPARE(macro->keyInfoArr[2]->delay, 5000);
        QVERIFY(!page->stepModel()->setData(page->stepModel()->index(2, 3), QStringLiteral("soon"),
                                            Qt::EditRole));

        // Deleting the last row chooses the new last row; the only row, none.
        page->selectRow(2);
        QVERIFY(!button(MacroView::KeyDownTag)->isEnabled());
        QVERIFY(pressAccessibly(button(MacroView::DelKeyTag)));
        QCOMPARE(page->selectedRow(), 1);
        QCOMPARE(macro->keyInfoArr.size(), 2);
        page->selectRow(0);
        button(MacroView::DelKeyTag)->performClick();
        QCOMPARE(page->selectedRow(), 0);
        button(MacroView::DelKeyTag)->performClick();
        QVERIFY(macro->keyInfoArr.isEmpty());
        QVERIFY(!page->selKeyInfo());
        for (const int tag : {MacroView::DelKeyTag, MacroView::KeyUpTag, MacroView::KeyDownTag})
            QVERIFY(!button(tag)->isEnabled());

        // A double click on Delete clears all steps once the person agrees
        // (its first click deletes the chosen step, as any click does).
        macro->addStep(MacA, 0, 0);
        macro->addStep(MacA, 1, 0);
        macro->addStep(MacB, 0, 0);
        page->setSelMacro(macro);
        page->selectRow(0);
        person->answers = {0};
        doubleClick(button(MacroView::DelKeyTag));
        QCOMPARE(person->messages.last(), translated(MacroView::ClearStepsQuestion));
        QCOMPARE(macro->keyInfoArr.size(), 2);
        page->selectRow(0);
        doubleClick(button(MacroView::DelKeyTag));
        QVERIFY(macro->keyInfoArr.isEmpty());
        QVERIFY(!page->selKeyInfo());
        QCOMPARE(page->stepModel()->rowCount(), 0);
    }

    void newMacrosNeedAFreeNameAndDeletingTheLastLeavesNone()
    {
        const int before = int(OrvexAction::macroListArrs.size());
        const std::int32_t nextId = OrvexAction::getNewMacorId();
        person->names = {QString(), QStringLiteral("Double Click"), QStringLiteral("Greeting")};
        button(MacroView::NewMacroTag)->performClick();
        QCOMPARE(person->nameDialogs, 1);
        QCOMPARE(person->nameAttempts, 3);
        QCOMPARE(OrvexAction::macroListArrs.size(), before + 1);
        QCOMPARE(page->currMacroInfo()->nameStr, QStringLiteral("Greeting"));
        QCOMPARE(page->currMacroInfo()->macroId, nextId);
        QVERIFY(person->messages.isEmpty());

        // Cancelled, nothing is made.
        button(MacroView::NewMacroTag)->performClick();
        QCOMPARE(OrvexAction::macroListArrs.size(), before + 1);

        // The new macro is the last; deleted, no macro is chosen. A "no"
        // keeps it.
        person->answers = {0};
        button(MacroView::DelMacroTag)->performClick();
        QCOMPARE(page->currMacroInfo()->nameStr, QStringLiteral("Greeting"));
        button(MacroView::DelMacroTag)->performClick();
        QCOMPARE(person->messages.last(), translated(MacroView::DeleteMacroQuestion));
        QVERIFY(!page->currMacroInfo());
        QVERIFY(button(MacroView::MacroNameTag)->title().isEmpty());
        QVERIFY(!button(MacroView::RecordTag)->isEnabled());
        QCOMPARE(OrvexAction::macroListArrs.size(), before);
        // Deleting the first chooses the one after it.
        QVERIFY(chooseMacro(QStringLiteral("Double Click")));
        button(MacroView::DelMacroTag)->performClick();
        QCOMPARE(page->currMacroInfo()->nameStr, QStringLiteral("Copy and Paste"));
    }

    void anExportedMacroIsImportedUnderItsFileNameWithANewIdentifier()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const MacroInfoPtr exported = emptyMacro();
        exported->addStep(MacA, 0, 40);
        exported->addStep(MacroKeyInfo::MouseRightCode, MacroKeyInfo::MouseUp, 0);
        answerFilePanel(folder.filePath(QStringLiteral("foo")));
        button(MacroView::SaveMacroTag)->performClick();
        const QString file = folder.filePath(QStringLiteral("foo.mac"));
        QVERIFY(QFile::exists(file));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("foo"))));

        const std::int32_t nextId = OrvexAction::getNewMacorId();
        answerFilePanel(file);
        button(MacroView::LoadMacroTag)->performClick();
        const MacroInfoPtr imported = page->currMacroInfo();
        QCOMPARE(imported->nameStr, QStringLiteral("foo"));
        QCOMPARE(imported->macroId, nextId);
        QCOMPARE(describe(stepsOf(imported)), describe(stepsOf(exported)));

        // Again under the same name: refused with the message.
        answerFilePanel(file);
        button(MacroView::LoadMacroTag)->performClick();
        QCOMPARE(person->messages, QStringList{translated(MacroView::NameTakenMessage)});
        // A file that holds no macro adds nothing.
        const QString junk = folder.filePath(QStringLiteral("junk.mac"));
        QFile junkFile(junk);
        QVERIFY(junkFile.open(QIODevice::WriteOnly));
        junkFile.write("not a macro");
        junkFile.close();
        const int count = int(OrvexAction::macroListArrs.size());
        answerFilePanel(junk);
        button(MacroView::LoadMacroTag)->performClick();
        QCOMPARE(OrvexAction::macroListArrs.size(), count);
    }

    void cancelKeepsTheFileWhileApplyAndOkWriteIt()
    {
        const auto fileText = [] {
            QFile file(OrvexAction::menuInfoPath());
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        emptyMacro(QStringLiteral("Unsaved"));
        button(MacroView::CancelTag)->performClick();
        QVERIFY(!view()->pageWindows().window(PageWindows::Page::Macro));
        QVERIFY(!fileText().contains(QStringLiteral("Unsaved")));

        page = openPage();
        QVERIFY(page);
        emptyMacro(QStringLiteral("Applied"));
        button(MacroView::ApplyTag)->performClick();
        QVERIFY(view()->pageWindows().window(PageWindows::Page::Macro));
        QVERIFY(fileText().contains(QStringLiteral("Applied")));
        emptyMacro(QStringLiteral("Confirmed"));
        button(MacroView::OkTag)->performClick();
        page = nullptr;
        QVERIFY(!view()->pageWindows().window(PageWindows::Page::Macro));
        QVERIFY(fileText().contains(QStringLiteral("Confirmed")));
    }

    // Press A, 100 ms, release A: the mouse's macro data 04 01 04 84 with
    // a header of length 4 (the key's usage, a pause of four 25 ms units,
    // the release with bit 7 set).
    void aRecordedMacroReachesTheMouseThroughAButton()
    {
        MacroView::delaySettings().defDelayTime = 100;
        MacroView::delaySettings().delayType = MacroView::DefaultDelay;
        emptyMacro(QStringLiteral("Tap A"));
        record();
        press(EvdevA);
        release(EvdevA);
        stop();
        button(MacroView::OkTag)->performClick();
        page = nullptr;

        app->hotSpot(Button)->performClick();
        control("tkeyBtn")->performClick();
        WexNoTitleWindow *window = view()->pageWindows().window(PageWindows::Page::TKey);
        QVERIFY(window);
        auto *tkey = qobject_cast<TkeyView *>(window->contentView());
        tkey->selMacroBtn()->performClick();
        WexMenulist *list = MacroMenuList::macroMenuList();
        int row = -1;
        for (int i = 0; i < list->rowCount(); ++i) {
            if (list->rowCaption(i) == QStringLiteral("Tap A"))
                row = i;
        }
        QVERIFY(list->chooseRow(row));
        tkey->okBtn()->performClick();
        QVERIFY(control("applyBtn")->isEnabled());
        control("applyBtn")->performClick();
        QVERIFY(app->waitUntilIdle());

        const int profile = OrvexAction::sysProCon->currFWProfileIndex();
        const int macro = fwmem::ButtonSlotCount * profile + MemoryMap::getBtnIndexBy(Button);
        const auto header = std::uint16_t(fwmem::MacroHeaders + fwmem::MacroHeaderSize * macro);
        const auto data = std::uint16_t(fwmem::MacroData + fwmem::MacroDataSize * macro);
        QCOMPARE(OrvexAction::readByteChecked(header), std::optional<std::uint8_t>(4));
        const std::uint8_t expected[] = {0x04, 0x01, 0x04, 0x84};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(OrvexAction::readByteChecked(std::uint16_t(data + i)),
                     std::optional<std::uint8_t>(expected[i]));
    }
};

int main(int argc, char **argv)
{
    MacroViewTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "MacroViewTest.moc"
