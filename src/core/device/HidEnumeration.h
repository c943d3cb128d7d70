// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidApi.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace orvex {

// The mouse's hidraw nodes as hidapi's hidraw backend lists them, and the
// name the suite gives the mouse in its messages. Used by the command channel
// (which opens the configuration interface) and by the agent (which reads the
// input reports of every node that can carry them).
//
// The mouse has several USB interfaces: the configuration interface, which
// carries the feature reports, beside boot-mouse and keyboard interfaces.
// A HID device the kernel has behind no USB interface (one made through
// uhid, such as the virtual mouse's) is listed with the interface number -1;
// it counts as the configuration interface when one of its top-level usages
// is on the mouse's vendor page.
class HidEnumeration
{
public:
    // The USB interface that carries the feature reports.
    static constexpr int ConfigurationInterface = 0;
    // hidapi's interface number of a device with no USB interface.
    static constexpr int NoInterface = -1;
    // The usage page of the configuration collection.
    static constexpr unsigned short VendorPage = 0xFF00;

    struct Node
    {
        QByteArray path;
        int interfaceNumber = -1;
        // Every top-level usage is the pointer (Generic Desktop mouse or
        // pointer): the node reports every movement and nothing of ours.
        bool pointerOnly = true;
        // Some top-level usage is on VendorPage.
        bool vendorPage = false;
    };

    HidEnumeration(const HidApi &api, std::uint16_t vendorId, std::uint16_t productId);

    // The mouse's distinct nodes, in bus order. hidraw lists a node once per
    // top-level usage; the entries of one node are merged.
    QList<Node> nodes() const;
    // The distinct nodes of the configuration interface, in bus order.
    QList<QByteArray> configurationPaths() const;
    static bool hasConfigurationInterface(const QList<Node> &nodes);
    static bool isConfigurationInterface(const Node &node);

    // "USB mouse 12CF:0219".
    QString identity() const;

private:
    const HidApi &m_api;
    std::uint16_t m_vendorId;
    std::uint16_t m_productId;
};

} // namespace orvex
