// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroView.h"

#include "MacroMenuList.h"
#include "MacroStepModel.h"
#include "MacroViewLayout.h"
#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "PickListStyle.h"
#include "RigthMouseTBView.h"
#include "SkinPalette.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "WexNumberTextField.h"
#include "WexUiAction.h"

#include <QApplication>
#include <QHeaderView>

namespace orvex {

namespace {

constexpr char CommandListName[] = "Command";

struct TooltipEntry
{
    int tag;
    const char *key;
};

// The English keys of Tooltip.xml, by control.
constexpr TooltipEntry TooltipKeys[] = {
    {MacroView::RecordTag, "RECORD"},
    {MacroView::StopTag, "STOP"},
    {MacroView::DelKeyTag, "DELETE"},
    {MacroView::KeyUpTag, "Move instruction line up"},
    {MacroView::KeyDownTag, "Move instruction line down"},
    {MacroView::NewMacroTag, "Create New Macro"},
    {MacroView::LoadMacroTag, "Load"},
    {MacroView::SaveMacroTag, "Save as file"},
    {MacroView::DelMacroTag, "Delete one macro file"},
    {MacroView::InsertDelayTag, "ADJUST DELAY TIME"},
    {MacroView::InsertDefDelayTag, "Configure the delay timing"},
    {MacroView::InsertComTag, "Insert Macro command"},
    {MacroView::IgnoreDelayTag, "Without any delay"},
    {MacroView::InsertDefDelayChkTag, "Insert defualt delay time (VX9)"},
    {MacroView::OkTag, "OK"},
    {MacroView::CancelTag, "Cancel"},
    {MacroView::ApplyTag, "Apply"},
};

// The controls that need a chosen macro.
constexpr int NeedAMacro[] = {MacroView::RecordTag,      MacroView::StopTag,
                              MacroView::InsertDelayTag, MacroView::InsertComTag,
                              MacroView::SaveMacroTag,   MacroView::DelMacroTag};

const char *const ControlFields[] = {"macroNameBtn",
                                     "recordBtn",
                                     "stopBtn",
                                     "delKeyBtn",
                                     "keyUpBtn",
                                     "keyDownBtn",
                                     "newMacroBtn",
                                     "delMacroBtn",
                                     "loadMacroBtn",
                                     "saveMacroBtn",
                                     "lgnoreDelayChk",
                                     "insertDefLayChk",
                                     "insertDefDelayBtn",
                                     "adjustDelayDownBtn",
                                     "adjustDelayUpBtn",
                                     "insertDelayBtn",
                                     "comSelBtn",
                                     "insertComBtn",
                                     "okBtn",
                                     "cancelBtn",
                                     "applyBtn"};

} // namespace

MacroView::DelaySettings &MacroView::delaySettings()
{
    static DelaySettings settings;
    return settings;
}

MacroView::MacroView(const QRect &frame, QWidget *parent)
    : ButtonPageView(frame, parent, MacroViewLayout::macroView())
{
}

MacroView::~MacroView()
{
    qApp->removeEventFilter(this);
    // The pick list is the process's and outlives the page.
    WexMenulist *list = MacroMenuList::macroMenuList();
    if (list && list->delegate() == this)
        list->setDelegate(nullptr);
}

void MacroView::initControls()
{
    for (const char *field : ControlFields) {
        WexButton *button = addControl(QLatin1String(field));
        button->setWexBtnDelege(this);
        if (button->tag() == IgnoreDelayTag || button->tag() == InsertDefDelayChkTag)
            button->setIsCheckBox(true);
    }
    byTag(DelKeyTag)->setDoubleAction([this](WexButton *) { clearAllSteps(); });
    byTag(AdjustDelayUpTag)->setAccessibleName(tr("Step delay up"));
    byTag(AdjustDelayDownTag)->setAccessibleName(tr("Step delay down"));
    m_adjustDelayTxt = addDelayField(QStringLiteral("adjustDelayTxt"));
    m_defDelayTxt = addDelayField(QStringLiteral("defDelayTxt"));
    initStepList();
    initTooltip();
    initTabOrder();
}

// Tab goes in reading order: the macro and its steps with their buttons,
// then the right column from top to bottom, then OK, Cancel and Apply.
void MacroView::initTabOrder()
{
    const QList<QWidget *> order{byTag(MacroNameTag),
                                 m_keytbView,
                                 byTag(RecordTag),
                                 byTag(StopTag),
                                 byTag(DelKeyTag),
                                 byTag(KeyUpTag),
                                 byTag(KeyDownTag),
                                 byTag(NewMacroTag),
                                 byTag(DelMacroTag),
                                 byTag(LoadMacroTag),
                                 byTag(SaveMacroTag),
                                 byTag(IgnoreDelayTag),
                                 byTag(InsertDefDelayChkTag),
                                 m_defDelayTxt,
                                 byTag(InsertDefDelayTag),
                                 byTag(AdjustDelayDownTag),
                                 m_adjustDelayTxt,
                                 byTag(AdjustDelayUpTag),
                                 byTag(InsertDelayTag),
                                 byTag(ComSelTag),
                                 byTag(InsertComTag),
                                 byTag(OkTag),
                                 byTag(CancelTag),
                                 byTag(ApplyTag)};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

WexNumberTextField *MacroView::addDelayField(const QString &field)
{
    const ButtonPageLayout::Control *box = pageLayout().byField(field);
    const int inset = ButtonPageLayout::NumberFieldInset;
    WexNumberTextField *text = OrvexWidgetFactory::AddNumTextField(
        box->rect.adjusted(inset, inset, -inset, -inset), this, MaxDelay, 0, MaxDelayDigits, false,
        [this](WexNumberTextField *sender) {
            if (sender == m_adjustDelayTxt)
                delaySettings().delayTime = sender->intValue();
            else
                delaySettings().defDelayTime = sender->intValue();
        });
    text->setObjectName(box->field);
    text->setAccessibleName(box->caption);
    text->setAlignment(Qt::AlignCenter);
    return text;
}

void MacroView::initStepList()
{
    const ButtonPageLayout::Control *box = pageLayout().byField(QStringLiteral("keytbView"));
    const int inset = MacroViewLayout::StepListInset;
    m_keytbView = new RigthMouseTBView(this);
    m_keytbView->setObjectName(box->field);
    m_keytbView->setAccessibleName(box->caption);
    m_keytbView->setGeometry(box->rect.adjusted(inset, inset, -inset, -inset));
    m_stepModel = new MacroStepModel(this);
    m_keytbView->setModel(m_stepModel);
    m_keytbView->setWexBtnDelege(this);
    m_keytbView->setTableDelegate(this);
    m_keytbView->horizontalHeader()->hide();
    m_keytbView->verticalHeader()->hide();
    m_keytbView->verticalHeader()->setDefaultSectionSize(MacroViewLayout::StepRowHeight);
    m_keytbView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_keytbView->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_keytbView->horizontalHeader()->setStretchLastSection(true);
    m_keytbView->setColumnWidth(MacroStepModel::IconColumn, MacroViewLayout::IconColumnWidth);
    m_keytbView->setColumnWidth(MacroStepModel::TextColumn, MacroViewLayout::TextColumnWidth);
    m_keytbView->setColumnWidth(MacroStepModel::DelayIconColumn, MacroViewLayout::IconColumnWidth);
    m_keytbView->setShowGrid(false);
    m_keytbView->setWordWrap(false);
    m_keytbView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_keytbView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_keytbView->setEditTriggers(QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    m_keytbView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_keytbView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_keytbView->setFrameShape(QFrame::NoFrame);
    QPalette palette = m_keytbView->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Highlight, SkinPalette::accent());
    palette.setColor(QPalette::HighlightedText, Qt::white);
    m_keytbView->setPalette(palette);
    connect(m_keytbView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MacroView::onRowSelected);
}

void MacroView::initTooltip()
{
    TooltipManager *tooltips = TooltipManager::shareTooltipManager();
    for (const TooltipEntry &entry : TooltipKeys) {
        const QString text = tooltips ? tooltips->getTooltip(QLatin1String(entry.key)) : QString();
        if (WexButton *button = byTag(entry.tag))
            button->setToolTip(text.isEmpty() ? QLatin1String(entry.key) : text);
    }
}

void MacroView::refreshData()
{
    OrvexAction::refreshMenuList();
    if (WexMenulist *list = MacroMenuList::macroMenuList())
        list->setDelegate(this);
    refreshComMenuList();
    setRecState(false);
    fillSettingData();
    setSelMacroByNode(nullptr);
}

void MacroView::refreshComMenuList()
{
    if (!OrvexAction::macroMenuNode)
        return;
    if (!m_macroComList) {
        m_macroComList = WexMenulist::menulistWithNode(OrvexAction::macroMenuNode, this);
        PickListStyle::apply(m_macroComList, PickListStyle::CommandListWidth);
        m_macroComList->setDelegate(this);
        m_macroComList->setAccessibleName(QLatin1String(CommandListName));
    }
    m_macroComList->setMenuNode(OrvexAction::macroMenuNode);
}

// The delay settings shown: the two fields and the two boxes, which show
// the way recording sets delays now.
void MacroView::fillSettingData()
{
    const DelaySettings &settings = delaySettings();
    m_adjustDelayTxt->setIntValue(settings.delayTime);
    m_defDelayTxt->setIntValue(settings.defDelayTime);
    byTag(IgnoreDelayTag)->setChecked(settings.delayType == NoDelay);
    byTag(InsertDefDelayChkTag)->setChecked(settings.delayType == DefaultDelay);
    refreshDelayFields();
}

void MacroView::buttonAction(WexButton *sender)
{
    if (!sender)
        return;
    switch (sender->tag()) {
    case RecordTag:
        if (m_currMacroInfo) {
            m_currInsertIndex = int(m_currMacroInfo->keyInfoArr.size());
            setRecState(true);
        }
        break;
    case StopTag:
        setRecState(false);
        break;
    case DelKeyTag:
        deleteSelectedStep();
        break;
    case KeyUpTag:
        moveSelectedStep(-1);
        break;
    case KeyDownTag:
        moveSelectedStep(1);
        break;
    case NewMacroTag:
        newMacro();
        break;
    case LoadMacroTag:
        importMacro();
        break;
    case SaveMacroTag:
        exportMacro();
        break;
    case DelMacroTag:
        deleteMacro();
        break;
    case MacroNameTag:
        if (WexMenulist *list = MacroMenuList::macroMenuList()) {
            list->setDelegate(this);
            OrvexWidgetFactory::showMenulistWithBtn(sender, list);
        }
        break;
    case InsertDelayTag:
        adjustSelectedDelay();
        break;
    case InsertDefDelayTag:
        takeOverDelayType();
        break;
    case InsertComTag:
        insertCommand();
        break;
    case AdjustDelayUpTag:
        stepDelayTime(1);
        break;
    case AdjustDelayDownTag:
        stepDelayTime(-1);
        break;
    case IgnoreDelayTag:
    case InsertDefDelayChkTag:
        checkBoxClicked(sender);
        break;
    case ComSelTag:
        if (m_macroComList)
            OrvexWidgetFactory::showMenulistWithBtn(sender, m_macroComList);
        break;
    case OkTag:
        confirm();
        break;
    case CancelTag:
        cancel();
        break;
    case ApplyTag:
        apply();
        break;
    default:
        break;
    }
}

void MacroView::onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode)
{
    if (!selNode)
        return;
    if (list == m_macroComList) {
        const MenuInfoPtr entry = selNode->dataAs<MenuInfo>();
        if (!entry)
            return;
        m_currMacroMenuData = entry;
        byTag(ComSelTag)->setTitle(entry->titleStr());
        return;
    }
    if (list == MacroMenuList::macroMenuList())
        setSelMacroByNode(selNode);
}

void MacroView::setSelMacro(const MacroInfoPtr &macro)
{
    WexTreeNode::Ptr found;
    if (macro && OrvexAction::macroNode) {
        for (const WexTreeNode::Ptr &child : OrvexAction::macroNode->children()) {
            const MenuInfoPtr entry = child->dataAs<MenuInfo>();
            if (entry && entry->macroInfo == macro)
                found = child;
        }
    }
    setSelMacroByNode(found);
}

void MacroView::setSelMacroByNode(const WexTreeNode::Ptr &node)
{
    const MenuInfoPtr entry = node ? node->dataAs<MenuInfo>() : nullptr;
    m_selMacroNode = entry ? node : nullptr;
    m_currMacroData = entry;
    m_currMacroInfo = entry ? entry->macroInfo : nullptr;
    m_selKeyInfo = nullptr;
    m_lastKeyInfo = nullptr;
    byTag(MacroNameTag)->setTitle(m_currMacroInfo ? m_currMacroInfo->nameStr : QString());
    m_reloading = true;
    m_stepModel->setMacro(m_currMacroInfo);
    m_reloading = false;
    refreshEnableStates();
}

void MacroView::addMacorByName(const QString &name)
{
    const MacroInfoPtr macro = OrvexAction::addMacorByName(name);
    if (!macro) {
        showMessage(MaxMacrosMessage);
        return;
    }
    // Added to the catalogue already; the menus and the choice follow.
    OrvexAction::refreshMenuList();
    setSelMacro(macro);
}

void MacroView::addMacroPro(const MacroInfoPtr &macro)
{
    OrvexAction::macroListArrs.append(macro);
    OrvexAction::refreshMenuList();
    setSelMacro(macro);
}

bool MacroView::checkMacroName(const QString &name)
{
    if (!OrvexAction::macroNode)
        return true;
    for (const WexTreeNode::Ptr &child : OrvexAction::macroNode->children()) {
        if (child->nodeData() && child->nodeData()->titleStr() == name)
            return false;
    }
    return true;
}

// --- The step list and enable states ------------------------------------------------

int MacroView::selectedRow() const
{
    if (!m_selKeyInfo || !m_currMacroInfo)
        return -1;
    return int(m_currMacroInfo->keyInfoArr.indexOf(m_selKeyInfo));
}

void MacroView::selectRow(int row)
{
    if (!m_currMacroInfo || row < 0 || row >= m_currMacroInfo->keyInfoArr.size()) {
        m_keytbView->clearSelection();
        m_selKeyInfo = nullptr;
        refreshStepButtons();
        return;
    }
    m_keytbView->selectRow(row);
    m_keytbView->scrollTo(m_stepModel->index(row, 0));
    m_selKeyInfo = m_currMacroInfo->keyInfoArr.at(row);
    refreshStepButtons();
}

// Once a row is chosen, the list keeps one chosen: a click beside the rows
// leaves the step selected.
void MacroView::onRowSelected()
{
    if (m_reloading)
        return;
    const QModelIndexList rows = m_keytbView->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        const int kept = selectedRow();
        if (kept >= 0) {
            m_reloading = true;
            m_keytbView->selectRow(kept);
            m_reloading = false;
        }
        return;
    }
    const int row = rows.constFirst().row();
    if (m_currMacroInfo && row < m_currMacroInfo->keyInfoArr.size())
        m_selKeyInfo = m_currMacroInfo->keyInfoArr.at(row);
    refreshStepButtons();
}

