// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSortFilterProxyModel>

namespace orvex {

// What the launcher's file panel lists: folders, desktop entries and
// executable files.
class LauncherFileFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit LauncherFileFilter(QObject *parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};

} // namespace orvex
