// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileView.h"

#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "PickListStyle.h"
#include "ProfileFilePanel.h"
#include "ProfileTableModel.h"
#include "ProfileViewLayout.h"
#include "RigthMouseTBView.h"
#include "SkinPalette.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "WexUiAction.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"
#include "platform/WexLogger.h"
#include "platform/WexMenuData.h"
#include "profile/ProfieController.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>

namespace orvex {

namespace {

using Layout = ProfileViewLayout;

constexpr int MenuEntryKind = 2;
constexpr int TablePixelSize = 12;
constexpr char ProIdKey[] = "ProID";
constexpr char NameTakenDialog[] = "WarningExistProfileName";
constexpr QSize NameTakenSize{598, 173};
constexpr QPoint NameTakenOkOrigin{489, 124};

struct TooltipEntry
{
    int tag;
    const char *key;
};

constexpr TooltipEntry TooltipKeys[] = {
    {Layout::NewTag, "Create a new profile"},
    {Layout::ImportTag, "Import profile"},
    {Layout::ExportTag, "export profile"},
    {Layout::DeleteTag, "Delete a profile"},
    {Layout::OkTag, "OK"},
    {Layout::CancelTag, "Cancel"},
    {Layout::ApplyTag, "Apply"},
};

constexpr TooltipEntry MenuEntries[] = {
    {ProfileView::RenameTag, "Rename"},
    {ProfileView::CopyTag, "Copy"},
    {ProfileView::SetActiveTag, "Set Active"},
};

// The text of `key` in the chosen language; the key itself without one.
QString textOf(const char *key)
{
    TooltipManager *tooltips = TooltipManager::shareTooltipManager();
    const QString text = tooltips ? tooltips->getTooltip(QLatin1String(key)) : QString();
    return text.isEmpty() ? QLatin1String(key) : text;
}

// Black rows, the selected one on the pick lists' red, a header in the
// panels' dark metal with a red rule under it, and a name being edited in
// white on dark grey, its selected text white on black.
const char TableStyle[] = R"(
QTableView {
    background: black; color: white; border: none; outline: 0;
    gridline-color: rgb(28, 28, 31);
    selection-background-color: rgb(125, 6, 8); selection-color: white;
}
QHeaderView::section {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(58, 59, 64), stop:1 rgb(34, 35, 39));
    color: rgb(200, 200, 204); border: none; border-right: 1px solid black;
    border-bottom: 2px solid rgb(125, 6, 8); padding: 0 6px; font-weight: bold;
}
QTableView QLineEdit {
    background: rgb(48, 48, 52); color: white; border: 1px solid rgb(200, 20, 26);
    selection-background-color: black; selection-color: white; padding: 0 2px;
}
QScrollBar:vertical { background: rgb(14, 14, 16); width: 10px; margin: 0; }
QScrollBar::handle:vertical { background: rgb(90, 91, 96); border-radius: 4px; min-height: 24px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)";

} // namespace

ProfileView::ProfileView(const QRect &frame, QWidget *parent)
    : ButtonPageView(frame, parent, Layout::page())
{
}

ProfileView::~ProfileView()
{
    if (m_rightMenuList)
        m_rightMenuList->setDelegate(nullptr);
    if (m_profileTbView)
        m_profileTbView->setTableDelegate(nullptr);
}

void ProfileView::initData()
{
    ButtonPageView::initData();
    initRightMenu();
}

void ProfileView::initRightMenu()
{
    m_rightNode = WexTreeNode::initWithData(nullptr);
    for (const TooltipEntry &entry : MenuEntries) {
        auto data = std::make_shared<WexMenuData>();
        data->setTitleStr(textOf(entry.key));
        data->setType(MenuEntryKind);
        data->setTag(entry.tag);
        WexTreeNode::initWithData(data, m_rightNode);
    }
    // Owned by the page, so it goes with it.
    m_rightMenuList = WexMenulist::menulistWithNode(m_rightNode, this);
    PickListStyle::apply(m_rightMenuList, ContextMenuWidth);
    m_rightMenuList->setDelegate(this);
    m_rightMenuList->setAccessibleName(tr("Profile actions"));
}

void ProfileView::initControls()
{
    for (const ButtonPageLayout::Control &control : pageLayout().controls)
        addControl(control.field);
    initTooltip();
    initTable();
}

void ProfileView::initTooltip()
{
    for (const TooltipEntry &entry : TooltipKeys) {
        if (WexButton *button = byTag(entry.tag))
            button->setToolTip(textOf(entry.key));
    }
}