// The steps changed in number or order; `select` is chosen (none: the step
// chosen before, if it is still there).
void MacroView::reloadSteps(const MacroKeyInfoPtr &select)
{
    const MacroKeyInfoPtr chosen = select ? select : m_selKeyInfo;
    m_reloading = true;
    m_stepModel->reload();
    m_reloading = false;
    m_selKeyInfo = nullptr;
    const int row =
        chosen && m_currMacroInfo ? int(m_currMacroInfo->keyInfoArr.indexOf(chosen)) : -1;
    selectRow(row);
}

void MacroView::refreshEnableStates()
{
    if (m_isRecord)
        return;
    for (const int tag : NeedAMacro)
        byTag(tag)->setIsEnable(m_currMacroInfo != nullptr);
    refreshStepButtons();
}

void MacroView::refreshStepButtons()
{
    if (m_isRecord)
        return;
    const int count = m_currMacroInfo ? int(m_currMacroInfo->keyInfoArr.size()) : 0;
    const int row = selectedRow();
    const bool selected = count > 0 && row >= 0;
    byTag(DelKeyTag)->setIsEnable(selected);
    byTag(KeyUpTag)->setIsEnable(selected && row > 0);
    byTag(KeyDownTag)->setIsEnable(selected && row < count - 1);
}

void MacroView::showMessage(const char *message)
{
    TooltipManager *tooltips = TooltipManager::shareTooltipManager();
    const QString text = tooltips ? tooltips->getTooltip(QLatin1String(message)) : QString();
    WexUiAction::showInfoMessage(text.isEmpty() ? QLatin1String(message) : text);
}

bool MacroView::askQuestion(const char *question)
{
    TooltipManager *tooltips = TooltipManager::shareTooltipManager();
    const QString text = tooltips ? tooltips->getTooltip(QLatin1String(question)) : QString();
    return WexUiAction::ChooseInfoMessage(text.isEmpty() ? QLatin1String(question) : text);
}

} // namespace orvex
