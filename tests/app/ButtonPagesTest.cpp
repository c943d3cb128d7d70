// SPDX-License-Identifier: GPL-3.0-or-later
// The macro and single-key pages, opened from the main window as a person
// does: what they show for the selected button, what they write into its
// record, and what Apply then puts into the virtual mouse.
#include "AppTestSupport.h"

#include "ButtonInfoArea.h"
#include "MacroMenuList.h"
#include "MainView.h"
#include "OrvexAction.h"
#include "PageWindows.h"
#include "PickListStyle.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "WexNoTitleWindow.h"
#include "WexNumberTextField.h"
#include "WexSetpPanelObj.h"
#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"
#include "device/OnboardProfile.h"
#include "pages/SingleKeyView.h"
#include "pages/TkeyRepeatView.h"
#include "pages/TkeyView.h"
#include "profile/ProfieController.h"

#include <QAccessible>
#include <QTimer>

#include <cstring>
#include <optional>
#include <type_traits>

using namespace orvex;
using namespace orvex::test;

namespace {

// The side button the tests give new functions (hot-spot 4, "Left 2").
constexpr int Button = 3;
// A value in the third key position that no page may change.
constexpr std::uint32_t Untouched = 77;

BTN_INFO macroRecord(std::uint32_t mode, std::uint32_t count, std::uint32_t macroId)
{
    BTN_INFO record{};
    record.FuncID = ButtonInfoArea::MacroFunction;
    record.FuncTableId = fwfunc::Macro;
    record.btnType = MemoryMap::MacroButtonType;
    record.KeyBit[0] = mode;
    record.KeyBit[1] = count;
    record.KeyBit[2] = Untouched;
    record.KeyBit[3] = 4;
    record.MacroID = macroId;
    return record;
}

bool sameRecord(const BTN_INFO &a, const BTN_INFO &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    return QAccessible::queryAccessibleInterface(widget)->text(kind);
}

int rowOf(const WexMenulist *list, const QString &caption)
{
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->rowCaption(row) == caption)
            return row;
    }
    return -1;
}

// Stands in for the person at the repeat-count dialog: the dialog really
// runs; once it shows, the count it offers is noted, `typed` is typed over
// it and Return or Escape pressed. Other modal windows are answered OK
// without showing.
class RepeatDialogPerson
{
public:
    RepeatDialogPerson()
    {
        WexNoTitleWindow::setModalRunHook([this](WexNoTitleWindow *window) -> std::optional<int> {
            auto *dialog = qobject_cast<TkeyRepeatView *>(window->contentView());
            if (!dialog)
                return 1;
            ++shown;
            QTimer::singleShot(0, dialog, [this, dialog] { answer(dialog); });
            return std::nullopt;
        });
    }
    ~RepeatDialogPerson() { WexNoTitleWindow::setModalRunHook({}); }

    QString typed;
    // Set through the field's accessible value, then OK pressed
    // accessibly, as a screen reader user does; used instead of `typed`.
    std::optional<int> spoken;
    bool confirm = true;
    int shown = 0;
    QString offered;
    QString offeredSelection;

private:
    void answer(TkeyRepeatView *dialog)
    {
        WexNumberTextField *field = dialog->countTxt();
        offered = field->text();
        offeredSelection = field->selectedText();
        if (spoken) {
            QAccessible::queryAccessibleInterface(field)->valueInterface()->setCurrentValue(
                *spoken);
            pressAccessibly(dialog->okBtn());
            return;
        }
        QTest::keyClicks(field, typed);
        QTest::keyClick(confirm ? static_cast<QWidget *>(field) : dialog,
                        confirm ? Qt::Key_Return : Qt::Key_Escape);
    }
};

} // namespace

class ButtonPagesTest : public LaunchedApplicationTest
{
    Q_OBJECT

private:
    MainView *view() const { return app->view(); }
    WexButton *control(const char *field) const { return app->control(QLatin1String(field)); }
    BTN_INFO &record() const { return OrvexAction::selProfile.btnInfo[Button]; }

