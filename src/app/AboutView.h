// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeltoImageView.h"
#include "WexButton.h"

#include <QPointer>

class QLabel;

namespace orvex {

// The About window's content: the application's name, version and licence,
// a button to the brand's web site and OK. Its skin is painted when it opens,
// with the primitives the shipped pictures are drawn with.
class AboutView : public KeltoImageView
{
    Q_OBJECT
public:
    static constexpr QSize Size{420, 236};
    static constexpr int TitleHeight = 34;
    static constexpr int Margin = 18;
    static constexpr QSize ButtonSize{92, 26};
    static constexpr QSize SiteButtonSize{264, 26};

    AboutView(const QRect &frame, QWidget *parent);

    void initData() override;
    void initControls() override;

    WexButton *okBtn() const { return m_okBtn; }
    WexButton *webSiteBtn() const { return m_webSiteBtn; }
    // The lines the window shows: name, version, licence.
    static QStringList lines();

private:
    QRect textRect() const;
    QRect siteRect() const;
    QRect okRect() const;
    QImage renderSkin(int face) const;

    QPointer<WexButton> m_okBtn;
    QPointer<WexButton> m_webSiteBtn;
    QLabel *m_text = nullptr;
};

} // namespace orvex
