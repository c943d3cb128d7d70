// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonInfoArea.h"

#include "MainView.h"
#include "MainViewControls.h"
#include "MainViewLayout.h"
#include "OrvexAction.h"
#include "WexButton.h"
#include "WexImageView.h"
#include "WexSetpPanelObj.h"
#include "WexTextField.h"
#include "profile/LauncherScreen.h"
#include "profile/ProfieController.h"

#include <QFileInfo>

namespace orvex {

namespace {

constexpr int MiddleClickHotSpot = 2;

const char *const FunctionTypeNames[] = {"Default function", "Single key function",
                                         "Macro function", "Application launcher"};

bool sameFunction(const BTN_INFO &a, const BTN_INFO &b)
{
    if (a.FuncID != b.FuncID || a.FuncTableId != b.FuncTableId)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (a.KeyBit[i] != b.KeyBit[i])
            return false;
    }
    return true;
}

} // namespace

ButtonInfoArea::ButtonInfoArea(MainView &view) : m_view(view) {}

void ButtonInfoArea::loadIcons()
{
    m_selTagImageArrs.clear();
    for (const QString &name : MainViewLayout::functionTypeIcons())
        m_selTagImageArrs << KeltoImageView::loadImage(name);
}

void ButtonInfoArea::setSelImage(WexButton *hotSpot)
{
    const MainViewControls &controls = m_view.controls();
    if (!hotSpot || !controls.marker())
        return;
    if (m_view.selBtnSetp()->indexOf(hotSpot) == MiddleClickHotSpot) {
        controls.marker()->setGeometry(MainViewLayout::MiddleClickMarker1);
        controls.marker2()->setGeometry(MainViewLayout::MiddleClickMarker2);
        controls.marker2()->show();
    } else {
        const QRect spot = hotSpot->geometry();
        const QSize size = MainViewLayout::MarkerSize;
        controls.marker()->setGeometry(spot.x() + (spot.width() - size.width()) / 2,
                                       spot.y() + (spot.height() - size.height()) / 2, size.width(),
                                       size.height());
        controls.marker2()->hide();
    }
    controls.marker()->raise();
    controls.marker2()->raise();
}

void ButtonInfoArea::displayBtnInfo()
{
    const int index = m_view.selBtnIndex() - 1;
    show(m_view.IsCurrSelectedBtn() ? &OrvexAction::selProfile.btnInfo[index] : nullptr);
    disPlayDefaultBtn();
    describeHotSpots();
}

void ButtonInfoArea::displayBtnInfo2()
{
    if (m_selOverBtnIndex < 0 || m_selOverBtnIndex >= ButtonCount) {
        displayBtnInfo();
        return;
    }
    show(&OrvexAction::selProfile.btnInfo[m_selOverBtnIndex]);
}

void ButtonInfoArea::show(const BTN_INFO *record)
{
    const MainViewControls &controls = m_view.controls();
    QImage icon;
    QString caption;
    if (record) {
        if (record->btnType < std::uint32_t(m_selTagImageArrs.size()))
            icon = m_selTagImageArrs.at(int(record->btnType));
        caption = getBtnCaption(*record);
    }
    if (controls.functionIcon()) {
        controls.functionIcon()->setImage(icon);
        controls.functionIcon()->setAccessibleName(record ? functionTypeName(record->btnType)
                                                          : QString());
    }
    if (controls.functionCaption())
        controls.functionCaption()->setStringValue(caption);
}

QString ButtonInfoArea::getBtnCaption(const BTN_INFO &record)
{
    switch (record.FuncID) {
    case MacroFunction:
        return OrvexAction::getMacroNameById(std::int32_t(record.MacroID));
    case LauncherFunction:
        return QFileInfo(LauncherScreen::pathOf(record)).completeBaseName();
    case TKeyFunction:
        return QStringLiteral("T Key");
    case PageUpFunction:
        return QStringLiteral("Page UP(Win)");
    case PageDownFunction:
        return QStringLiteral("Page Down(Win)");
    default:
        return OrvexAction::getSingleNameById(std::int32_t(record.FuncID));
    }
}

void ButtonInfoArea::disPlayDefaultBtn()
{
    WexButton *defaultBtn = m_view.controls().byField(QStringLiteral("defaultBtn"));
    if (!defaultBtn)
        return;
    bool differs = false;
    if (m_view.IsCurrSelectedBtn() && OrvexAction::sysProCon) {
        const int index = m_view.selBtnIndex() - 1;
        differs = !sameFunction(OrvexAction::selProfile.btnInfo[index],
                                OrvexAction::sysProCon->getDefBtnInfoByIndex(index));
    }
    defaultBtn->setIsEnable(differs);
}

void ButtonInfoArea::ShowToolTip(QObject *button)
{
    m_selOverBtnIndex = m_view.selBtnSetp() ? m_view.selBtnSetp()->indexOf(button) - 1 : -1;
    displayBtnInfo2();
}

void ButtonInfoArea::HideToolTip()
{
    m_selOverBtnIndex = -1;
    displayBtnInfo2();
}

QString ButtonInfoArea::functionTypeName(std::uint32_t btnType)
{
    if (btnType < std::size(FunctionTypeNames))
        return QLatin1String(FunctionTypeNames[btnType]);
    return {};
}

void ButtonInfoArea::describeHotSpots()
{
    const QList<WexButton *> spots = m_view.controls().hotSpots();
    for (int i = 0; i < spots.size() && i < ButtonCount; ++i) {
        const QString caption = getBtnCaption(OrvexAction::selProfile.btnInfo[i]);
        if (spots.at(i)->accessibleDescription() != caption)
            spots.at(i)->setAccessibleDescription(caption);
    }
}

} // namespace orvex
