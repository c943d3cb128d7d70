// SPDX-License-Identifier: GPL-3.0-or-later
// The profile management page, opened from the main window as a person
// does: which profiles it lists, what its buttons, context menu and name
// cells do to the stored list, and that an activated profile reaches the
// virtual mouse.
#include "AppTestSupport.h"

#include "MainView.h"
#include "OrvexAction.h"
#include "PageWindows.h"
#include "ProfileViewLayout.h"
#include "VirtualMouseProcess.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "WexNoTitleWindow.h"
#include "device/OnboardProfile.h"
#include "pages/ProfileFilePanel.h"
#include "pages/ProfileTableModel.h"
#include "pages/ProfileView.h"
#include "pages/RigthMouseTBView.h"
#include "profile/ProfieController.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <optional>

using namespace orvex;
using namespace orvex::test;

namespace {

ProfieController *store()
{
    return OrvexAction::sysProCon;
}

ProfileValuePtr addUserProfile(const QString &name)
{
    return store()->addProfileByName(name, nullptr);
}

// Types `path` into the next file panel and accepts it, as a person would.
void chooseInFilePanel(const QString &path)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, path] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *panel = qobject_cast<QFileDialog *>(widget);
            auto *field = panel && panel->isVisible()
                              ? panel->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                              : nullptr;
            if (!field)
                continue;
            field->setText(path);
            timer->stop();
            timer->deleteLater();
            static_cast<QDialog *>(panel)->accept();
            return;
        }
    });
    timer->start();
}

} // namespace

class ProfileViewTest : public LaunchedApplicationTest
{
    Q_OBJECT

private:
    ProfileView *open()
    {
        app->control(QStringLiteral("profileOptionBtn"))->performClick();
        WexNoTitleWindow *window = app->view()->pageWindows().window(PageWindows::Page::Profile);
        return window ? qobject_cast<ProfileView *>(window->contentView()) : nullptr;
    }

    static QStringList names(const ProfileView *page)
    {
        QStringList shown;
        for (const ProfileValuePtr &profile : page->tableModel()->profiles())
            shown << profile->name();
        return shown;
    }

    static WexButton *button(const ProfileView *page, int tag) { return page->byTag(tag); }

    // The line edit of the name being edited; null when none is.
    static QLineEdit *nameEditor(const ProfileView *page)
    {
        RigthMouseTBView *table = page->profileTbView();
        const QModelIndex name =
            table->currentIndex().siblingAtColumn(ProfileTableModel::NameColumn);
        auto *editor = qobject_cast<QLineEdit *>(table->indexWidget(name));
        return editor && editor->isVisible() ? editor : nullptr;
    }

    // Types `text` over the name being edited and presses Return; the
    // table takes the name once the editor has seen the key.
    static void typeName(const ProfileView *page, const QString &text)
    {
        QLineEdit *editor = nameEditor(page);
        QVERIFY(editor);
        editor->selectAll();
        editor->insert(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    // Right-clicks the row and chooses the context menu's entry `tag`.
    static bool chooseFromRowMenu(ProfileView *page, int row, int tag)
    {
        RigthMouseTBView *table = page->profileTbView();
        const QModelIndex name = page->tableModel()->index(row, ProfileTableModel::NameColumn);
        table->scrollTo(name);
        const QRect cell = table->visualRect(name);
        QTest::mousePress(table->viewport(), Qt::RightButton, {}, cell.center());
        QTest::mouseRelease(table->viewport(), Qt::RightButton, {}, cell.center());
        WexMenulist *menu = page->rightMenuList();
        return menu && menu->isVisible() && menu->chooseRow(tag - 1);
    }

private Q_SLOTS:
    void showsOnlyTheUsersProfilesAsAnAccessibleTable()
    {
        QVERIFY(store()->currProfile()->isDefault());
        addUserProfile(QStringLiteral("Alpha"));
        addUserProfile(QStringLiteral("Beta"));
        ProfileView *page = open();
        QVERIFY(page);
        QCOMPARE(page->window()->size(), QSize(603, 474));
        QCOMPARE(names(page), (QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta")}));
        // The controller's selection is a default profile: no row is selected.
        QVERIFY(!page->currSelProfile());
        QVERIFY(page->profileTbView()->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!button(page, ProfileViewLayout::DeleteTag)->isEnabled());

        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(page->profileTbView());
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface *cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->rowCount(), 2);
        QCOMPARE(cells->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("2"));
        QCOMPARE(cells->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("Beta"));
        QCOMPARE(QAccessible::queryAccessibleInterface(button(page, ProfileViewLayout::NewTag))
                     ->text(QAccessible::Name),
                 QStringLiteral("Create a new profile"));

        // A row selected by the keyboard is the page's selection.
        page->profileTbView()->setFocus();
        QTest::keyClick(page->profileTbView(), Qt::Key_Down);
        QVERIFY(page->currSelProfile());
        QVERIFY(button(page, ProfileViewLayout::DeleteTag)->isEnabled());
        // The menu key opens the row's context menu.
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(page->profileTbView()->viewport(), &menuKey);
        QVERIFY(page->rightMenuList()->isVisible());
        page->rightMenuList()->hide();
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::CancelTag)));
        QVERIFY(!app->view()->pageWindows().window(PageWindows::Page::Profile));
    }

