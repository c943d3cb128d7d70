// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"
#include "WexButton.h"
#include "profile/ProfileRecords.h"

#include <QPointer>

namespace orvex {

// A page window's content until the page itself is built: the page's title
// strip and a button that closes the window. Pages that edit one button
// (single key, macro function) hand their record over through tmpBtnInfo,
// which this view gives back unchanged.
class PagePlaceholderView : public KeltoImageView
{
    Q_OBJECT
public:
    static constexpr int TitleHeight = 34;
    static constexpr int Margin = 18;
    static constexpr QSize CloseButtonSize{92, 26};

    PagePlaceholderView(const QRect &frame, QWidget *parent, const QString &title);

    void initData() override;
    void initControls() override;

    QString title() const { return m_title; }
    WexButton *closeBtn() const { return m_closeBtn; }
    void setTmpBtnInfo(const BTN_INFO &record) { m_tmpBtnInfo = record; }
    BTN_INFO tmpBtnInfo() const { return m_tmpBtnInfo; }

private:
    QRect closeRect() const;
    QImage renderSkin(int face) const;

    QString m_title;
    BTN_INFO m_tmpBtnInfo{};
    QPointer<WexButton> m_closeBtn;
};

} // namespace orvex
