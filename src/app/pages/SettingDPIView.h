// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"
#include "WexNumberTextField.h"
#include "WexProgressBar.h"

#include <QPointer>

namespace orvex {

class SettingDPIDelegate;

// The separate X and Y resolution of the performance page: a slider and a
// field in DPI for each axis, lying over the page's joint resolution row
// while "Separate X and Y" is checked. It edits nothing itself: slider moves
// and typed numbers go to its delegate, the page.
class SettingDPIView : public KeltoImageView
{
    Q_OBJECT
public:
    SettingDPIView(const QRect &frame, QWidget *parent);

    void initData() override;
    void initControls() override;

    // Not owned: the page owns this view.
    void setDpiDelegate(SettingDPIDelegate *delegate) { m_dpiDelegate = delegate; }
    SettingDPIDelegate *dpiDelegate() const { return m_dpiDelegate; }

    WexProgressBar *dpiXPro() const { return m_dpiXPro; }
    WexProgressBar *dpiYPro() const { return m_dpiYPro; }
    WexNumberTextField *dpiXTxt() const { return m_dpiXTxt; }
    WexNumberTextField *dpiYTxt() const { return m_dpiYTxt; }

private:
    void progessBarAction(WexProgressBar *sender);
    void onNumTextChange(WexNumberTextField *sender);

    SettingDPIDelegate *m_dpiDelegate = nullptr;
    QPointer<WexProgressBar> m_dpiXPro;
    QPointer<WexProgressBar> m_dpiYPro;
    QPointer<WexNumberTextField> m_dpiXTxt;
    QPointer<WexNumberTextField> m_dpiYTxt;
};

} // namespace orvex
