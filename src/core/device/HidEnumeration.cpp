// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/HidEnumeration.h"

#include <hidapi.h>

#include <algorithm>

namespace orvex {

namespace {

constexpr unsigned short GenericDesktopPage = 0x01;
constexpr unsigned short PointerUsage = 0x01;
constexpr unsigned short MouseUsage = 0x02;

bool isPointerUsage(const hid_device_info &info)
{
    return info.usage_page == GenericDesktopPage &&
           (info.usage == PointerUsage || info.usage == MouseUsage);
}

QString hexId(std::uint16_t id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace

HidEnumeration::HidEnumeration(const HidApi &api, std::uint16_t vendorId, std::uint16_t productId)
    : m_api(api), m_vendorId(vendorId), m_productId(productId)
{
}

QList<HidEnumeration::Node> HidEnumeration::nodes() const
{
    QList<Node> nodes;
    hid_device_info *devices = m_api.enumerate(m_vendorId, m_productId);
    for (const hid_device_info *info = devices; info; info = info->next) {
        if (!info->path)
            continue;
        const QByteArray path(info->path);
        auto node = std::find_if(nodes.begin(), nodes.end(),
                                 [&](const Node &known) { return known.path == path; });
        if (node == nodes.end())
            node = nodes.insert(nodes.end(), Node{path, info->interface_number, true});
        node->pointerOnly = node->pointerOnly && isPointerUsage(*info);
        node->vendorPage = node->vendorPage || info->usage_page == VendorPage;
    }
    m_api.freeEnumeration(devices);
    return nodes;
}

QList<QByteArray> HidEnumeration::configurationPaths() const
{
    QList<QByteArray> paths;
    for (const Node &node : nodes()) {
        if (isConfigurationInterface(node))
            paths.append(node.path);
    }
    return paths;
}

bool HidEnumeration::hasConfigurationInterface(const QList<Node> &nodes)
{
    return std::any_of(nodes.begin(), nodes.end(), &isConfigurationInterface);
}

bool HidEnumeration::isConfigurationInterface(const Node &node)
{
    return node.interfaceNumber == ConfigurationInterface ||
           (node.interfaceNumber == NoInterface && node.vendorPage);
}

QString HidEnumeration::identity() const
{
    return QStringLiteral("USB mouse %1:%2").arg(hexId(m_vendorId), hexId(m_productId));
}

} // namespace orvex
