// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace orvex {

class WexButton;
class WexSetpDelegate;

// A step selector: a row of buttons of which at most one is selected, like
// tabs or radio buttons. The selected button shows its pressed picture.
// Items are numbered from 1 in the order they were added; 0 means none.
//
// A click on an item, or selectindex(), first asks the delegate
// (shouldSelectIndex; false keeps the old item), then selects and tells it
// (onSelectIndex). Selecting the item that is already selected, or an index
// out of range, does nothing and asks nothing.
class WexSetpPanelObj : public QObject
{
    Q_OBJECT
public:
    explicit WexSetpPanelObj(QObject *parent = nullptr);

    // `panBox`, when given, is shown while its item is selected and hidden
    // otherwise (a tab's page).
    void addItem(WexButton *button, QWidget *panBox = nullptr);
    void setSetpDelegate(WexSetpDelegate *delegate) { m_delegate = delegate; }

    // Answers whether the selection changed.
    bool selectindex(int index);
    int currentSetp() const { return m_currentSetp; }
    int count() const { return int(m_items.size()); }
    QList<WexButton *> tabBtnArr() const;
    // The 1-based position of `button`, 0 when it is not an item.
    int indexOf(const QObject *button) const;

    // Index 0 enables or disables every item; other indices one item;
    // indices out of range are ignored.
    void setBtnEnableByIndex(int index, bool enable);

Q_SIGNALS:
    void selectionChanged(int newIndex, int oldIndex);

private:
    struct Item
    {
        QPointer<WexButton> button;
        QPointer<QWidget> box;
    };

    void showSelection();

    QList<Item> m_items;
    WexSetpDelegate *m_delegate = nullptr;
    int m_currentSetp = 0;
};

} // namespace orvex
