// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WexImageView.h"
#include "WexTextField.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

namespace orvex {

class MainView;
class TooltipManager;
class WexButton;

// The main view's controls: every button of MainViewLayout's table at its
// rectangle with its tag and pictures (slices of the view's skin, or whole
// pictures of its own), the menu button, the two hot-spot markers and the
// info area's icon and caption; their tooltips and the names assistive
// technologies read.
class MainViewControls
{
public:
    // The application menu's button in the top strip, beside the four
    // buttons of the table there.
    static constexpr int MenuButtonTag = 296;
    static constexpr QRect MenuButtonRect{600, 16, 43, 29};
    static constexpr int CaptionPixelSize = 16;
    static constexpr int ProfileTitlePixelSize = 12;
    static constexpr int ProfileTitleLeftPad = 2;
    static constexpr int ProfileTitleRightPad = 18;

    explicit MainViewControls(MainView &view);

    // Creates everything in the table's order: each button is tagged right
    // after it is made and takes its own pictures right after the tag.
    void build();
    // Tooltips in the user's language and accessible names: the tooltip where
    // the table has one, else the control's caption; the hot-spots are named
    // after their mouse button.
    void initTooltip(TooltipManager *tooltips);

    WexButton *byTag(int tag) const { return m_byTag.value(tag); }
    WexButton *byField(const QString &field) const;
    QList<WexButton *> tabs() const;
    QList<WexButton *> modes() const;
    QList<WexButton *> hotSpots() const;
    WexButton *menuButton() const { return byTag(MenuButtonTag); }
    WexImageView *marker() const { return m_marker; }
    WexImageView *marker2() const { return m_marker2; }
    WexImageView *functionIcon() const { return m_functionIcon; }
    WexTextField *functionCaption() const { return m_functionCaption; }

    // Puts the tabs in the order that makes the selected one (slot 0..4)
    // overlap its neighbours, each neighbour overlapping the next one out.
    void stackTabs(int slot);

    // The names of the hot-spots in button-index order ("Left click", ...).
    static QStringList hotSpotNames();
    // The English tooltip key of a control; empty when it has none.
    static QString tooltipKey(int tag);

private:
    WexButton *addButton(const QString &field, int tag, const QRect &rect,
                         const QString &ownPicture);
    void addMenuButton();
    void addInfoArea();
    // Whole pictures "name_Normal.png", "name_Over.png", ... of its own.
    void setBtnNoanomaly(WexButton *button, const QString &name);

    MainView &m_view;
    QHash<int, WexButton *> m_byTag;
    QHash<QString, int> m_tagOfField;
    QPointer<WexImageView> m_marker;
    QPointer<WexImageView> m_marker2;
    QPointer<WexImageView> m_functionIcon;
    QPointer<WexTextField> m_functionCaption;
};

} // namespace orvex
