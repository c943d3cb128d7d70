// SPDX-License-Identifier: GPL-3.0-or-later
#include "LightOptionView.h"

#include "LightOptionLayout.h"
#include "OrvexAction.h"
#include "OrvexWidgetFactory.h"
#include "TooltipManager.h"
#include "WexButton.h"
#include "WexImageView.h"
#include "WexNoTitleWindow.h"
#include "WexSetpPanelObj.h"
#include "platform/WexLogger.h"
#include "profile/ProfieController.h"

#include <QScopedValueRollback>

namespace orvex {

namespace {

using Layout = LightOptionLayout;

constexpr int LightOnItem = 1;
constexpr int LightOffItem = 2;
constexpr int NoColour = 0;

struct TooltipEntry
{
    int tag;
    const char *key;
};

// The English keys of Tooltip.xml for the controls that are not colours.
constexpr TooltipEntry TooltipKeys[] = {
    {Layout::LightOnTag, "Always turn on LEDs"},
    {Layout::LightOffTag, "Always turn off LEDs"},
    {Layout::OkTag, "OK"},
    {Layout::CancelTag, "Cancel"},
    {Layout::ApplyTag, "Apply"},
};

bool isZoneTag(int tag)
{
    return tag >= Layout::FirstZoneTag && tag < Layout::FirstZoneTag + Layout::ZoneCount;
}

bool isColourTag(int tag)
{
    return tag >= Layout::FirstColourTag && tag < Layout::FirstColourTag + Layout::ColourCount;
}

// The position of a picture in the arrays: colour outer, zone inner.
int pictureIndex(int colourIndex, int zone)
{
    if (colourIndex < 0 || colourIndex >= Layout::ColourCount || zone < 1 ||
        zone > Layout::ZoneCount)
        return -1;
    return colourIndex * Layout::ZoneCount + zone - 1;
}

WexImageView *addPictureView(QWidget *parent, const QRect &rect, const QString &name)
{
    auto *view = new WexImageView(parent);
    view->setGeometry(rect);
    view->setAccessibleName(name);
    // Pictures lie over the mouse; clicks and the pointer go to the page.
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->show();
    return view;
}

} // namespace

LightOptionView::LightOptionView(const QRect &frame, QWidget *parent)
    : KeltoImageView(frame, parent)
{
    setAccessibleName(QStringLiteral("Lighting"));
}

LightOptionView::~LightOptionView()
{
    for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
        if (WexButton *zoneBtn = button(Layout::FirstZoneTag + zone - 1))
            zoneBtn->setWexBtnDelege(nullptr);
    }
    for (WexSetpPanelObj *step : {m_colorSetp, m_lightBtnSetp}) {
        if (step)
            step->setSetpDelegate(nullptr);
    }
}

// --- Set-up template ----------------------------------------------------------

void LightOptionView::initData()
{
    setImageByName(QLatin1String(Layout::SkinName));
    m_lightColorArrs.clear();
    m_lineColorArrs.clear();
    for (int colour = 1; colour <= Layout::ColourCount; ++colour) {
        for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
            m_lightColorArrs << loadImage(Layout::lightPictureName(colour, zone));
            m_lineColorArrs << loadImage(Layout::linePictureName(colour, zone));
        }
    }
}

void LightOptionView::initControls()
{
    addButtons();
    addPictureViews();
    initSelectors();
    initTooltip();
    setKeyboardOrder();
}

void LightOptionView::addButtons()
{
    for (const Layout::Control &control : Layout::controls()) {
        WexButton *added = OrvexWidgetFactory::AddButton(
            control.rect, [this](WexButton *sender) { buttonAction(sender); }, {}, this);
        added->setObjectName(control.field);
        added->setTag(control.tag);
        m_buttons.insert(control.tag, added);
        if (isZoneTag(control.tag)) {
            added->setWexBtnDelege(this);
            added->setAccessibleName(control.caption);
            added->setAccessibleDescription(
                Layout::zoneName(control.tag - Layout::FirstZoneTag + 1));
        } else if (isColourTag(control.tag)) {
            added->setAccessibleName(Layout::colourName(control.tag - Layout::FirstColourTag));
        } else {
            added->setAccessibleName(control.caption);
        }
    }
}

void LightOptionView::addPictureViews()
{
    m_lightLineImageView =
        addPictureView(this, Layout::LineViewRect, QStringLiteral("Line to the selected zone"));
    const QImage marker = loadImage(QLatin1String(Layout::ZoneMarkerPicture));
    for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
        m_lightBtnArrs << addPictureView(this, Layout::zoneLightRect(zone),
                                         QStringLiteral("Zone %1 lighting").arg(zone));
        WexImageView *selImg = addPictureView(this, Layout::zoneMarkerRect(zone),
                                              QStringLiteral("Zone %1 marker").arg(zone));
        selImg->setImage(marker);
        selImg->hide();
        m_lightSelImgs << selImg;
    }
}

