// SPDX-License-Identifier: GPL-3.0-or-later
#include "TkeyRepeatView.h"

#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexNumberTextField.h"

namespace orvex {

namespace {

constexpr int OkCode = 1;
constexpr int CancelCode = 0;
constexpr char CountFont[] = "Arial";

} // namespace

TkeyRepeatView::TkeyRepeatView(const QRect &frame, QWidget *parent)
    : ButtonPageView(frame, parent, ButtonPageLayout::repeatView())
{
}

void TkeyRepeatView::initControls()
{
    const ButtonPageLayout::Control *box = pageLayout().byField(QStringLiteral("countTxt"));
    const int inset = ButtonPageLayout::NumberFieldInset;
    m_countTxt = OrvexWidgetFactory::AddNumTextField(
        box->rect.adjusted(inset, inset, -inset, -inset), this, MaxCount, 0, MaxDigits, false);
    m_countTxt->setObjectName(box->field);
    m_countTxt->setAccessibleName(box->caption);
    QFont font{QLatin1String(CountFont)};
    font.setPixelSize(CountPixelSize);
    m_countTxt->setFont(font);
    m_countTxt->setAlignment(Qt::AlignCenter);
    connect(m_countTxt, &QLineEdit::returnPressed, this, [this] {
        if (m_okBtn)
            m_okBtn->performClick();
    });
    m_okBtn = addControl(QStringLiteral("okBtn"));
    m_cancelBtn = addControl(QStringLiteral("cancelBtn"));
}

void TkeyRepeatView::makeTxtFirstRes()
{
    m_countTxt->setIntValue(m_repeatCount);
    // The whole count, so that typing replaces it rather than adding digits
    // that the four-digit limit would then refuse.
    m_countTxt->selectAll();
    m_countTxt->setFocus(Qt::OtherFocusReason);
}

void TkeyRepeatView::buttonAction(WexButton *sender)
{
    if (!sender)
        return;
    if (sender->tag() == OkTag) {
        m_repeatCount = m_countTxt->intValue();
        endRun(OkCode);
    } else if (sender->tag() == CancelTag) {
        endRun(CancelCode);
    }
}

void TkeyRepeatView::endRun(int code)
{
    if (auto *window = qobject_cast<WexNoTitleWindow *>(this->window()))
        window->stopModal(code);
}

} // namespace orvex
