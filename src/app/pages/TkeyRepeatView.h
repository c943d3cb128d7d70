// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageView.h"
#include "WexNumberTextField.h"

#include <QPointer>

namespace orvex {

// The repeat-count dialog of the macro page: one number field (0..9999) and
// OK and Cancel, which end the window's modal run with 1 and 0. The count
// shown on entry is setRepeatCount()'s; OK reads the field back into
// repeatCount(). Return in the field confirms, Escape cancels.
class TkeyRepeatView : public ButtonPageView
{
    Q_OBJECT
public:
    static constexpr int OkTag = 5270;
    static constexpr int CancelTag = 5271;
    static constexpr int MaxCount = 9999;
    static constexpr int MaxDigits = 4;
    static constexpr int CountPixelSize = 15;
    // The strip by which the dialog's window is dragged.
    static constexpr int DragHeight = 50;

    TkeyRepeatView(const QRect &frame, QWidget *parent);

    void initControls() override;
    void buttonAction(WexButton *sender) override;

    int repeatCount() const { return m_repeatCount; }
    void setRepeatCount(int count) { m_repeatCount = count; }
    // Shows repeatCount() in the field, selected and with the keyboard
    // focus, so typing replaces it.
    void makeTxtFirstRes();

    WexNumberTextField *countTxt() const { return m_countTxt; }
    WexButton *okBtn() const { return m_okBtn; }
    WexButton *cancelBtn() const { return m_cancelBtn; }

private:
    void endRun(int code);

    int m_repeatCount = 0;
    QPointer<WexNumberTextField> m_countTxt;
    QPointer<WexButton> m_okBtn;
    QPointer<WexButton> m_cancelBtn;
};

} // namespace orvex
