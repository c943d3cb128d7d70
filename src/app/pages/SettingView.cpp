// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingView.h"

#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "SettingDPIView.h"
#include "SettingViewLayout.h"
#include "SettingWidgets.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexNumberTextField.h"
#include "WexProgressBar.h"
#include "WexSetpPanelObj.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"
#include "platform/WexLogger.h"
#include "platform/WexMouseAction.h"
#include "profile/ProfieController.h"
#include "profile/ProfileValue.h"

#include <QKeyEvent>

#include <algorithm>

namespace orvex {

namespace {

enum Tag
{
    EnableIndTag = 5050,
    DpiLevelTag = 5051,
    DoubleSpeedTag = 5052,
    MouseSpeedTag = 5053,
    ScrSpeedTag = 5054,
    OneScreenTag = 5059,
    OkTag = 5060,
    CancelTag = 5061,
    ApplyTag = 5062,
    ReDefTag = 5063,
    DpiTag = 5064,
    DpiXTag = 5065,
    DpiYTag = 5066,
    LiftHeightTag = 5067,
};

struct TooltipEntry
{
    int tag;
    const char *key;
};

// The English keys of Tooltip.xml, by control.
constexpr TooltipEntry TooltipKeys[] = {
    {OneScreenTag, "ONE SCREEN AT TIME"}, {OkTag, "OK"}, {CancelTag, "Cancel"}, {ApplyTag, "Apply"},
    {ReDefTag, "RESET TO DEFAULT"},
};

constexpr const char *RateItems[] = {"rate125Btn", "rate250Btn", "rate500Btn", "rate1000Btn"};

constexpr int MinDpiValue = 1;
constexpr int MaxDpiValue = 164;
constexpr int MaxLevel = DpiStageCount - 1;

// The level the page shows and edits: the record's, within 0..3.
int shownLevel()
{
    return std::clamp(int(OrvexAction::selProfile.currSelectDPI), 0, MaxLevel);
}

} // namespace

SettingView::SettingView(const QRect &frame, QWidget *parent) : KeltoImageView(frame, parent)
{
    setAccessibleName(QStringLiteral("Performance settings"));
    setFocusPolicy(Qt::StrongFocus);
}

SettingView::~SettingView() = default;

void SettingView::initData()
{
    m_sysTooltip = TooltipManager::shareTooltipManager();
    setImageByName(QLatin1String(SettingViewLayout::SkinName));
}

// Made in the order of the page, top to bottom, which the keyboard follows.
void SettingView::initControls()
{
    m_enableIndChk = addButton("enableIndChk");
    m_dpiLevelPro = addSlider("dpiLevelPro");
    m_dpiPro = addSlider("dpiPro");
    m_dpiTxt = SettingWidgets::addNumberField(
        this, *SettingViewLayout::byField(QStringLiteral("dpiTxt")),
        SettingWidgets::fieldName(QStringLiteral("dpiPro")),
        [this](WexNumberTextField *sender) { onNumTextChange(sender); });
    addDpiView();
    addRateSelector();
    m_liftHeightPro = addSlider("liftHeightPro");
    m_mouseSpeedPro = addSlider("mouseSpeedPro");
    m_scrSpeedPro = addSlider("scrSpeedPro");
    m_oneScreenBtn = addButton("oneScreenBtn");
    m_doubleSpeedPro = addSlider("doubleSpeedPro");
    addButtons();
    for (WexNumberTextField *field : {m_dpiTxt.data(), m_dpiView->dpiXTxt(), m_dpiView->dpiYTxt()})
        connect(field, &QLineEdit::editingFinished, this,
                [this, field] { onNumTextFinished(field); });
    // Neither the record nor the desktop has a setting for scrolling a
    // screen at a time: the box is shown, but cannot be ticked.
    m_oneScreenBtn->setIsEnable(false);
    initTooltip();
}

WexButton *SettingView::addButton(const char *field)
{
    const SettingViewLayout::Control &entry = *SettingViewLayout::byField(QLatin1String(field));
    const auto action = [this](WexButton *sender) { buttonAction(sender); };
    WexButton *button = entry.kind == SettingViewLayout::Kind::CheckBox
                            ? OrvexWidgetFactory::AddCheckBox(entry.rect, action, {}, this)
                            : OrvexWidgetFactory::AddButton(entry.rect, action, {}, this);
    button->setTag(entry.tag);
    button->setObjectName(entry.field);
    button->setAccessibleName(entry.caption);
    return button;
}

WexProgressBar *SettingView::addSlider(const char *field)
{
    return SettingWidgets::addSlider(this, *SettingViewLayout::byField(QLatin1String(field)),
                                     [this](WexProgressBar *sender) { progessBarAction(sender); });
}

void SettingView::addButtons()
{
    m_reDefBtn = addButton("reDefBtn");
    m_applyBtn = addButton("applyBtn");
    m_cancelBtn = addButton("cancelBtn");
    m_okBtn = addButton("okBtn");
}

void SettingView::addRateSelector()
{
    m_rateSetp = new WexSetpPanelObj(this);
    for (const char *field : RateItems)
        m_rateSetp->addItem(addButton(field));
    m_rateSetp->setSetpDelegate(this);
}

void SettingView::addDpiView()
{
    m_dpiView = KeltoImageView::create<SettingDPIView>(SettingViewLayout::DpiViewRect, this);
    m_dpiView->setDpiDelegate(this);
    m_dpiView->hide();
}

void SettingView::initTooltip()
{
    for (const TooltipEntry &entry : TooltipKeys) {
        auto *button =
            qobject_cast<WexButton *>(control(SettingViewLayout::byTag(entry.tag)->field));
        const QString text =
            m_sysTooltip ? m_sysTooltip->getTooltip(QLatin1String(entry.key)) : QString();
        if (button && !text.isEmpty())
            button->setToolTip(text);
    }
}

QWidget *SettingView::control(const QString &field) const
{
    return findChild<QWidget *>(field);
}

// --- Filling ---------------------------------------------------------------

void SettingView::refreshData()
{
    OrvexAction::sysProCon->refreshSelProfileFromData();
    fillSettingData();
}

void SettingView::fillSettingData()
{
    m_isFillData = true;
    m_hasSaved = false;
    setShowXYDPIView();
    const ORVEX_PROFILE &record = OrvexAction::selProfile;
    m_dpiLevelPro->setCurrentPos(record.currSelectDPI);
    m_doubleSpeedPro->setCurrentPos(record.doubleSpeed);
    m_mouseSpeedPro->setCurrentPos(record.acceler);
    m_scrSpeedPro->setCurrentPos(record.srcSpeed);
    m_liftHeightPro->setCurrentPos(record.liftHeight);
    m_rateSetp->selectindex(int(record.poRate) + 1);
    fillDPIData();
    m_isFillData = false;
}

void SettingView::fillDPIData()
{
    const bool wasFilling = m_isFillData;
    m_isFillData = true;
    const int level = shownLevel();
    const int x = std::max<int>(MinDpiValue, int(OrvexAction::selProfile.xSensArr[level]));
    const int y = std::max<int>(MinDpiValue, int(OrvexAction::selProfile.ySensArr[level]));
    // The field being typed in keeps its text until it is left.
    const auto show = [this](WexNumberTextField *field, int value) {
        if (field != m_editingField)
            field->setIntValue(value * fwmem::DpiUnit);
    };
    if (m_enableIndChk->Checked()) {
        m_dpiView->dpiXPro()->setCurrentPos(x);
        m_dpiView->dpiYPro()->setCurrentPos(y);
        show(m_dpiView->dpiXTxt(), x);
        show(m_dpiView->dpiYTxt(), y);
    } else {
        const int both = std::max(x, y);
        show(m_dpiTxt, both);
        m_dpiPro->setCurrentPos(both);
    }
    m_isFillData = wasFilling;
}

void SettingView::setDPIData(int dpiX, int dpiY)
{
    const int level = shownLevel();
    if (dpiX != -1)
        OrvexAction::selProfile.xSensArr[level] = std::uint32_t(dpiX);
    if (dpiY != -1)
        OrvexAction::selProfile.ySensArr[level] = std::uint32_t(dpiY);
    fillDPIData();
    markChanged();
}

void SettingView::setShowXYDPIView()
{
    const bool separate = m_enableIndChk->Checked();
    m_dpiView->setVisible(separate);
    // The joint row lies under the X and Y view: hidden, it takes no focus.
    m_dpiPro->setVisible(!separate);
    m_dpiTxt->setVisible(!separate);
    fillDPIData();
}

void SettingView::dpiChangePro(const QVariantMap &userInfo)
{
    const int level =
        std::clamp(OrvexAction::intValue(userInfo, QStringLiteral("value1")), 0, MaxLevel);
    ORVEX_DEBUG(QStringLiteral("The mouse switched to level %1").arg(level));
    OrvexAction::selProfile.currSelectDPI = std::uint32_t(level);
    m_dpiLevelPro->setCurrentPos(level);
    setDPIData(OrvexAction::intValue(userInfo, QStringLiteral("value2")),
               OrvexAction::intValue(userInfo, QStringLiteral("value3")));
}

// --- Notifications ---------------------------------------------------------

void SettingView::initNotify()
{
    m_dpiChangeObserver =
        connect(InProcessNotifier::shared(), &InProcessNotifier::notified, this,
                [this](const QString &name, const QVariant &, const QVariantMap &userInfo) {
                    if (name == QLatin1String(notify::DpiChange))
                        dpiChangePro(userInfo);
                });
    // However the window is closed, the page ends as with Cancel.
    if (window() != this) {
        m_observedWindow = window();
        m_observedWindow->installEventFilter(this);
    }
}

void SettingView::deallocNotify()
{
    disconnect(m_dpiChangeObserver);
    if (m_observedWindow)
        m_observedWindow->removeEventFilter(this);
    m_observedWindow = nullptr;
}

bool SettingView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_observedWindow && event->type() == QEvent::Close && !m_finished)
        cancelPro();
    return KeltoImageView::eventFilter(watched, event);
}