void ProfileView::initTable()
{
    m_model = new ProfileTableModel(this);
    m_profileTbView = new RigthMouseTBView(this);
    m_profileTbView->setObjectName(QStringLiteral("profileTbView"));
    m_profileTbView->setAccessibleName(tr("Profiles"));
    m_profileTbView->setGeometry(Layout::TableRect);
    m_profileTbView->setModel(m_model);
    m_profileTbView->setTableDelegate(this);
    m_profileTbView->setStyleSheet(QLatin1String(TableStyle));
    m_profileTbView->setFont(SkinPalette::font(TablePixelSize));
    m_profileTbView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_profileTbView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_profileTbView->setEditTriggers(QAbstractItemView::DoubleClicked |
                                     QAbstractItemView::EditKeyPressed);
    m_profileTbView->setShowGrid(false);
    m_profileTbView->setWordWrap(false);
    m_profileTbView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_profileTbView->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    QHeaderView *rows = m_profileTbView->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(Layout::RowHeight);
    rows->setDefaultSectionSize(Layout::RowHeight);
    QHeaderView *columns = m_profileTbView->horizontalHeader();
    columns->setFixedHeight(Layout::HeaderHeight);
    columns->setSectionsClickable(false);
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(ProfileTableModel::NumberColumn, QHeaderView::Fixed);
    columns->setSectionResizeMode(ProfileTableModel::NameColumn, QHeaderView::Stretch);
    columns->resizeSection(ProfileTableModel::NumberColumn, Layout::NumberColumnWidth);

    connect(m_profileTbView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProfileView::onSelectionChanged);
}

// --- Showing the list -----------------------------------------------------------

void ProfileView::refreshData()
{
    getProfileArrsPro();
    fillSettingData();
}

void ProfileView::getProfileArrsPro()
{
    QList<ProfileValuePtr> profiles;
    if (OrvexAction::sysProCon)
        OrvexAction::sysProCon->getNoDefaultProArr(profiles);
    m_model->setProfiles(profiles);
}

void ProfileView::fillSettingData()
{
    const ProfileValuePtr current =
        OrvexAction::sysProCon ? OrvexAction::sysProCon->currProfile() : nullptr;
    selectOnly(current && !current->isDefault() ? current : nullptr, false);
}

void ProfileView::showRows(const ProfileValuePtr &profile, bool edited)
{
    getProfileArrsPro();
    selectOnly(profile, edited);
}

// Clearing the table's selection clears the page's too; the wanted
// profile is set again after it.
void ProfileView::selectOnly(const ProfileValuePtr &profile, bool edited)
{
    m_profileTbView->clearSelection();
    m_currSelProfile = profile;
    selectRowByData(profile, edited);
    refreshEnableState();
}

void ProfileView::selectRowByData(const ProfileValuePtr &profile, bool edited)
{
    const int row = m_model->rowOf(profile);
    if (row < 0)
        return;
    const QModelIndex name = m_model->index(row, ProfileTableModel::NameColumn);
    m_profileTbView->selectionModel()->setCurrentIndex(name, QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
    m_profileTbView->scrollTo(name);
    if (edited) {
        m_profileTbView->setFocus(Qt::OtherFocusReason);
        m_profileTbView->edit(name);
    }
}

void ProfileView::onSelectionChanged()
{
    const QModelIndexList rows = m_profileTbView->selectionModel()->selectedRows();
    m_currSelProfile = rows.isEmpty() ? nullptr : m_model->profileAt(rows.constFirst().row());
    refreshEnableState();
}

// Export and delete need a row; the skin shows them dimmed without one.
void ProfileView::refreshEnableState()
{
    const bool selected = m_currSelProfile != nullptr;
    if (WexButton *button = byTag(Layout::ExportTag))
        button->setEnabled(selected);
    if (WexButton *button = byTag(Layout::DeleteTag))
        button->setEnabled(selected);
}

// --- Actions ----------------------------------------------------------------------

void ProfileView::buttonAction(WexButton *sender)
{
    if (!sender)
        return;
    switch (sender->tag()) {
    case Layout::NewTag:
        addProfile(false);
        break;
    case Layout::ImportTag:
        importProfile();
        break;
    case Layout::ExportTag:
        extentProfile();
        break;
    case Layout::DeleteTag:
        delProfile();
        break;
    case Layout::OkTag:
        ActiveProfilePro();
        closePage();
        break;
    case Layout::CancelTag:
        closePage();
        break;
    case Layout::ApplyTag:
        ActiveProfilePro();
        break;
    default:
        break;
    }
}

void ProfileView::onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode)
{
    const auto entry = selNode ? selNode->dataAs<WexMenuData>() : nullptr;
    if (!entry || list != m_rightMenuList)
        return;
    switch (entry->tag()) {
    case RenameTag:
        reNamePro();
        break;
    case CopyTag:
        addProfile(true);
        break;
    case SetActiveTag:
        ActiveProfilePro();
        break;
    default:
        break;
    }
}