    void newAndCopyStopAtFiftyProfiles()
    {
        for (int n = 1; n < 45; ++n)
            addUserProfile(QStringLiteral("User %1").arg(n));
        ProfileView *page = open();
        QVERIFY(page);
        // 49 profiles: New adds one, selected, its name being edited.
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::NewTag)));
        QCOMPARE(int(store()->getProfileCount()), 50);
        QCOMPARE(page->tableModel()->rowCount(), 45);
        QVERIFY(page->currSelProfile() == store()->profileArr.constLast());
        QVERIFY(nameEditor(page));
        QTest::keyClick(nameEditor(page), Qt::Key_Escape);
        QVERIFY(dialogs->messages().isEmpty());

        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::NewTag)));
        QVERIFY(chooseFromRowMenu(page, 0, ProfileView::CopyTag));
        QCOMPARE(dialogs->messages(),
                 QStringList(2, QStringLiteral("Maximum number of profiles reached")));
        QCOMPARE(int(store()->getProfileCount()), 50);
        QCOMPARE(page->tableModel()->rowCount(), 45);
    }

    void aCopyIsNamedAfterTheProfileCopied()
    {
        addUserProfile(QStringLiteral("Alpha"));
        addUserProfile(QStringLiteral("Beta"));
        ProfileView *page = open();
        QVERIFY(page);
        WexMenulist *menu = page->rightMenuList();
        QVERIFY(chooseFromRowMenu(page, 1, ProfileView::CopyTag));
        QCOMPARE(menu->rowCaption(0), QStringLiteral("Rename"));
        QCOMPARE(menu->rowCaption(2), QStringLiteral("Set Active"));
        QCOMPARE(names(page).constLast(), QStringLiteral("Beta copy_1"));
        QCOMPARE(page->currSelProfile()->name(), QStringLiteral("Beta copy_1"));
        QVERIFY(nameEditor(page));
    }

    void renamingCutsLongNamesAndRefusesTakenOnes()
    {
        const ProfileValuePtr alpha = addUserProfile(QStringLiteral("Alpha"));
        addUserProfile(QStringLiteral("Beta"));
        ProfileView *page = open();
        QVERIFY(page);
        QVERIFY(chooseFromRowMenu(page, 0, ProfileView::RenameTag));
        QVERIFY(page->currSelProfile() == alpha);

        typeName(page, QStringLiteral("Beta"));
        QVERIFY(nameEditor(page));
        QCOMPARE(alpha->name(), QStringLiteral("Alpha"));
        typeName(page, QString());
        QVERIFY(nameEditor(page));
        typeName(page, QStringLiteral("Alpha"));
        QVERIFY(!nameEditor(page));
        QCOMPARE(alpha->name(), QStringLiteral("Alpha"));

        // A double click on the name edits it too.
        RigthMouseTBView *table = page->profileTbView();
        const QPoint cell =
            table->visualRect(page->tableModel()->index(0, ProfileTableModel::NameColumn)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
        const QString longName = QString(120, u'x');
        typeName(page, longName);
        QVERIFY(!nameEditor(page));
        QCOMPARE(alpha->name(), longName.left(100));
        QCOMPARE(page->tableModel()->index(0, ProfileTableModel::NameColumn).data().toString(),
                 longName.left(100));
    }

    void deletingSelectsTheNextUserProfile()
    {
        const ProfileValuePtr alpha = addUserProfile(QStringLiteral("Alpha"));
        const ProfileValuePtr beta = addUserProfile(QStringLiteral("Beta"));
        ProfileView *page = open();
        QVERIFY(page);
        page->selectRowByData(alpha, false);
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::DeleteTag)));
        QCOMPARE(names(page), QStringList(QStringLiteral("Beta")));
        QVERIFY(page->currSelProfile() == beta);
        QVERIFY(!store()->profileArr.contains(alpha));

        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::DeleteTag)));
        QVERIFY(names(page).isEmpty());
        QVERIFY(!page->currSelProfile());
        QVERIFY(page->profileTbView()->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(int(store()->getProfileCount()), 5);
    }

    // The main window never goes on showing a profile deleted on the page.
    void deletingTheShownProfileShowsTheSlotsProfileAfterwards()
    {
        const ProfileValuePtr alpha = addUserProfile(QStringLiteral("Alpha"));
        app->view()->acitveProfileById(alpha->profileId());
        QVERIFY(app->waitUntilIdle());
        QCOMPARE(app->control(QStringLiteral("currProfileBtn"))->title(), QStringLiteral("Alpha"));
        ProfileView *page = open();
        QVERIFY(page);
        page->selectRowByData(alpha, false);
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::DeleteTag)));
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::OkTag)));
        QVERIFY(app->waitUntilIdle());
        QVERIFY(store()->currProfile());
        QVERIFY(store()->profileArr.contains(store()->currProfile()));
        QCOMPARE(app->control(QStringLiteral("currProfileBtn"))->title(),
                 store()->currProfile()->name());
    }

    void exportAndImportAnswer()
    {
        QTemporaryDir folder;
        const ProfileValuePtr alpha = addUserProfile(QStringLiteral("Alpha"));
        ProfileView *page = open();
        QVERIFY(page);
        page->selectRowByData(alpha, false);
        chooseInFilePanel(folder.filePath(QStringLiteral("mine")));
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::ExportTag)));
        const QString exported = folder.filePath(QStringLiteral("mine.pro"));
        QVERIFY(QFile::exists(exported));

        // Its name is taken while Alpha is in the list.
        chooseInFilePanel(exported);
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::ImportTag)));
        QCOMPARE(dialogs->count(QStringLiteral("WarningExistProfileName")), 1);
        QCOMPARE(page->tableModel()->rowCount(), 1);

        QFile broken(folder.filePath(QStringLiteral("broken.pro")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a profile");
        broken.close();
        chooseInFilePanel(broken.fileName());
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::ImportTag)));
        QCOMPARE(dialogs->messages(), QStringList(QStringLiteral("Profile data destruction")));
        QCOMPARE(page->tableModel()->rowCount(), 1);

        addUserProfile(QStringLiteral("Beta"));
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::DeleteTag)));
        chooseInFilePanel(exported);
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::ImportTag)));
        QCOMPARE(names(page), (QStringList{QStringLiteral("Beta"), QStringLiteral("Alpha")}));
        QCOMPARE(page->currSelProfile()->name(), QStringLiteral("Alpha"));
    }

    void activationBindsTheSlotAndReachesTheMouse()
    {
        const ProfileValuePtr alpha = addUserProfile(QStringLiteral("Alpha"));
        const ProfileValuePtr beta = addUserProfile(QStringLiteral("Beta"));
        const int slot = store()->currFWProfileIndex();
        ProfileView *page = open();
        QVERIFY(page);
        MainView *main = app->view();

        // Apply activates and keeps the page open.
        page->selectRowByData(alpha, false);
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::ApplyTag)));
        QVERIFY(waitUntil([main] { return main->isModalSeron() == 1; }, 30000));
        QVERIFY(app->view()->pageWindows().window(PageWindows::Page::Profile));
        QVERIFY(store()->getProfileByFWProId(slot) == alpha);
        QVERIFY(store()->currProfile() == alpha);
        std::optional<OnboardProfile> onMouse = OnboardProfile::read(slot);
        QVERIFY(onMouse);
        QCOMPARE(onMouse->name, QStringLiteral("Alpha"));

        // "Set Active" from the row's menu, then OK, which closes the page.
        QVERIFY(chooseFromRowMenu(page, 1, ProfileView::SetActiveTag));
        QVERIFY(pressAccessibly(button(page, ProfileViewLayout::OkTag)));
        QVERIFY(app->waitUntilIdle());
        QVERIFY(!app->view()->pageWindows().window(PageWindows::Page::Profile));
        QVERIFY(store()->getProfileByFWProId(slot) == beta);
        onMouse = OnboardProfile::read(slot);
        QVERIFY(onMouse);
        QCOMPARE(onMouse->name, QStringLiteral("Beta"));
        QCOMPARE(app->control(QStringLiteral("currProfileBtn"))->title(), QStringLiteral("Beta"));
    }
};

int main(int argc, char **argv)
{
    ProfileViewTest tests;
    return runApplicationTests(&tests, argc, argv);
}

#include "ProfileViewTest.moc"
