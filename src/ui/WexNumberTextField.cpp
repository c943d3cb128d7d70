// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexNumberTextField.h"

#include "WexAccessibleFactory.h"
#include "WexNumberValidator.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

namespace orvex {

WexNumberTextField::WexNumberTextField(QWidget *parent) : WexTextField(parent)
{
    WexAccessibleFactory::ensureInstalled();
    connect(this, &QLineEdit::textEdited, this, [this] { runAction(); });
    resetFormat();
}

void WexNumberTextField::resetFormat()
{
    auto *validator = new WexNumberValidator(m_minNum, m_maxNum, m_maxLength, m_hasNegative, this);
    setValidator(validator);
    delete m_validator;
    m_validator = validator;
    if (!text().isEmpty())
        setText(QString::number(m_validator->valueOf(text())));
}

int WexNumberTextField::maxNum() const
{
    return std::max(m_minNum, m_maxNum);
}

int WexNumberTextField::minNum() const
{
    return std::min(m_minNum, m_maxNum);
}

int WexNumberTextField::intValue() const
{
    return m_validator->valueOf(text());
}

void WexNumberTextField::setIntValue(int value)
{
    setText(QString::number(m_validator->clamp(value)));
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, intValue());
        QAccessible::updateAccessibility(&event);
    }
}

void WexNumberTextField::focusOutEvent(QFocusEvent *event)
{
    settle();
    WexTextField::focusOutEvent(event);
}

void WexNumberTextField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        settle();
    WexTextField::keyPressEvent(event);
}

void WexNumberTextField::settle()
{
    if (text().isEmpty() || hasAcceptableInput())
        return;
    setText(QString::number(intValue()));
    runAction();
}

void WexNumberTextField::runAction()
{
    if (m_action)
        m_action(this);
}

} // namespace orvex
