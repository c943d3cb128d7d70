// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WexTextField.h"

#include <functional>

namespace orvex {

class WexNumberValidator;

// A text field for one whole number in a range, with a digit limit and an
// optional minus sign (see WexNumberValidator). Text that breaks the limits
// is refused as it is typed; a number left below the minimum is put back in
// range when the field loses focus or Return is pressed.
//
// The change action runs after each change the user makes (typing, pasting,
// the correction on leaving the field), never for setIntValue().
class WexNumberTextField : public WexTextField
{
    Q_OBJECT
public:
    using Action = std::function<void(WexNumberTextField *sender)>;

    explicit WexNumberTextField(QWidget *parent = nullptr);

    void setMaxNum(int maxNum) { m_maxNum = maxNum; }
    void setMinNum(int minNum) { m_minNum = minNum; }
    void setMaxLenth(int maxLength) { m_maxLength = maxLength; }
    void setHasNegative(bool hasNegative) { m_hasNegative = hasNegative; }
    // Puts the four settings above into force and brings the shown number
    // within them.
    void resetFormat();

    int maxNum() const;
    int minNum() const;
    int maxLenth() const { return m_maxLength; }
    bool hasNegative() const { return m_hasNegative; }

    // The number shown, limited to the range (empty text reads as 0 limited
    // to the range).
    int intValue() const;
    // Shows `value` limited to the range.
    void setIntValue(int value);

    void setAction(Action action) { m_action = std::move(action); }

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void settle();
    void runAction();

    WexNumberValidator *m_validator = nullptr;
    Action m_action;
    int m_maxNum = 9999;
    int m_minNum = 0;
    int m_maxLength = 4;
    bool m_hasNegative = false;
};

} // namespace orvex
