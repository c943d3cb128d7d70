// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"
#include "SettingDPIDelegate.h"
#include "SettingDPIView.h"
#include "WexButton.h"
#include "WexNumberTextField.h"
#include "WexProgressBar.h"
#include "WexSetpDelegate.h"

#include <QMetaObject>
#include <QPointer>
#include <QVariantMap>

namespace orvex {

class TooltipManager;
class WexSetpPanelObj;

// The performance page: the resolution of each of the four levels (one
// value for both axes, or X and Y apart), the active level, the report
// rate, the lift-off distance, and the desktop's pointer speed, scroll speed
// and double-click speed, all of the selected profile (the working record,
// OrvexAction::selProfile). It runs in a modal loop of its window.
//
// Changes reach three places at different moments: the active level goes to
// the mouse and to the agent at once; the desktop settings are applied at
// once and made permanent on OK or put back on Cancel; everything else goes
// to the mouse on OK, Apply and Reset. OK stores the record into the
// selected profile and saves the profiles; Cancel puts the stored values
// back, on the mouse as well, when anything was changed or reset. A level
// switched with the mouse's own buttons while the page is open
// ("Notify_DPIChange") is shown and counts as a change.
//
// Typing a resolution in DPI sets value / 50 (1..164) as the slider does;
// the field keeps what is typed until it is left or Return is pressed.
class SettingView : public KeltoImageView, public SettingDPIDelegate, public WexSetpDelegate
{
    Q_OBJECT
public:
    // The modal run's codes.
    static constexpr int OkCode = 1;
    static constexpr int CancelCode = 0;

    SettingView(const QRect &frame, QWidget *parent);
    ~SettingView() override;

    // --- Set-up template ----------------------------------------------------
    void initData() override;
    void initControls() override;
    // Reloads the working record from the selected profile and fills the page.
    void refreshData() override;
    void fillSettingData() override;
    void initNotify() override;
    void deallocNotify() override;

    // --- Resolution -----------------------------------------------------------
    // Shows the active level's resolution: X and Y apart, or the larger of
    // the two for both.
    void fillDPIData();
    // Sets the active level's X and Y (-1 leaves that axis) and marks a change.
    void setDPIData(int dpiX, int dpiY);
    // Shows the X and Y view while "Separate X and Y" is checked.
    void setShowXYDPIView();
    // The mouse switched level: "value1" level, "value2" X, "value3" Y.
    void dpiChangePro(const QVariantMap &userInfo);

    // --- Control callbacks ----------------------------------------------------
    void buttonAction(WexButton *sender);
    void progessBarAction(WexProgressBar *sender) override;
    void onNumTextChange(WexNumberTextField *sender) override;
    void onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender) override;

    // --- State ------------------------------------------------------------------
    bool isFillData() const { return m_isFillData; }
    bool hasSaved() const { return m_hasSaved; }
    SettingDPIView *dpiView() const { return m_dpiView; }
    WexSetpPanelObj *rateSetp() const { return m_rateSetp; }
    // The control of that field name ("dpiLevelPro", "okBtn", "dpiTxt", ...),
    // on this page or on the X and Y view; null when there is none.
    QWidget *control(const QString &field) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addButtons();
    void addSliders();
    void addRateSelector();
    void addDpiView();
    void initTooltip();
    WexButton *addButton(const char *field);
    WexProgressBar *addSlider(const char *field);

    void markChanged();
    void selectLevel(int level);
    // The typed resolution of `field`, as value / 50 within the slider's range.
    static int typedDpiValue(const WexNumberTextField *field);
    void onNumTextFinished(WexNumberTextField *sender);

    void okPro();
    void cancelPro();
    void applyPro();
    void resetPro();
    void endModal(int code);

    TooltipManager *m_sysTooltip = nullptr;
    QPointer<WexButton> m_enableIndChk;
    QPointer<WexButton> m_oneScreenBtn;
    QPointer<WexButton> m_okBtn;
    QPointer<WexButton> m_cancelBtn;
    QPointer<WexButton> m_applyBtn;
    QPointer<WexButton> m_reDefBtn;
    QPointer<WexProgressBar> m_dpiLevelPro;
    QPointer<WexProgressBar> m_doubleSpeedPro;
    QPointer<WexProgressBar> m_mouseSpeedPro;
    QPointer<WexProgressBar> m_scrSpeedPro;
    QPointer<WexProgressBar> m_liftHeightPro;
    QPointer<WexProgressBar> m_dpiPro;
    QPointer<WexNumberTextField> m_dpiTxt;
    QPointer<SettingDPIView> m_dpiView;
    WexSetpPanelObj *m_rateSetp = nullptr;
    QMetaObject::Connection m_dpiChangeObserver;
    QPointer<QWidget> m_observedWindow;
    // The field being typed in: filling leaves its text alone until it is left.
    QPointer<WexNumberTextField> m_editingField;

    bool m_isFillData = false;
    bool m_hasSaved = false;
    // The mouse or the desktop may differ from the stored profile: set by any
    // change and by Reset (which itself clears m_hasSaved), so that Cancel
    // puts the stored settings back.
    bool m_needsRestore = false;
    bool m_finished = false;
};

} // namespace orvex
