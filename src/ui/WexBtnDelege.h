// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QEvent;
class QObject;

namespace orvex {

// The receiver of a control's pointer events (a skinned button, the macro
// editor's step list). One method serves every sender; `type` tells what
// happened, with the codes below.
class WexBtnDelege
{
public:
    enum MouseEventType
    {
        MouseEntered = 1,
        MouseMoved = 2,
        MouseExited = 3,
        LeftDown = 4,
        LeftUp = 5,
        RightDown = 6,
        RightUp = 7,
        OtherDown = 8,
        OtherUp = 9,
    };

    virtual ~WexBtnDelege() = default;
    // `event` is the Qt event being handled, valid only during the call.
    virtual void onMouseEvent(QObject *sender, QEvent *event, int type) = 0;
};

} // namespace orvex