    // Gives the side button `record` and opens `page` for it by its button.
    template <typename Page> Page *open(const BTN_INFO &given, const char *pageButton)
    {
        app->hotSpot(Button)->performClick();
        record() = given;
        control(pageButton)->performClick();
        const auto page =
            std::is_same_v<Page, TkeyView> ? PageWindows::Page::TKey : PageWindows::Page::SingleKey;
        WexNoTitleWindow *window = view()->pageWindows().window(page);
        return window ? qobject_cast<Page *>(window->contentView()) : nullptr;
    }

    TkeyView *openMacroPage(const BTN_INFO &given) { return open<TkeyView>(given, "tkeyBtn"); }
    SingleKeyView *openSingleKeyPage(const BTN_INFO &given)
    {
        return open<SingleKeyView>(given, "singleBtn");
    }

    // Picks the macro `name` from the page's pick list; false when the list
    // did not show or has no such macro.
    bool chooseMacro(TkeyView *page, const QString &name)
    {
        page->selMacroBtn()->performClick();
        WexMenulist *list = MacroMenuList::macroMenuList();
        return list && list->isVisible() && list->chooseRow(rowOf(list, name)) &&
               page->selMacroBtn()->title() == name;
    }

    std::optional<OnboardProfile> applyAndReadBack()
    {
        if (!control("applyBtn")->isEnabled())
            return std::nullopt;
        control("applyBtn")->performClick();
        if (!app->waitUntilIdle())
            return std::nullopt;
        return OnboardProfile::read(OrvexAction::sysProCon->currFWProfileIndex());
    }

private Q_SLOTS:
    void theMacroPageShowsTheButtonsMacroModeAndCountWithoutAsking()
    {
        RepeatDialogPerson person;
        const BTN_INFO given = macroRecord(TkeyView::WhileHeld, 5, 2);
        TkeyView *page = openMacroPage(given);
        QVERIFY(page);
        QCOMPARE(page->window()->size(), QSize(281, 324));
        QCOMPARE(page->macroTypeSetp()->currentSetp(), 3);
        QCOMPARE(page->macroCount(), 5);
        QCOMPARE(person.shown, 0);
        QCOMPARE(page->selMacroInfo()->nameStr, QStringLiteral("Copy and Paste"));
        QCOMPARE(accessibleText(page->selMacroBtn(), QAccessible::Name), QStringLiteral("Macro"));
        QCOMPARE(accessibleText(page->selMacroBtn(), QAccessible::Description),
                 QStringLiteral("Copy and Paste"));
        const QStringList modes{QStringLiteral("Once"), QStringLiteral("A number of times"),
                                QStringLiteral("While held"),
                                QStringLiteral("Until pressed again")};
        const QList<WexButton *> items = page->macroTypeSetp()->tabBtnArr();
        for (int i = 0; i < modes.size(); ++i) {
            QAccessibleInterface *item = QAccessible::queryAccessibleInterface(items.at(i));
            QCOMPARE(item->text(QAccessible::Name), modes.at(i));
            QCOMPARE(item->role(), QAccessible::RadioButton);
            QCOMPARE(item->state().checked, i == 2);
        }

        // Cancel hands the record back as it came, and nothing is to be applied.
        QVERIFY(pressAccessibly(items.at(3)));
        QCOMPARE(page->macroType(), int(TkeyView::UntilPressedAgain));
        QVERIFY(pressAccessibly(page->cancelBtn()));
        QVERIFY(!view()->pageWindows().window(PageWindows::Page::TKey));
        QVERIFY(sameRecord(record(), given));
        QVERIFY(!control("applyBtn")->isEnabled());
    }