void SettingView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        cancelPro();
        return;
    }
    KeltoImageView::keyPressEvent(event);
}

// --- Changes ---------------------------------------------------------------

void SettingView::markChanged()
{
    m_hasSaved = true;
    m_needsRestore = true;
}

void SettingView::buttonAction(WexButton *sender)
{
    switch (sender->tag()) {
    case EnableIndTag:
        setShowXYDPIView();
        break;
    case OkTag:
        okPro();
        break;
    case CancelTag:
        cancelPro();
        break;
    case ApplyTag:
        applyPro();
        break;
    case ReDefTag:
        resetPro();
        break;
    default:
        break;
    }
}

void SettingView::progessBarAction(WexProgressBar *sender)
{
    markChanged();
    const int position = int(sender->currentPos());
    ORVEX_PROFILE &record = OrvexAction::selProfile;
    switch (sender->tag()) {
    case DpiLevelTag:
        selectLevel(position);
        break;
    case DoubleSpeedTag:
        record.doubleSpeed = std::uint32_t(position);
        OrvexAction::setSysPreSettingValue(position, WexMouseAction::DoubleClickSpeed);
        break;
    case MouseSpeedTag:
        record.acceler = std::uint32_t(position);
        OrvexAction::setSysPreSettingValue(position, WexMouseAction::Acceleration);
        break;
    case ScrSpeedTag:
        record.srcSpeed = std::uint32_t(position);
        OrvexAction::setSysPreSettingValue(position, WexMouseAction::ScrollSpeed);
        break;
    case DpiTag:
        setDPIData(position, position);
        break;
    case DpiXTag:
        setDPIData(position, -1);
        break;
    case DpiYTag:
        setDPIData(-1, position);
        break;
    case LiftHeightTag:
        record.liftHeight = std::uint32_t(position);
        break;
    default:
        break;
    }
}

