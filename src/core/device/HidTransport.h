// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidApi.h"
#include "device/HidEnumeration.h"
#include "device/HidrawNode.h"
#include "device/Transport.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <tuple>

namespace orvex {

// The real mouse: feature reports on its configuration interface
// (HidEnumeration) through hidapi's hidraw backend.
//
// The mouse does not number its reports, so every feature buffer handed to
// hidapi is [0x00 report id, 8 payload bytes], 9 bytes long, and a transfer
// went through only when hidapi answers 9 (for GET: 8 payload bytes + 1).
// A GET the mouse leaves unanswered is ended by the kernel, not here: after
// 5 s (the USB HID driver's control timeout, and uhid's), and it is not
// retried. A failed transfer closes the handle, because the usual cause is
// that the mouse was unplugged. The next call reopens only the same device: the node
// it had and the same physical path behind it, so that with two mice plugged
// in, a replug during a transfer never sends the rest of it to the other one.
// A new choice among the mice on the bus is made by open() on a transport
// that has none yet, by isPresent() once the chosen node has gone, and at the
// start of each transfer (beginTransfer()).
class HidTransport final : public Transport
{
public:
    // The physical path behind a hidraw node (HidrawNode::physicalPath).
    using PhysicalPathReader = std::function<QByteArray(const QByteArray &devicePath)>;

    HidTransport(std::uint16_t vendorId, std::uint16_t productId,
                 const HidApi &api = HidApi::system(),
                 PhysicalPathReader physicalPath = &HidrawNode::physicalPath);
    ~HidTransport() override;

    HidTransport(const HidTransport &) = delete;
    HidTransport &operator=(const HidTransport &) = delete;

    bool open() override;
    void close() override;
    // Re-checks the bus: a handle whose node has gone is dropped and the
    // mouse looked for again.
    bool isPresent() override;
    void beginTransfer() override;
    bool sendFeatureReport(const Report &report) override;
    bool getFeatureReport(Report &report) override;
    // "USB mouse 12CF:0219 at /dev/hidraw3" or "USB mouse 12CF:0219 (not found)".
    QString describe() const override;
    // The hidraw node, once found.
    QString lockKey() const override { return QString::fromLocal8Bit(path_); }

private:
    static constexpr unsigned char ReportId = 0x00;
    static constexpr std::size_t BufferLength = 1 + std::tuple_size_v<Report>;
    using Buffer = std::array<unsigned char, BufferLength>;

    bool initialise();
    bool openChosen(const QList<QByteArray> &paths);
    bool reopenSame(const QList<QByteArray> &paths);
    bool openPath(const QByteArray &path);
    void forgetChoice();
    void warnOpenFailure(const QString &message);
    void failTransfer(const char *operation, int result);
    QString deviceError() const;

    const HidApi &api_;
    HidEnumeration enumeration_;
    PhysicalPathReader physicalPathOf_;
    hid_device *device_ = nullptr;
    // The chosen device: its node and, as the kernel gave it then, its
    // physical path. Empty while none is chosen.
    QByteArray path_;
    QByteArray physicalPath_;
    bool initialised_ = false;
    QString lastOpenFailure_;
};

} // namespace orvex