// Tab follows the page's reading order (zones, light, colours, then Apply,
// Cancel, OK as the footer shows them), not the order of the tags.
void LightOptionView::setKeyboardOrder()
{
    QList<int> order{Layout::FirstZoneTag, Layout::FirstZoneTag + 1, Layout::FirstZoneTag + 2,
                     Layout::LightOnTag, Layout::LightOffTag};
    for (int tag = Layout::FirstColourTag; isColourTag(tag); ++tag)
        order << tag;
    order << Layout::ApplyTag << Layout::CancelTag << Layout::OkTag;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(button(order.at(i - 1)), button(order.at(i)));
}

// Both controls start at their first item without telling the page: the
// record they would change is loaded only afterwards (refreshData()).
void LightOptionView::initSelectors()
{
    m_colorSetp = new WexSetpPanelObj(this);
    m_lightBtnSetp = new WexSetpPanelObj(this);
    for (int tag = Layout::FirstColourTag; isColourTag(tag); ++tag)
        m_colorSetp->addItem(button(tag));
    m_lightBtnSetp->addItem(button(Layout::LightOnTag));
    m_lightBtnSetp->addItem(button(Layout::LightOffTag));
    m_colorSetp->selectindex(1);
    m_lightBtnSetp->selectindex(LightOnItem);
    m_colorSetp->setSetpDelegate(this);
    m_lightBtnSetp->setSetpDelegate(this);
}

void LightOptionView::initTooltip()
{
    TooltipManager *tooltips = TooltipManager::shareTooltipManager();
    const auto tooltipOf = [tooltips](const QString &key) {
        return tooltips ? tooltips->getTooltip(key) : QString();
    };
    for (int index = 0; index < Layout::ColourCount; ++index) {
        const QString text = tooltipOf(Layout::colourName(index));
        if (!text.isEmpty())
            button(Layout::FirstColourTag + index)->setToolTip(text);
    }
    for (const TooltipEntry &entry : TooltipKeys) {
        const QString text = tooltipOf(QLatin1String(entry.key));
        if (!text.isEmpty())
            button(entry.tag)->setToolTip(text);
    }
}

void LightOptionView::refreshData()
{
    if (OrvexAction::sysProCon)
        OrvexAction::sysProCon->refreshSelProfileFromData();
    m_currSelectedBtn = AllZones;
    for (int zone = 1; zone <= Layout::ZoneCount; ++zone)
        button(Layout::FirstZoneTag + zone - 1)->setChecked(false);
    fillSettingData();
}

void LightOptionView::fillSettingData()
{
    m_isFillData = true;
    m_hasSaved = false;
    displayLightOnBtn();
    setLightColor();
    setColorStepBtnPro();
    m_isFillData = false;
}

// --- Views --------------------------------------------------------------------

WexImageView *LightOptionView::lightBtn(int zone) const
{
    return zone >= 1 && zone <= m_lightBtnArrs.size() ? m_lightBtnArrs.at(zone - 1).data()
                                                      : nullptr;
}

WexImageView *LightOptionView::lightSelImg(int zone) const
{
    return zone >= 1 && zone <= m_lightSelImgs.size() ? m_lightSelImgs.at(zone - 1).data()
                                                      : nullptr;
}

QImage LightOptionView::lightImage(int colourIndex, int zone) const
{
    return m_lightColorArrs.value(pictureIndex(colourIndex, zone));
}

QImage LightOptionView::lineImage(int colourIndex, int zone) const
{
    return m_lineColorArrs.value(pictureIndex(colourIndex, zone));
}

bool LightOptionView::isZoneLit(int zone) const
{
    return OrvexAction::selProfile.islightOnArr[zone - 1] != 0;
}

int LightOptionView::zoneColour(int zone) const
{
    return int(OrvexAction::selProfile.lightColorIndexArr[zone - 1]);
}

// On while any zone of the selection is lit, off when all of it is dark.
void LightOptionView::displayLightOnBtn()
{
    bool lit = false;
    for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
        if (m_currSelectedBtn == AllZones || m_currSelectedBtn == zone)
            lit = lit || isZoneLit(zone);
    }
    const QScopedValueRollback<bool> showing(m_isFillData, true);
    m_lightBtnSetp->selectindex(lit ? LightOnItem : LightOffItem);
}

void LightOptionView::setLightColor()
{
    for (int zone = 1; zone <= Layout::ZoneCount; ++zone)
        showZone(zone);
    const int zone = m_currSelectedBtn;
    const bool lineShown = zone != AllZones && isZoneLit(zone);
    m_lightLineImageView->setImage(lineShown ? lineImage(zoneColour(zone), zone) : QImage());
}

void LightOptionView::showZone(int zone)
{
    WexImageView *view = lightBtn(zone);
    const bool lit = isZoneLit(zone);
    view->setImage(lit ? lightImage(zoneColour(zone), zone) : QImage());
    // What a screen reader says of the zone: its colour in the user's
    // language (the colour button's tooltip), or that it is dark.
    const int colour = zoneColour(zone);
    const WexButton *colourBtn = colour >= 0 && colour < Layout::ColourCount
                                     ? button(Layout::FirstColourTag + colour)
                                     : nullptr;
    view->setAccessibleDescription(!lit        ? QStringLiteral("Off")
                                   : colourBtn ? colourBtn->accessibleLabel()
                                               : QString());
}

