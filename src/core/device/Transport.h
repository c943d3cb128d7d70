// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace orvex {

// One 8-byte HID report payload, without any report-id byte. The mouse does
// not number its reports; transports add or strip the id byte themselves.
using Report = std::array<std::uint8_t, 8>;

// A way to reach the mouse's feature-report channel. Implementations: the real
// mouse through hidapi, and the virtual mouse (over its socket or in process).
//
// Contract shared by every implementation:
// - open() finds and opens the mouse; it is safe to call again when open.
// - sendFeatureReport() performs exactly one SET_REPORT(Feature, id 0) carrying
//   the 8 bytes; getFeatureReport() one GET_REPORT(Feature, id 0) whose 8 bytes
//   replace `report`. Both answer false when the report did not go through
//   (mouse absent, unplugged, I/O error); `report` is then left untouched.
// - Calls come from one thread at a time; the caller serialises.
class Transport
{
public:
    virtual ~Transport() = default;

    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isPresent() = 0;
    virtual bool sendFeatureReport(const Report &report) = 0;
    virtual bool getFeatureReport(Report &report) = 0;
    // A short human-readable name of the endpoint, for messages and logs.
    virtual QString describe() const = 0;
    // The path by which every program reaches this mouse (its hidraw node,
    // the virtual mouse's socket), for the lock the suite's programs share;
    // empty when no other program can reach it, or while it is not found.
    virtual QString lockKey() const { return {}; }
    // A transfer starts (the first of a run of requests that belong
    // together): a transport that lost its device may look for it afresh
    // here, and only here.
    virtual void beginTransfer() {}
};

} // namespace orvex
