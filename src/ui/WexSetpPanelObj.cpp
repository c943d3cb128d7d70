// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexSetpPanelObj.h"

#include "WexButton.h"
#include "WexSetpDelegate.h"

namespace orvex {

WexSetpPanelObj::WexSetpPanelObj(QObject *parent) : QObject(parent) {}

void WexSetpPanelObj::addItem(WexButton *button, QWidget *panBox)
{
    if (!button || indexOf(button) > 0)
        return;
    m_items.append({button, panBox});
    button->setStepItem(true);
    button->setChecked(false);
    if (panBox)
        panBox->setVisible(false);
    connect(button, &WexButton::clicked, this,
            [this](WexButton *sender) { selectindex(indexOf(sender)); });
}

bool WexSetpPanelObj::selectindex(int index)
{
    if (index < 0 || index > count() || index == m_currentSetp)
        return false;
    const int old = m_currentSetp;
    if (m_delegate && !m_delegate->shouldSelectIndex(index, old, this)) {
        // A click already drew the item as pressed; put the pictures back.
        showSelection();
        return false;
    }
    m_currentSetp = index;
    showSelection();
    if (m_delegate)
        m_delegate->onSelectIndex(index, old, this);
    Q_EMIT selectionChanged(index, old);
    return true;
}

QList<WexButton *> WexSetpPanelObj::tabBtnArr() const
{
    QList<WexButton *> buttons;
    for (const Item &item : m_items)
        buttons.append(item.button.data());
    return buttons;
}

int WexSetpPanelObj::indexOf(const QObject *button) const
{
    if (!button)
        return 0;
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i).button == button)
            return i + 1;
    }
    return 0;
}

void WexSetpPanelObj::setBtnEnableByIndex(int index, bool enable)
{
    if (index < 0 || index > count())
        return;
    for (int i = 0; i < m_items.size(); ++i) {
        if ((index == 0 || index == i + 1) && m_items.at(i).button)
            m_items.at(i).button->setIsEnable(enable);
    }
}

void WexSetpPanelObj::showSelection()
{
    for (int i = 0; i < m_items.size(); ++i) {
        const bool selected = i + 1 == m_currentSetp;
        if (m_items.at(i).button)
            m_items.at(i).button->setChecked(selected);
        if (m_items.at(i).box)
            m_items.at(i).box->setVisible(selected);
    }
}

} // namespace orvex