// The active level goes to the mouse at once, and the agent shows it.
void SettingView::selectLevel(int level)
{
    ORVEX_PROFILE &record = OrvexAction::selProfile;
    record.currSelectDPI = std::uint32_t(level);
    OrvexAction::setCurrDPILevelToDev();
    fillDPIData();
    const int shown = shownLevel();
    OrvexAction::sendDPiChangeToDaemon(level, int(record.xSensArr[shown]),
                                       int(record.ySensArr[shown]));
}

int SettingView::typedDpiValue(const WexNumberTextField *field)
{
    return std::clamp(field->intValue() / fwmem::DpiUnit, MinDpiValue, MaxDpiValue);
}

void SettingView::onNumTextChange(WexNumberTextField *sender)
{
    // Typing keeps the text as typed; a value set from elsewhere (an
    // assistive technology) is shown as the resolution it gives at once.
    m_editingField = sender->hasFocus() ? sender : nullptr;
    const int value = typedDpiValue(sender);
    if (sender == m_dpiTxt)
        setDPIData(value, value);
    else if (sender == m_dpiView->dpiXTxt())
        setDPIData(value, -1);
    else if (sender == m_dpiView->dpiYTxt())
        setDPIData(-1, value);
}

void SettingView::onNumTextFinished(WexNumberTextField *sender)
{
    if (sender != m_editingField)
        return;
    m_editingField = nullptr;
    fillDPIData();
}

