// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"
#include "WexBtnDelege.h"
#include "WexImageView.h"
#include "WexSetpDelegate.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>

namespace orvex {

class WexButton;
class WexSetpPanelObj;

// The lighting page: for each of the mouse's three LED zones, whether it is
// lit and in which of seven colours. It edits the working record
// (OrvexAction::selProfile: islightOnArr, lightColorIndexArr) and sends the
// lighting to the mouse on OK, Apply, or a Cancel that has to undo changes.
//
// Until a zone is chosen the on/off and colour choices apply to all three
// zones; a chosen zone stays chosen until the page is opened again. Every
// choice the user makes marks the page changed (hasSaved()); the page's own
// display of the record never does, so a Cancel or OK without changes sends
// nothing. A colour control showing no colour (index 0) stores nothing.
//
// The page runs in a modal run of its window: OK ends it with 1, Cancel
// with 0. Main thread only.
class LightOptionView : public KeltoImageView, public WexSetpDelegate, public WexBtnDelege
{
    Q_OBJECT
public:
    static constexpr int AllZones = 0;

    LightOptionView(const QRect &frame, QWidget *parent);
    ~LightOptionView() override;

    // --- Set-up template ----------------------------------------------------
    void initData() override;
    void initControls() override;
    // Reloads the working record from the stored profile and shows it, all
    // zones selected.
    void refreshData() override;
    void fillSettingData() override;

    // --- State ----------------------------------------------------------------
    // 0: all zones; 1..3: that zone alone.
    int currSelectedBtn() const { return m_currSelectedBtn; }
    bool hasSaved() const { return m_hasSaved; }
    WexButton *button(int tag) const { return m_buttons.value(tag); }
    WexSetpPanelObj *colorSetp() const { return m_colorSetp; }
    WexSetpPanelObj *lightBtnSetp() const { return m_lightBtnSetp; }
    // The views of zone 1..3: its lights, and its pointer-over marker.
    WexImageView *lightBtn(int zone) const;
    WexImageView *lightSelImg(int zone) const;
    WexImageView *lightLineImageView() const { return m_lightLineImageView; }
    // The picture of zone 1..3 lit in palette colour 0..6, or its line; null
    // out of range.
    QImage lightImage(int colourIndex, int zone) const;
    QImage lineImage(int colourIndex, int zone) const;

    // --- Controls ---------------------------------------------------------------
    // Click dispatch by the sender's tag.
    void buttonAction(WexButton *sender);
    void onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender) override;
    // The zone buttons: the pointer entering one marks its zone on the mouse.
    void onMouseEvent(QObject *sender, QEvent *event, int type) override;

private:
    void addButtons();
    void addPictureViews();
    void initSelectors();
    void initTooltip();
    void setKeyboardOrder();

    void selectZone(int zone);
    void chooseLight(int index);
    void chooseColour(int index);
    // The colour buttons after the on/off control changed.
    void followLightBtn();
    void displayLightOnBtn();
    void setLightColor();
    void setColorStepBtnPro();
    void showZone(int zone);
    bool isZoneLit(int zone) const;
    int zoneColour(int zone) const;

    void okPro();
    void cancelPro();
    void applyPro();
    void sendLighting();
    void endModal(int code);

    QList<QImage> m_lightColorArrs;
    QList<QImage> m_lineColorArrs;
    QList<QPointer<WexImageView>> m_lightBtnArrs;
    QList<QPointer<WexImageView>> m_lightSelImgs;
    QPointer<WexImageView> m_lightLineImageView;
    QHash<int, QPointer<WexButton>> m_buttons;
    WexSetpPanelObj *m_colorSetp = nullptr;
    WexSetpPanelObj *m_lightBtnSetp = nullptr;
    int m_currSelectedBtn = AllZones;
    bool m_isFillData = false;
    bool m_hasSaved = false;
};

} // namespace orvex
