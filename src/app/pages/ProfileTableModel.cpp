// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileTableModel.h"

namespace orvex {

ProfileTableModel::ProfileTableModel(QObject *parent) : QAbstractTableModel(parent) {}

void ProfileTableModel::setProfiles(const QList<ProfileValuePtr> &profiles)
{
    beginResetModel();
    m_profiles = profiles;
    endResetModel();
}

ProfileValuePtr ProfileTableModel::profileAt(int row) const
{
    return row >= 0 && row < m_profiles.size() ? m_profiles.at(row) : nullptr;
}

int ProfileTableModel::rowOf(const ProfileValuePtr &profile) const
{
    return profile ? int(m_profiles.indexOf(profile)) : -1;
}

int ProfileTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_profiles.size());
}

int ProfileTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProfileTableModel::data(const QModelIndex &index, int role) const
{
    const ProfileValuePtr profile = profileAt(index.row());
    if (!profile)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return index.column() == NumberColumn ? QVariant(QString::number(index.row() + 1))
                                              : QVariant(profile->name());
    case Qt::TextAlignmentRole:
        return index.column() == NumberColumn ? int(Qt::AlignCenter)
                                              : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ProfileTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return section == NumberColumn ? tr("No.") : tr("Profile name");
    if (role == Qt::TextAlignmentRole)
        return section == NumberColumn ? int(Qt::AlignCenter)
                                       : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ProfileTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == NameColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ProfileTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const ProfileValuePtr profile = profileAt(index.row());
    if (!profile || role != Qt::EditRole || index.column() != NameColumn)
        return false;
    profile->setName(value.toString().left(MaxNameLength));
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

} // namespace orvex
