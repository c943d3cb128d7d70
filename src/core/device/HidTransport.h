// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidApi.h"
#include "device/Transport.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>

namespace orvex {

// The real mouse: feature reports on USB interface 0 through hidapi's hidraw
// backend.
//
// The mouse does not number its reports, so every feature buffer handed to
// hidapi is [0x00 report id, 8 payload bytes], 9 bytes long, and a transfer
// went through only when hidapi answers 9 (for GET: 8 payload bytes + 1).
// A failed transfer closes the handle, because the usual cause is that the
// mouse was unplugged; the next call opens it afresh, possibly at a new path.
class HidTransport final : public Transport
{
public:
    HidTransport(std::uint16_t vendorId, std::uint16_t productId,
                 const HidApi &api = HidApi::system());
    ~HidTransport() override;

    HidTransport(const HidTransport &) = delete;
    HidTransport &operator=(const HidTransport &) = delete;

    bool open() override;
    void close() override;
    // Re-checks the bus: a handle whose node has gone is dropped and the
    // mouse looked for again.
    bool isPresent() override;
    bool sendFeatureReport(const Report &report) override;
    bool getFeatureReport(Report &report) override;
    // "USB mouse 12CF:0219 at /dev/hidraw3" or "USB mouse 12CF:0219 (not found)".
    QString describe() const override;

private:
    static constexpr unsigned char ReportId = 0x00;
    static constexpr int ConfigurationInterface = 0;
    static constexpr std::size_t BufferLength = 1 + std::tuple_size_v<Report>;
    using Buffer = std::array<unsigned char, BufferLength>;

    bool initialise();
    QList<QByteArray> interfacePaths() const;
    bool openPath(const QByteArray &path);
    void warnOpenFailure(const QString &message);
    void failTransfer(const char *operation, int result);
    QString deviceError() const;
    QString identity() const;

    const HidApi &api_;
    std::uint16_t vendorId_;
    std::uint16_t productId_;
    hid_device *device_ = nullptr;
    QByteArray path_;
    bool initialised_ = false;
    QString lastOpenFailure_;
};

} // namespace orvex
