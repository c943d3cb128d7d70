// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MacroInfo.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

namespace orvex {

// The macro editor's step list: one row per step of the shown macro, read
// from the macro's own steps at each call (the editor edits them in place
// and then calls reload()). Four columns: the step's icon, its text, the
// delay icon and the delay as "<n> ms". The delay cell can be edited; it
// shows and takes the bare number of milliseconds, stored within 0..5000.
class MacroStepModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        IconColumn = 0,
        TextColumn = 1,
        DelayIconColumn = 2,
        DelayColumn = 3,
        ColumnCount = 4,
    };
    static constexpr int MaxDelay = 5000;

    // The step icons, in the order of iconImageArr.
    static const QStringList &iconNames();
    // What a step's row says: "Press A", "L Button Down", a command's name.
    static QString stepText(const MacroKeyInfo &step);
    // The name of a key code: the mouse buttons' codes by their names, every
    // other code by the key table's.
    static QString keyName(int keyCode);

    explicit MacroStepModel(QObject *parent = nullptr);

    // The macro shown; none shows no rows.
    void setMacro(const MacroInfoPtr &macro);
    MacroInfoPtr macro() const { return m_macro; }
    // The steps changed in number or order.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    MacroKeyInfoPtr stepAt(const QModelIndex &index) const;
    QVariant iconOf(const MacroKeyInfo &step) const;

    MacroInfoPtr m_macro;
    QList<QIcon> m_icons;
};

} // namespace orvex