bool ProfileView::isFull() const
{
    return OrvexAction::sysProCon->getProfileCount() >= MaxProfileCount;
}

void ProfileView::addProfile(bool copy)
{
    ProfieController *store = OrvexAction::sysProCon;
    if (!store || (copy && !m_currSelProfile))
        return;
    if (isFull()) {
        WexUiAction::showInfoMessage(textOf("Maximum number of profiles reached"));
        return;
    }
    // A copy is named after the profile copied, which need not be the
    // controller's selected one.
    const ProfileValuePtr added =
        copy
            ? store->addProfileByName(store->getCopyProfileName(m_currSelProfile), m_currSelProfile)
            : store->addProfile();
    showRows(added, true);
}

void ProfileView::reNamePro()
{
    selectRowByData(m_currSelProfile, true);
}

bool ProfileView::textShouldBeginEditing(RigthMouseTBView *, const QModelIndex &index)
{
    return m_currSelProfile && index.column() == ProfileTableModel::NameColumn;
}

bool ProfileView::textShouldEndEditing(RigthMouseTBView *, const QModelIndex &, const QString &text)
{
    const QString name = text.left(ProfileTableModel::MaxNameLength);
    if (!m_currSelProfile || name.trimmed().isEmpty() ||
        !OrvexAction::sysProCon->checkProfileName(name, m_currSelProfile.get())) {
        QApplication::beep();
        return false;
    }
    m_currSelProfile->setName(name);
    return true;
}

void ProfileView::delProfile()
{
    ProfieController *store = OrvexAction::sysProCon;
    if (!store || !m_currSelProfile)
        return;
    const ProfileValuePtr next = store->getNextProfieWithNodef(m_currSelProfile);
    store->delProfile(m_currSelProfile);
    showRows(next, false);
}

void ProfileView::importProfile()
{
    ProfieController *store = OrvexAction::sysProCon;
    if (!store)
        return;
    if (isFull()) {
        WexUiAction::showInfoMessage(textOf("Maximum number of profiles reached"));
        return;
    }
    const QString path = ProfileFilePanel::chooseImport(window());
    if (path.isEmpty())
        return;
    switch (store->addByPath(path)) {
    case ProfieController::Imported:
        showRows(store->profileArr.constLast(), false);
        break;
    case ProfieController::Unreadable:
        WexUiAction::showInfoMessage(textOf("Profile data destruction"));
        break;
    case ProfieController::NameTaken:
        // OK only: the origin of no Cancel button is zero.
        OrvexWidgetFactory::showPopView(QLatin1String(NameTakenDialog), NameTakenSize,
                                        NameTakenOkOrigin, QPoint(0, 0));
        break;
    default:
        break;
    }
}

void ProfileView::extentProfile()
{
    if (!m_currSelProfile)
        return;
    const QString path = ProfileFilePanel::chooseExport(window(), m_currSelProfile->name());
    if (path.isEmpty())
        return;
    if (!m_currSelProfile->saveToPath(path))
        WexUiAction::showInfoMessage(tr("The profile could not be written to %1.").arg(path));
}

void ProfileView::ActiveProfilePro()
{
    if (!m_currSelProfile)
        return;
    InProcessNotifier::shared()->post(
        QLatin1String(notify::ActiveProfileEvent), {},
        {{QLatin1String(ProIdKey), QVariant::fromValue<qint64>(m_currSelProfile->profileId())}});
}

// --- Context menu ----------------------------------------------------------------

void ProfileView::showRightMenu(const QPoint &screenPoint)
{
    if (m_currSelProfile && m_rightMenuList)
        m_rightMenuList->showMenulist(screenPoint);
}

void ProfileView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton && m_profileTbView->geometry().contains(at)) {
        // The row under the pointer is the one the menu acts on.
        const QModelIndex index =
            m_profileTbView->indexAt(m_profileTbView->viewport()->mapFrom(this, at));
        if (index.isValid())
            selectRowByData(m_model->profileAt(index.row()), false);
        showRightMenu(event->globalPosition().toPoint());
    }
    ButtonPageView::mousePressEvent(event);
}

void ProfileView::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() != QContextMenuEvent::Keyboard || !m_currSelProfile) {
        event->ignore();
        return;
    }
    const int row = m_model->rowOf(m_currSelProfile);
    const QRect cell =
        m_profileTbView->visualRect(m_model->index(row, ProfileTableModel::NameColumn));
    showRightMenu(m_profileTbView->viewport()->mapToGlobal(cell.bottomLeft()));
    event->accept();
}

} // namespace orvex
