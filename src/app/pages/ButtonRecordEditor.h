// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

namespace orvex {

// A page that edits a private copy of one button record. The main window
// hands it the selected button's record before showing it, and takes
// tmpBtnInfo() back into the working profile when the window closes,
// whatever endTag() says: after Cancel it is still the record handed in.
class ButtonRecordEditor
{
public:
    // endTag() after OK and after Cancel (or a window closed otherwise).
    static constexpr int Confirmed = 1;
    static constexpr int Cancelled = 0;

    virtual ~ButtonRecordEditor() = default;

    virtual void setTmpBtnInfo(const BTN_INFO &record) { m_tmpBtnInfo = record; }
    BTN_INFO tmpBtnInfo() const { return m_tmpBtnInfo; }
    int endTag() const { return m_endTag; }

protected:
    BTN_INFO m_tmpBtnInfo{};
    int m_endTag = Cancelled;
};

} // namespace orvex
