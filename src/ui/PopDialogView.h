// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"

#include "WexButton.h"

#include <QPointer>

namespace orvex {

// The content of a picture dialog: the message is part of its pictures
// "<name>_Normal.png", "<name>_Over.png" and "<name>_Down.png" (the normal
// picture doubles as the disabled one). OK ends the window's modal run with
// 1, Cancel with 0.
class PopDialogView : public KeltoImageView
{
    Q_OBJECT
public:
    static constexpr int OkTag = 6000;
    static constexpr int CancelTag = 6001;
    static constexpr int ButtonWidth = 92;
    static constexpr int ButtonHeight = 26;
    // The strip by which the dialog is dragged.
    static constexpr int DragHeight = 50;

    PopDialogView(const QRect &frame, QWidget *parent, const QString &imageNameStr,
                  const QString &showStr, bool isChoose);

    QString imageNameStr() const { return m_imageNameStr; }
    QString showStr() const { return m_showStr; }
    bool isChoose() const { return m_isChoose; }
    WexButton *okBtn() const { return m_okBtn; }
    WexButton *cancelBtn() const { return m_cancelBtn; }

    void addOkBtnByRect(const QRect &rect);
    void addCancelBtnByRect(const QRect &rect);
    void buttonAction(WexButton *sender);

    // Shows the dialog `name` of `frameSize` centred on the screen and waits
    // for OK (true) or Cancel (false). Button origins are measured from the
    // dialog's top-left corner; a Cancel origin with a zero coordinate gives
    // no Cancel button.
    static bool showPopView(const QString &name, const QSize &frameSize, const QPoint &okBtnOrg,
                            const QPoint &cancelBtnOrg);

private:
    void initData2();
    void describeForAssistiveTechnology();

    QString m_imageNameStr;
    QString m_showStr;
    bool m_isChoose = false;
    QPointer<WexButton> m_okBtn;
    QPointer<WexButton> m_cancelBtn;
};

} // namespace orvex