void LightOptionView::setColorStepBtnPro()
{
    int index = NoColour;
    const int zone = m_currSelectedBtn;
    if (zone != AllZones && isZoneLit(zone)) {
        const int colour = zoneColour(zone);
        if (colour >= 0 && colour < Layout::ColourCount)
            index = colour + 1;
    }
    const QScopedValueRollback<bool> showing(m_isFillData, true);
    m_colorSetp->selectindex(index);
}

// --- Choices --------------------------------------------------------------------

void LightOptionView::buttonAction(WexButton *sender)
{
    const int tag = sender->tag();
    if (isZoneTag(tag))
        selectZone(tag - Layout::FirstZoneTag + 1);
    else if (tag == Layout::OkTag)
        okPro();
    else if (tag == Layout::CancelTag)
        cancelPro();
    else if (tag == Layout::ApplyTag)
        applyPro();
    // The colours and on/off act through their step controls.
}

void LightOptionView::onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender)
{
    (void)oldIndex;
    if (sender == m_lightBtnSetp)
        chooseLight(newIndex);
    else if (sender == m_colorSetp)
        chooseColour(newIndex);
}

void LightOptionView::onMouseEvent(QObject *sender, QEvent *event, int type)
{
    (void)event;
    const auto *zoneBtn = qobject_cast<const WexButton *>(sender);
    if (!zoneBtn || !isZoneTag(zoneBtn->tag()))
        return;
    const int pointed = zoneBtn->tag() - Layout::FirstZoneTag + 1;
    if (type != MouseEntered && type != MouseExited)
        return;
    for (int zone = 1; zone <= Layout::ZoneCount; ++zone)
        lightSelImg(zone)->setVisible(type == MouseEntered && zone == pointed);
}

void LightOptionView::selectZone(int zone)
{
    m_currSelectedBtn = zone;
    // The chosen zone's button stays pressed: the page has no other sign of
    // it while the zone is dark.
    for (int other = 1; other <= Layout::ZoneCount; ++other)
        button(Layout::FirstZoneTag + other - 1)->setChecked(other == zone);
    setColorStepBtnPro();
    setLightColor();
    displayLightOnBtn();
}

void LightOptionView::chooseLight(int index)
{
    if (!m_isFillData) {
        m_hasSaved = true;
        const std::uint32_t on = index == LightOnItem ? 1 : 0;
        for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
            if (m_currSelectedBtn == AllZones || m_currSelectedBtn == zone)
                OrvexAction::selProfile.islightOnArr[zone - 1] = on;
        }
    }
    followLightBtn();
}

void LightOptionView::followLightBtn()
{
    const bool on = m_lightBtnSetp->currentSetp() == LightOnItem;
    if (!on) {
        const QScopedValueRollback<bool> showing(m_isFillData, true);
        m_colorSetp->selectindex(NoColour);
    }
    m_colorSetp->setBtnEnableByIndex(0, on);
    if (m_currSelectedBtn != AllZones && isZoneLit(m_currSelectedBtn))
        setColorStepBtnPro();
    setLightColor();
}

void LightOptionView::chooseColour(int index)
{
    ORVEX_DEBUG(QStringLiteral("Curr Color Setp %1").arg(index));
    // Index 0 is the control showing no colour: nothing to store.
    if (!m_isFillData && index >= 1 && index <= Layout::ColourCount) {
        for (int zone = 1; zone <= Layout::ZoneCount; ++zone) {
            if (m_currSelectedBtn == AllZones || m_currSelectedBtn == zone)
                OrvexAction::selProfile.lightColorIndexArr[zone - 1] = std::uint32_t(index - 1);
        }
        m_hasSaved = true;
    }
    setLightColor();
}

// --- OK, Cancel, Apply ------------------------------------------------------------

void LightOptionView::okPro()
{
    if (m_hasSaved)
        sendLighting();
    if (OrvexAction::sysProCon) {
        OrvexAction::sysProCon->saveSelProfileToData();
        if (!OrvexAction::sysProCon->saveToSys())
            ORVEX_WARNING(
                QStringLiteral("The profiles could not be saved after a lighting change"));
    }
    endModal(1);
}

void LightOptionView::cancelPro()
{
    if (m_hasSaved) {
        if (OrvexAction::sysProCon)
            OrvexAction::sysProCon->refreshSelProfileFromData();
        sendLighting();
    }
    endModal(0);
}

void LightOptionView::applyPro()
{
    if (!m_hasSaved)
        return;
    sendLighting();
    m_hasSaved = false;
}

void LightOptionView::sendLighting()
{
    if (!OrvexAction::setCurrColorToDev())
        ORVEX_WARNING(QStringLiteral("The lighting did not reach the mouse"));
}

void LightOptionView::endModal(int code)
{
    auto *frame = qobject_cast<WexNoTitleWindow *>(window());
    if (!frame)
        return;
    if (frame->isModalRunning())
        frame->stopModal(code);
    else
        frame->close();
}

} // namespace orvex
