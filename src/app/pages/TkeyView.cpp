// SPDX-License-Identifier: GPL-3.0-or-later
#include "TkeyView.h"

#include "ButtonInfoArea.h"
#include "MacroMenuList.h"
#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "TkeyRepeatView.h"
#include "WexButton.h"
#include "WexMenulist.h"
#include "WexNoTitleWindow.h"
#include "WexSetpPanelObj.h"
#include "WexTextField.h"
#include "catalogue/MenuInfo.h"
#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"

#include <memory>

namespace orvex {

namespace {

constexpr int CountPixelSize = 12;
constexpr int CancelCode = 0;

const char *const ModeFields[] = {"onceChk", "multTimesChk", "holdChk", "untilPreChk"};

} // namespace

TkeyView::TkeyView(const QRect &frame, QWidget *parent)
    : ButtonPageView(frame, parent, ButtonPageLayout::tkeyView())
{
}

TkeyView::~TkeyView()
{
    // The pick list is the process's and outlives the page.
    WexMenulist *list = MacroMenuList::macroMenuList();
    if (list && list->delegate() == this)
        list->setDelegate(nullptr);
}

void TkeyView::initControls()
{
    addControl(QStringLiteral("selMacroBtn"));
    m_macroTypeSetp = new WexSetpPanelObj(this);
    for (const char *field : ModeFields) {
        WexButton *mode = addControl(QLatin1String(field));
        if (mode->tag() == MultTimesTag) {
            // Seen before the selector takes the click: a click on the mode
            // already chosen asks for the count again.
            connect(mode, &WexButton::clicked, this, [this] {
                m_askCountAgain = m_macroTypeSetp->currentSetp() == NumberOfTimes + 1;
            });
        }
        m_macroTypeSetp->addItem(mode);
    }
    m_macroTypeSetp->setSetpDelegate(this);
    addControl(QStringLiteral("okBtn"));
    addControl(QStringLiteral("cancelBtn"));

    m_countLabel = OrvexWidgetFactory::AddLabTextField(ButtonPageLayout::RepeatCountLabel, this);
    QFont font = m_countLabel->font();
    font.setPixelSize(CountPixelSize);
    font.setBold(true);
    m_countLabel->setFont(font);
    m_countLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_countLabel->setAccessibleName(QStringLiteral("Repeat count"));
    // The label lies on its mode's row; the row keeps the clicks.
    m_countLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_countLabel->setFocusPolicy(Qt::NoFocus);
    showCount();
}

void TkeyView::refreshData()
{
    OrvexAction::refreshMenuList();
    if (WexMenulist *list = MacroMenuList::macroMenuList())
        list->setDelegate(this);
    fillMacroType();
}

void TkeyView::setTmpBtnInfo(const BTN_INFO &record)
{
    m_tmpBtnInfo = record;
    if (record.FuncID == ButtonInfoArea::MacroFunction) {
        // A mode the pages do not know shows as "once".
        m_macroType = record.KeyBit[0] <= UntilPressedAgain ? int(record.KeyBit[0]) : Once;
        m_macroCount = int(record.KeyBit[1]);
        setSelMacro(OrvexAction::getMacroById(std::int32_t(record.MacroID)));
    } else {
        m_macroType = Once;
        m_macroCount = 0;
        setSelMacro(nullptr);
    }
    fillMacroType();
}

void TkeyView::fillMacroType()
{
    m_isFillData = true;
    m_macroTypeSetp->selectindex(m_macroType + 1);
    m_isFillData = false;
    showCount();
}

void TkeyView::setSelMacro(const MacroInfoPtr &macro)
{
    m_selMacroInfo = macro;
    selMacroBtn()->setTitle(macro ? macro->nameStr : QString());
}

void TkeyView::buttonAction(WexButton *sender)
{
    if (!sender)
        return;
    switch (sender->tag()) {
    case SelMacroTag:
        if (WexMenulist *list = MacroMenuList::macroMenuList()) {
            list->setDelegate(this);
            OrvexWidgetFactory::showMenulistWithBtn(sender, list);
        }
        break;
    case MultTimesTag:
        if (m_askCountAgain) {
            m_askCountAgain = false;
            showLoopFrm();
        }
        break;
    case OkTag:
        confirm();
        break;
    case CancelTag:
        cancel();
        break;
    default:
        break;
    }
}

void TkeyView::onSelectIndex(int newIndex, int, WexSetpPanelObj *sender)
{
    if (m_isFillData || sender != m_macroTypeSetp)
        return;
    m_macroType = newIndex - 1;
    showCount();
    if (m_macroType == NumberOfTimes)
        showLoopFrm();
}

void TkeyView::onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode)
{
    if (!selNode || list != MacroMenuList::macroMenuList())
        return;
    if (const auto entry = selNode->dataAs<MenuInfo>())
        setSelMacro(entry->macroInfo);
}

void TkeyView::showLoopFrm()
{
    const ButtonPageLayout::Page &layout = ButtonPageLayout::repeatView();
    auto window = std::make_unique<WexNoTitleWindow>(layout.size);
    window->setWindowTitle(layout.title);
    auto *repeat =
        KeltoImageView::create<TkeyRepeatView>(QRect(QPoint(0, 0), layout.size), window.get());
    window->setContentView(repeat);
    window->setIsCanDrag(true);
    window->setDragHeight(TkeyRepeatView::DragHeight);
    window->center();
    repeat->setRepeatCount(m_macroCount);
    repeat->makeTxtFirstRes();
    if (window->runModal() != CancelCode)
        m_macroCount = repeat->repeatCount();
    window.reset();
    showCount();
    this->window()->raise();
    this->window()->activateWindow();
}

void TkeyView::saveData()
{
    if (!m_selMacroInfo)
        return;
    m_tmpBtnInfo.FuncID = ButtonInfoArea::MacroFunction;
    m_tmpBtnInfo.FuncTableId = fwfunc::Macro;
    m_tmpBtnInfo.btnType = MemoryMap::MacroButtonType;
    m_tmpBtnInfo.MacroID = std::uint32_t(m_selMacroInfo->macroId);
    m_tmpBtnInfo.KeyBit[0] = std::uint32_t(m_macroType);
    m_tmpBtnInfo.KeyBit[1] = std::uint32_t(m_macroCount);
}

void TkeyView::confirm()
{
    if (!m_selMacroInfo)
        return;
    m_endTag = Confirmed;
    OrvexAction::isNeedSave = true;
    saveData();
    closePage();
}

void TkeyView::cancel()
{
    m_endTag = Cancelled;
    closePage();
}

// The count shows beside its mode while that mode is chosen.
void TkeyView::showCount()
{
    if (!m_countLabel)
        return;
    const bool counted = m_macroType == NumberOfTimes;
    m_countLabel->setStringValue(counted ? QStringLiteral("\u00d7 %1").arg(m_macroCount)
                                         : QString());
    if (WexButton *mode = byTag(MultTimesTag))
        mode->setAccessibleDescription(counted ? QStringLiteral("%1 times").arg(m_macroCount)
                                               : QString());
}

} // namespace orvex
