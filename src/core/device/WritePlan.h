// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace orvex {

// The single-byte writes of a transfer, in the order they go to the mouse,
// made before any of them is sent: so that a transfer can announce how many
// it needs (the mouse may already hold some, DeviceMirror) and a reader can
// fetch what a transfer would overwrite.
class WritePlan
{
public:
    struct Write
    {
        std::uint16_t address = 0;
        std::uint8_t value = 0;
    };

    void add(std::uint16_t address, std::uint8_t value);
    void append(const WritePlan &other);

    const std::vector<Write> &writes() const { return m_writes; }
    int size() const { return int(m_writes.size()); }
    // The writes whose value the mouse is not known to hold.
    int needed() const;

    // Sends the writes in order through DeviceLink::writeByteChecked(),
    // which skips those the mouse holds, and stops at the first that does
    // not go through; answers whether every one did. No Reload.
    bool send() const;

private:
    std::vector<Write> m_writes;
};

} // namespace orvex
