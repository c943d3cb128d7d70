// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

#include <QImage>
#include <QList>
#include <QString>

class QObject;

namespace orvex {

class MainView;
class WexButton;

// The info area below the mouse: the function-type icon and the caption of
// the selected hot-spot's function, or of the one under the pointer while
// the pointer is on it; the hot-spot markers; whether the default-function
// button has anything to do. The hot-spots also carry their function as
// their accessible description.
class ButtonInfoArea
{
public:
    // FuncID values with a caption of their own (others name a catalogue
    // entry).
    enum FunctionId : std::uint32_t
    {
        MacroFunction = 6,
        LauncherFunction = 15,
        TKeyFunction = 239,
        PageUpFunction = 240,
        PageDownFunction = 241,
    };

    explicit ButtonInfoArea(MainView &view);

    // The four function-type icons, by btnType.
    void loadIcons();

    // Moves the markers to `hotSpot`: the wide middle-click hot-spot gets
    // one at each end, every other one a single marker in its centre.
    void setSelImage(WexButton *hotSpot);
    // Shows the selected hot-spot's function (nothing without a selection).
    void displayBtnInfo();
    // Shows the function of the hot-spot under the pointer; with the pointer
    // on no hot-spot, the selected one's.
    void displayBtnInfo2();
    // What the info area says for a button record.
    static QString getBtnCaption(const BTN_INFO &record);
    // The default-function button is usable when the selected button's
    // function, function class or parameter bytes differ from its default.
    void disPlayDefaultBtn();

    // The pointer entered / left a skinned button.
    void ShowToolTip(QObject *button);
    void HideToolTip();
    // The hot-spot under the pointer, 0..10; -1 for none.
    int selOverBtnIndex() const { return m_selOverBtnIndex; }

    static QString functionTypeName(std::uint32_t btnType);

private:
    void show(const BTN_INFO *record);
    void describeHotSpots();

    MainView &m_view;
    QList<QImage> m_selTagImageArrs;
    int m_selOverBtnIndex = -1;
};

} // namespace orvex