    void aNumberOfTimesAsksForTheCountAndApplyWritesItToTheMouse()
    {
        RepeatDialogPerson person;
        TkeyView *page = openMacroPage(macroRecord(TkeyView::Once, 5, 2));
        QVERIFY(page);
        WexButton *numberOfTimes = page->byTag(TkeyView::MultTimesTag);

        person.typed = QStringLiteral("40");
        person.confirm = false;
        numberOfTimes->performClick();
        QCOMPARE(person.shown, 1);
        QCOMPARE(person.offered, QStringLiteral("5"));
        QCOMPARE(person.offeredSelection, QStringLiteral("5"));
        QCOMPARE(page->macroTypeSetp()->currentSetp(), 2);
        QCOMPARE(page->macroCount(), 5);

        // Chosen already, it asks again; OK keeps the count given, by a
        // screen reader or typed.
        person.spoken = 250;
        person.confirm = true;
        QVERIFY(pressAccessibly(numberOfTimes));
        QCOMPARE(person.shown, 2);
        QCOMPARE(page->macroCount(), 250);
        person.spoken.reset();
        person.typed = QStringLiteral("12");
        QVERIFY(pressAccessibly(numberOfTimes));
        QCOMPARE(person.shown, 3);
        QCOMPARE(person.offered, QStringLiteral("250"));
        QCOMPARE(page->macroCount(), 12);
        QCOMPARE(accessibleText(numberOfTimes, QAccessible::Description),
                 QStringLiteral("12 times"));

        QVERIFY(chooseMacro(page, QStringLiteral("Double Click")));
        page->okBtn()->performClick();
        QVERIFY(!view()->pageWindows().window(PageWindows::Page::TKey));
        QCOMPARE(record().FuncID, std::uint32_t(ButtonInfoArea::MacroFunction));
        QCOMPARE(record().FuncTableId, std::uint32_t(fwfunc::Macro));
        QCOMPARE(record().btnType, std::uint32_t(MemoryMap::MacroButtonType));
        QCOMPARE(record().MacroID, 1u);
        QCOMPARE(record().KeyBit[0], std::uint32_t(TkeyView::NumberOfTimes));
        QCOMPARE(record().KeyBit[1], 12u);
        QCOMPARE(record().KeyBit[2], Untouched);
        QCOMPARE(record().KeyBit[3], 4u);

        const auto onMouse = applyAndReadBack();
        QVERIFY(onMouse);
        const BTN_INFO &written = onMouse->profile.btnInfo[Button];
        QCOMPARE(written.FuncTableId, std::uint32_t(fwfunc::Macro));
        QCOMPARE(written.KeyBit[0], std::uint32_t(TkeyView::NumberOfTimes));
        QCOMPARE(written.KeyBit[1], 12u);
        QCOMPARE(written.MacroID, 1u);
        QCOMPARE(written.FuncID, std::uint32_t(ButtonInfoArea::MacroFunction));
    }

    void aMacroForAnotherKindOfButtonKeepsItsOtherKeyBits()
    {
        RepeatDialogPerson person;
        BTN_INFO given{};
        given.FuncID = 0x20;
        given.FuncTableId = fwfunc::Keyboard;
        given.btnType = MemoryMap::SingleButtonType;
        given.KeyBit[0] = 0;
        given.KeyBit[1] = 4;
        given.KeyBit[2] = fwfunc::NoKey;
        given.KeyBit[3] = fwfunc::NoKey;
        TkeyView *page = openMacroPage(given);
        QVERIFY(page);
        QCOMPARE(page->macroTypeSetp()->currentSetp(), 1);
        QCOMPARE(page->macroCount(), 0);
        QVERIFY(!page->selMacroInfo());
        QVERIFY(page->selMacroBtn()->title().isEmpty());

        // Nothing to confirm until a macro is chosen.
        page->okBtn()->performClick();
        QVERIFY(view()->pageWindows().window(PageWindows::Page::TKey));
        QCOMPARE(page->endTag(), int(ButtonRecordEditor::Cancelled));

        page->byTag(TkeyView::HoldTag)->performClick();
        QVERIFY(chooseMacro(page, QStringLiteral("Copy and Paste")));
        page->okBtn()->performClick();
        QCOMPARE(page->endTag(), int(ButtonRecordEditor::Confirmed));
        QCOMPARE(person.shown, 0);
        QCOMPARE(record().MacroID, 2u);
        QCOMPARE(record().KeyBit[0], std::uint32_t(TkeyView::WhileHeld));
        QCOMPARE(record().KeyBit[1], 0u);
        QCOMPARE(record().KeyBit[2], std::uint32_t(fwfunc::NoKey));
        QCOMPARE(record().KeyBit[3], std::uint32_t(fwfunc::NoKey));
        QVERIFY(control("applyBtn")->isEnabled());
    }

