// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageView.h"
#include "WexTextField.h"

#include <QPointer>
#include <QString>

namespace orvex {


// The name dialog of a new macro: one text field, OK and Cancel. OK takes
// the name only when it is not empty and no macro has it yet; then the
// window's modal run ends with 1 and nameStr() holds the name. A name not
// taken leaves the dialog open, without a message. Cancel and Escape end
// the run with 0; Return in the field is OK.
class CreateMacroView : public ButtonPageView
{
    Q_OBJECT
public:
    static constexpr int OkTag = 5300;
    static constexpr int CancelTag = 5301;
    static constexpr int DragHeight = 50;

    CreateMacroView(const QRect &frame, QWidget *parent);

    void initControls() override;
    void buttonAction(WexButton *sender) override;

    QString nameStr() const { return m_nameStr; }
    // Takes the field's text as the name when it is acceptable.
    bool saveMacroName();
    static bool checkMacroName(const QString &name);

    WexTextField *nameTxt() const { return m_nameTxt; }
    WexButton *okBtn() const { return byTag(OkTag); }
    WexButton *cancelBtn() const { return byTag(CancelTag); }

private:
    void endRun(int code);

    QString m_nameStr;
    QPointer<WexTextField> m_nameTxt;
};

} // namespace orvex
