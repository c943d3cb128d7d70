// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WexTreeNode.h"

namespace orvex {

WexTreeNode::Ptr WexTreeNode::initWithData(std::shared_ptr<WexMenuData> data, const Ptr &parent,
                                           const QList<Ptr> &children)
{
    Ptr node(new WexTreeNode);
    node->m_data = std::move(data);
    for (const Ptr &child : children) {
        if (child)
            node->addChild(child);
    }
    if (parent)
        parent->addChild(node);
    return node;
}

WexTreeNode::Ptr WexTreeNode::childAt(int index) const
{
    if (index < 0 || index >= m_children.size())
        return nullptr;
    return m_children.at(index);
}

WexTreeNode::Ptr WexTreeNode::nextNode() const
{
    const Ptr owner = parent();
    if (!owner)
        return nullptr;
    const auto &siblings = owner->m_children;
    for (qsizetype i = 0; i + 1 < siblings.size(); ++i) {
        if (siblings.at(i).get() == this)
            return siblings.at(i + 1);
    }
    return nullptr;
}

void WexTreeNode::addChild(const Ptr &child)
{
    if (!child || child.get() == this)
        return;
    if (const Ptr previous = child->parent())
        previous->m_children.removeOne(child);
    child->m_parent = weak_from_this();
    m_children.append(child);
}

void WexTreeNode::removeAllChild()
{
    for (const Ptr &child : std::as_const(m_children))
        child->m_parent.reset();
    m_children.clear();
}

void WexTreeNode::removeChildAtIndex(int index)
{
    if (index < 0 || index >= m_children.size())
        return;
    m_children.at(index)->m_parent.reset();
    m_children.removeAt(index);
}

} // namespace orvex
