// SPDX-License-Identifier: GPL-3.0-or-later
#include "CreateMacroView.h"

#include "MacroView.h"
#include "MacroViewLayout.h"
#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "WexNoTitleWindow.h"
#include "WexTextField.h"

namespace orvex {

namespace {

constexpr int OkCode = 1;
constexpr int CancelCode = 0;

} // namespace

CreateMacroView::CreateMacroView(const QRect &frame, QWidget *parent)
    : ButtonPageView(frame, parent, MacroViewLayout::createMacroView())
{
}

void CreateMacroView::initControls()
{
    const ButtonPageLayout::Control *box = pageLayout().byField(QStringLiteral("nameTxt"));
    const int inset = ButtonPageLayout::NumberFieldInset;
    m_nameTxt =
        OrvexWidgetFactory::AddTextField(box->rect.adjusted(inset, inset, -inset, -inset), this);
    m_nameTxt->setObjectName(box->field);
    m_nameTxt->setAccessibleName(box->caption);
    m_nameTxt->setBordered(false);
    addControl(QStringLiteral("okBtn"));
    addControl(QStringLiteral("cancelBtn"));
    connect(m_nameTxt, &QLineEdit::returnPressed, this, [this] { okBtn()->performClick(); });
    m_nameTxt->setFocus(Qt::OtherFocusReason);
}

bool CreateMacroView::checkMacroName(const QString &name)
{
    return MacroView::checkMacroName(name);
}

bool CreateMacroView::saveMacroName()
{
    const QString name = m_nameTxt->stringValue();
    if (name.isEmpty() || !checkMacroName(name))
        return false;
    m_nameStr = name;
    return true;
}

void CreateMacroView::buttonAction(WexButton *sender)
{
    if (!sender)
        return;
    if (sender->tag() == OkTag) {
        if (saveMacroName())
            endRun(OkCode);
    } else if (sender->tag() == CancelTag) {
        endRun(CancelCode);
    }
}

void CreateMacroView::endRun(int code)
{
    if (auto *window = qobject_cast<WexNoTitleWindow *>(this->window()))
        window->stopModal(code);
}

} // namespace orvex
