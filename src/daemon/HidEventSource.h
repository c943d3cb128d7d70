// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DeviceEventSource.h"

#include "device/HidApi.h"
#include "device/HidEnumeration.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <cstdint>
#include <memory>

namespace orvex {

class HidInputReader;
class UdevHidMonitor;

// The real mouse: a reader thread for each of its hidraw nodes that can carry
// the 0xA4 reports, and the udev monitor for its arrival and removal. The
// mouse counts as present while its configuration interface is on the bus.
//
// Nodes whose only top-level usage is the pointer are not read: they report
// every movement, so reading them would wake the agent all the time, and
// their button bytes could pass for 0xA4.
class HidEventSource : public DeviceEventSource
{
    Q_OBJECT
public:
    HidEventSource(std::uint16_t vendorId, std::uint16_t productId,
                   const HidApi &api = HidApi::system(), QObject *parent = nullptr);
    ~HidEventSource() override;

    bool start(Callbacks callbacks) override;
    QString describe() const override;
    // Pausing stops every reader at once (each thread closes its node as
    // HidInputReader describes) and leaves the bus unwatched; resuming
    // rescans.
    void setPaused(bool paused) override;

    // Looks at the bus again: starts readers for new nodes and reports a
    // change of presence. Run on every udev event (and by tests); does
    // nothing while paused.
    void rescan();
    // The nodes being read now.
    QList<QByteArray> readPaths() const { return m_readers.keys(); }

private:
    void readerEnded(const QByteArray &path);
    void setPresent(bool present);

    const HidApi &m_api;
    HidEnumeration m_enumeration;
    UdevHidMonitor *m_monitor;
    Callbacks m_callbacks;
    QMap<QByteArray, std::shared_ptr<HidInputReader>> m_readers;
    bool m_present = false;
    bool m_started = false;
    bool m_paused = false;
};

} // namespace orvex
