// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexTextField.h"

#include <QEvent>
#include <QPainter>

namespace orvex {

namespace {

constexpr int LabelInset = 2;

} // namespace

WexTextField::WexTextField(QWidget *parent) : QLineEdit(parent)
{
    setAttribute(Qt::WA_MacShowFocusRect, false);
    connect(this, &QLineEdit::textChanged, this, [this] { refreshAccessibleName(); });
    applyLook();
}

void WexTextField::setBordered(bool bordered)
{
    m_bordered = bordered;
    applyLook();
}

void WexTextField::setEditable(bool editable)
{
    setReadOnly(!editable);
    setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
    applyLook();
    refreshAccessibleName();
}

void WexTextField::setBackgroundColor(const QColor &color)
{
    m_background = color.isValid() ? color : QColor(Qt::transparent);
    applyLook();
}

void WexTextField::setTextColor(const QColor &color)
{
    m_textColor = color;
    applyLook();
}

void WexTextField::setStringValue(const QString &value)
{
    setText(value);
    setCursorPosition(0);
}

void WexTextField::paintEvent(QPaintEvent *event)
{
    if (!isReadOnly()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (m_background.alpha() > 0)
        painter.fillRect(rect(), m_background);
    painter.setFont(font());
    painter.setPen(m_textColor);
    const QRect area = rect().adjusted(LabelInset, 0, -LabelInset, 0);
    const QString shown = painter.fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment()), shown);
}

bool WexTextField::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        refreshAccessibleName();
    return QLineEdit::event(event);
}

void WexTextField::applyLook()
{
    const QString border =
        m_bordered ? QStringLiteral("1px solid #5c5e63") : QStringLiteral("none");
    setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: %2; border: %3; "
                                 "selection-background-color: #7d0608; selection-color: white; }")
                      .arg(m_background.name(QColor::HexArgb), m_textColor.name(), border));
    update();
}

void WexTextField::refreshAccessibleName()
{
    if (!accessibleName().isEmpty() && accessibleName() != m_ownAccessibleName)
        return;
    QString name = toolTip();
    if (name.isEmpty() && isReadOnly())
        name = text();
    m_ownAccessibleName = name;
    setAccessibleName(name);
}

} // namespace orvex