void SettingView::onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender)
{
    // Filling shows the record's own rate: nothing changed, nothing to tell.
    if (sender != m_rateSetp || m_isFillData || newIndex < 1)
        return;
    OrvexAction::selProfile.poRate = std::uint32_t(newIndex - 1);
    markChanged();
    if (oldIndex >= 1)
        OrvexAction::sendRateChangeToDaemon(newIndex - 1);
}

// --- OK, Cancel, Apply, Reset --------------------------------------------------

void SettingView::okPro()
{
    if (m_finished)
        return;
    if (m_hasSaved)
        OrvexAction::setCurrSettingToDev();
    OrvexAction::sysProCon->saveSelProfileToData();
    OrvexAction::applySysPreSettingToDef();
    OrvexAction::sysProCon->saveToSys();
    endModal(OkCode);
}

void SettingView::cancelPro()
{
    if (m_finished)
        return;
    if (m_needsRestore) {
        OrvexAction::sysProCon->refreshSelProfileFromData();
        OrvexAction::resetSysProSettingToDef();
        OrvexAction::setCurrSettingToDev();
    }
    endModal(CancelCode);
}

// The desktop settings are live already; their reference moves only on OK,
// so that Cancel after Apply puts the desktop back as it puts the mouse back.
void SettingView::applyPro()
{
    OrvexAction::setCurrSettingToDev();
}

void SettingView::resetPro()
{
    const ProfileValuePtr defaults = OrvexAction::sysProCon->defaultProfile();
    if (!defaults) {
        ORVEX_WARNING(QStringLiteral("No default profile to reset the performance settings to"));
        return;
    }
    const ORVEX_PROFILE source = defaults->profileData();
    ORVEX_PROFILE &record = OrvexAction::selProfile;
    record.currSelectDPI = source.currSelectDPI;
    record.doubleSpeed = source.doubleSpeed;
    record.acceler = source.acceler;
    record.srcSpeed = source.srcSpeed;
    record.liftHeight = source.liftHeight;
    record.poRate = source.poRate;
    std::copy(std::begin(source.xSensArr), std::end(source.xSensArr), std::begin(record.xSensArr));
    std::copy(std::begin(source.ySensArr), std::end(source.ySensArr), std::begin(record.ySensArr));
    fillSettingData();
    m_needsRestore = true;
    OrvexAction::setCurrSettingToDev();
    OrvexAction::setSysPreSettingValue(int(record.doubleSpeed), WexMouseAction::DoubleClickSpeed);
    OrvexAction::setSysPreSettingValue(int(record.acceler), WexMouseAction::Acceleration);
    OrvexAction::setSysPreSettingValue(int(record.srcSpeed), WexMouseAction::ScrollSpeed);
}

void SettingView::endModal(int code)
{
    m_finished = true;
    if (auto *frame = qobject_cast<WexNoTitleWindow *>(window()))
        frame->stopModal(code);
}

} // namespace orvex
