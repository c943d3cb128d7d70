// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileValue.h"

#include <QAbstractTableModel>
#include <QList>

namespace orvex {

// The rows of the profile management page: one per profile, in the order
// given. Column 0 shows the row number (1-based, centred), column 1 the
// profile's name (left-aligned, editable). What a cell shows is also what
// it reads as to assistive technologies.
class ProfileTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        NumberColumn = 0, // "tbHeardColumn1"
        NameColumn = 1,   // "tbHeardColumn2"
    };
    static constexpr int ColumnCount = 2;
    // Longer names are cut to their first characters when stored.
    static constexpr int MaxNameLength = 100;

    explicit ProfileTableModel(QObject *parent = nullptr);

    void setProfiles(const QList<ProfileValuePtr> &profiles);
    const QList<ProfileValuePtr> &profiles() const { return m_profiles; }
    // Null outside the rows.
    ProfileValuePtr profileAt(int row) const;
    // -1 for none or a profile not shown.
    int rowOf(const ProfileValuePtr &profile) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Stores an edited name, cut to MaxNameLength, in the row's profile.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    QList<ProfileValuePtr> m_profiles;
};

} // namespace orvex
