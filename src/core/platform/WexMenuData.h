// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// One entry of a pick list: the caption shown and two integers the list and
// its owner interpret (the entry kind and a free tag). Entries are shared
// between the tree that holds them and the pages that picked them, so they
// are kept by shared pointer and derived classes add their own payload.
class WexMenuData
{
public:
    virtual ~WexMenuData() = default;

    QString titleStr() const { return m_titleStr; }
    void setTitleStr(const QString &title) { m_titleStr = title; }
    int type() const { return m_type; }
    void setType(int type) { m_type = type; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

private:
    QString m_titleStr;
    int m_type = 0;
    int m_tag = 0;
};

} // namespace orvex
