// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WexMenuData.h"

#include <QList>

#include <memory>

namespace orvex {

// A node of a pick-list tree. A node owns its children; a child knows its
// parent only weakly, so dropping a root frees the whole tree.
class WexTreeNode : public std::enable_shared_from_this<WexTreeNode>
{
public:
    using Ptr = std::shared_ptr<WexTreeNode>;

    // A node holding `data`; with a parent it becomes that parent's last
    // child, and each of `children` is re-hung under the new node.
    static Ptr initWithData(std::shared_ptr<WexMenuData> data, const Ptr &parent = nullptr,
                            const QList<Ptr> &children = {});

    std::shared_ptr<WexMenuData> nodeData() const { return m_data; }
    void setNodeData(std::shared_ptr<WexMenuData> data) { m_data = std::move(data); }
    // The data cast to the entry class the caller expects; null when absent
    // or of another class.
    template <typename Entry> std::shared_ptr<Entry> dataAs() const
    {
        return std::dynamic_pointer_cast<Entry>(m_data);
    }

    const QList<Ptr> &children() const { return m_children; }
    int childCount() const { return int(m_children.size()); }
    int numberOfChildren() const { return childCount(); }
    Ptr childAt(int index) const;
    Ptr parent() const { return m_parent.lock(); }
    // The next sibling under the same parent; null for the last child or a root.
    Ptr nextNode() const;

    // Hangs `child` last under this node, taking it from its previous parent.
    void addChild(const Ptr &child);
    void removeAllChild();
    // Out-of-range indices are ignored.
    void removeChildAtIndex(int index);

private:
    WexTreeNode() = default;

    std::shared_ptr<WexMenuData> m_data;
    std::weak_ptr<WexTreeNode> m_parent;
    QList<Ptr> m_children;
};

} // namespace orvex
