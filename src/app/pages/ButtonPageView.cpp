// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPageView.h"

#include "OrvexWidgetFactory.h"
#include "WexButton.h"
#include "platform/WexLogger.h"

#include <QKeyEvent>

namespace orvex {

ButtonPageView::ButtonPageView(const QRect &frame, QWidget *parent,
                               const ButtonPageLayout::Page &layout)
    : KeltoImageView(frame, parent), m_layout(layout)
{
    setAccessibleName(layout.title);
}

WexButton *ButtonPageView::byTag(int tag) const
{
    return m_byTag.value(tag).data();
}

void ButtonPageView::initData()
{
    setImageByName(m_layout.skinName);
}

WexButton *ButtonPageView::addControl(const QString &field)
{
    const ButtonPageLayout::Control *control = m_layout.byField(field);
    if (!control) {
        ORVEX_ERROR(QStringLiteral("%1 has no control %2").arg(m_layout.title, field));
        return nullptr;
    }
    WexButton *button = OrvexWidgetFactory::AddButton(
        control->rect, [this](WexButton *sender) { buttonAction(sender); }, {}, this);
    button->setObjectName(control->field);
    button->setTag(control->tag);
    button->setAccessibleName(control->caption);
    if (control->kind == ButtonPageLayout::Kind::PickField) {
        button->setPickButton(true);
        QFont font = button->font();
        font.setPixelSize(PickTitlePixelSize);
        button->setBtnFont(font);
        button->setBtnColor(Qt::white);
        button->setBtnTextAlignment(Qt::AlignCenter);
        button->setLeftPad(PickTitleLeftPad);
        button->setRightPad(PickTitleRightPad);
    }
    m_byTag.insert(control->tag, button);
    return button;
}

void ButtonPageView::closePage()
{
    window()->close();
}

void ButtonPageView::keyPressEvent(QKeyEvent *event)
{
    const ButtonPageLayout::Control *cancel = m_layout.byField(QStringLiteral("cancelBtn"));
    WexButton *button = cancel ? byTag(cancel->tag) : nullptr;
    if (event->key() == Qt::Key_Escape && button && button->isEnabled()) {
        event->accept();
        button->performClick();
        return;
    }
    KeltoImageView::keyPressEvent(event);
}

} // namespace orvex
