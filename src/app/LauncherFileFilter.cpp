// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherFileFilter.h"

#include "LauncherFilePanel.h"

#include <QFileSystemModel>

namespace orvex {

LauncherFileFilter::LauncherFileFilter(QObject *parent) : QSortFilterProxyModel(parent) {}

bool LauncherFileFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!files)
        return true;
    const QFileInfo file = files->fileInfo(files->index(sourceRow, 0, sourceParent));
    return file.isDir() || LauncherFilePanel::isLaunchable(file);
}

} // namespace orvex