    void aMacroThatNoLongerExistsLeavesNoChoice()
    {
        TkeyView *page = openMacroPage(macroRecord(TkeyView::NumberOfTimes, 3, 99));
        QVERIFY(page);
        QVERIFY(!page->selMacroInfo());
        QCOMPARE(page->macroTypeSetp()->currentSetp(), 2);
        QCOMPARE(page->macroCount(), 3);
        page->okBtn()->performClick();
        QVERIFY(view()->pageWindows().window(PageWindows::Page::TKey));
    }

    void aSingleKeyAssignmentCopiesAllFourKeyBitsAndReachesTheMouse()
    {
        BTN_INFO given = macroRecord(TkeyView::Once, 1, 2);
        std::strcpy(given.app_path, "/usr/bin/true");
        given.singlekey_code = 9;
        SingleKeyView *page = openSingleKeyPage(given);
        QVERIFY(page);
        QCOMPARE(page->window()->size(), QSize(282, 181));
        QVERIFY(!page->selMenuData());
        QVERIFY(page->selComBtn()->title().isEmpty());
        QCOMPARE(accessibleText(page->selComBtn(), QAccessible::Name), QStringLiteral("Key"));

        page->okBtn()->performClick();
        QVERIFY(view()->pageWindows().window(PageWindows::Page::SingleKey));

        QVERIFY(pressAccessibly(page->selComBtn()));
        WexMenulist *list = page->comMenuList();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->accessibleName(), QStringLiteral("Key"));
        QCOMPARE(list->menulistAtt().menuWidth(), PickListStyle::SingleKeyListWidth);
        QCOMPARE(list->rowCount(), OrvexAction::singleMenuNode->childCount());
        QVERIFY(list->chooseRow(rowOf(list, QStringLiteral("A"))));
        QCOMPARE(page->selComBtn()->title(), QStringLiteral("A"));
        QCOMPARE(accessibleText(page->selComBtn(), QAccessible::Description), QStringLiteral("A"));
        page->okBtn()->performClick();

        QVERIFY(!view()->pageWindows().window(PageWindows::Page::SingleKey));
        const std::uint32_t keyA[4] = {0x00, 0x04, fwfunc::NoKey, fwfunc::NoKey};
        QCOMPARE(record().btnType, std::uint32_t(MemoryMap::SingleButtonType));
        QCOMPARE(record().FuncID, 0x20u);
        QCOMPARE(record().FuncTableId, std::uint32_t(fwfunc::Keyboard));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(record().KeyBit[i], keyA[i]);
        QCOMPARE(record().MacroID, 2u);
        QCOMPARE(QString::fromUtf8(record().app_path), QStringLiteral("/usr/bin/true"));
        QCOMPARE(record().singlekey_code, 9u);

        const auto onMouse = applyAndReadBack();
        QVERIFY(onMouse);
        const BTN_INFO &written = onMouse->profile.btnInfo[Button];
        QCOMPARE(written.FuncTableId, std::uint32_t(fwfunc::Keyboard));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(written.KeyBit[i], keyA[i]);
        QCOMPARE(written.FuncID, 0x20u);
    }

    void cancellingTheSingleKeyPageKeepsTheButton()
    {
        const BTN_INFO given = macroRecord(TkeyView::Once, 1, 2);
        SingleKeyView *page = openSingleKeyPage(given);
        QVERIFY(page);
        page->selComBtn()->performClick();
        QVERIFY(page->comMenuList()->chooseRow(0));
        // Escape on any of its controls cancels the page.
        QTest::keyClick(page->okBtn(), Qt::Key_Escape);
        QVERIFY(!view()->pageWindows().window(PageWindows::Page::SingleKey));
        QVERIFY(sameRecord(record(), given));
        QVERIFY(!control("applyBtn")->isEnabled());
    }
};

int main(int argc, char **argv)
{
    ButtonPagesTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "ButtonPagesTest.moc"
