// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"

#include "WexButton.h"

#include <QPointer>

class QLabel;

namespace orvex {

// The application's message box: a skinned window, sized to its message,
// with OK (and for a question Cancel). Its skin is painted when it opens with
// the same primitives as the shipped pictures, since its size depends on
// the message.
class WexMessageBox : public KeltoImageView
{
    Q_OBJECT
public:
    static constexpr int Width = 420;
    static constexpr int TitleHeight = 34;
    static constexpr int Margin = 18;
    static constexpr int ButtonWidth = 92;
    static constexpr int ButtonHeight = 26;
    static constexpr int ButtonGap = 12;
    static constexpr int MessagePixelSize = 14;
    static constexpr int MinimumMessageHeight = 40;

    // Shows `message` and waits; 1 for OK, 0 for Cancel or a closed window.
    static int run(const QString &message, bool withCancel);

    WexMessageBox(const QRect &frame, QWidget *parent, const QString &message, bool withCancel);

    WexButton *okBtn() const { return m_okBtn; }
    WexButton *cancelBtn() const { return m_cancelBtn; }
    // The height a box needs for `message`.
    static int heightFor(const QString &message);

    void initData() override;
    void initControls() override;

private:
    QRect messageRect() const;
    QRect okRect() const;
    QRect cancelRect() const;
    QImage renderSkin(int face) const;
    void finish(int code);

    QString m_message;
    bool m_withCancel = false;
    QPointer<WexButton> m_okBtn;
    QPointer<WexButton> m_cancelBtn;
    QLabel *m_text = nullptr;
};

} // namespace orvex
