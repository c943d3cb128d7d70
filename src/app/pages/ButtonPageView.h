// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageLayout.h"
#include "KeltoImageView.h"

#include <QHash>
#include <QPointer>

namespace orvex {

class WexButton;

// The skinned content of a button-function page: its background and state
// pictures come from the page's skin, and its buttons are made from the
// page's table (ButtonPageLayout), each cutting its states from the skin at
// its rectangle, tagged, named as the table says and dispatched to
// buttonAction().
class ButtonPageView : public KeltoImageView
{
    Q_OBJECT
public:
    // A pick button's caption: white, 12 pixels, centred, clear of the
    // list's arrow at its right end.
    static constexpr int PickTitlePixelSize = 12;
    static constexpr int PickTitleLeftPad = 2;
    static constexpr int PickTitleRightPad = 18;

    const ButtonPageLayout::Page &pageLayout() const { return m_layout; }
    // The button of that tag; null when the page has none.
    WexButton *byTag(int tag) const;

    // Clicks of the page's buttons, by the sender's tag.
    virtual void buttonAction(WexButton *sender) = 0;

protected:
    ButtonPageView(const QRect &frame, QWidget *parent, const ButtonPageLayout::Page &layout);

    // Loads the page's skin.
    void initData() override;
    // The button of the table entry `field`.
    WexButton *addControl(const QString &field);
    // Closes the page's window; a page window's closing hands its result
    // to the main window.
    void closePage();
    // Escape anywhere on the page clicks its Cancel button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    const ButtonPageLayout::Page &m_layout;
    QHash<int, QPointer<WexButton>> m_byTag;
};

} // namespace orvex
