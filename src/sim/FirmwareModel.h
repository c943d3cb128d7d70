// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/MemoryMap.h"
#include "device/Transport.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace orvex::sim {

enum class ReportDirection
{
    Set,
    Get,
    In
};

// Callbacks for what the mouse tells the host without being asked. Any of
// them may be empty.
struct FirmwareObserver
{
    std::function<void(const Report &)> inputReport; // an A4 report
    std::function<void(bool plugged)> plugChanged;   // unplug / plug
    std::function<void()> appliedMemoryChanged;      // what flash would now hold changed
};

// The mouse's firmware: a 16 KiB configuration memory (byte N at offset N)
// driven by 8-byte feature reports from the host and by a person using the
// mouse.
//
// The memory exists twice. Writes land in the written memory, which reads
// answer from; Reload copies it into the applied memory, by which the
// firmware behaves (buttons, DPI stages, the active profile) and which is
// what survives a restart. Reset throws away writes not yet applied.
//
// Thread safety: every operation takes an internal lock, so host and person
// may act from different threads. Observers are called after the lock is
// released, on the thread that caused the event; the trace sink is called
// under the lock (so lines keep the order of the reports) and must not call
// back into the model.
class FirmwareModel
{
public:
    using Memory = std::array<std::uint8_t, fwmem::Size>;
    using TraceSink = std::function<void(ReportDirection, const Report &)>;

    // Starts from the factory image.
    FirmwareModel();
    // Starts from `image` (fwmem::Size bytes; any other size gives the factory image).
    explicit FirmwareModel(const QByteArray &image);

    // Host side. Both answer false, and do nothing, while unplugged; a GET
    // also while silent.
    bool setFeatureReport(const Report &report);
    bool getFeatureReport(Report &report);
    bool isPlugged() const;

    // A fault to test the host against: a silent firmware takes every SET but
    // answers no GET, as a mouse that has hung halfway through a read. The
    // servers then send no answer at all, so that the host's own timeout is
    // what ends the read. Plugging in again ends the silence.
    void setSilent(bool silent);
    bool isSilent() const;

    // A person using the mouse. Each answers false, and does nothing, while
    // unplugged or for an argument out of range.
    bool pressProfileButton();       // next profile, 4 wraps to 0
    bool switchProfile(int profile); // profile 0..4
    bool pressDpiUp();               // active stage + 1, at most 3
    bool pressDpiDown();             // active stage - 1, at least 0
    bool pressButton(int slot);      // firmware button slot 0..10 of the active profile
    void unplug();
    void plug();

    // Memory as the firmware holds it; addresses outside the memory read 0.
    std::uint8_t writtenByte(int address) const;
    std::uint8_t appliedByte(int address) const;
    QByteArray appliedImage() const;
    int activeProfile() const;
    int activeStage() const;

    int addObserver(FirmwareObserver observer);
    void removeObserver(int id);
    void setTraceSink(TraceSink sink);

private:
    // What an operation has to tell the observers once the lock is released.
    struct Notifications
    {
        std::vector<Report> inputReports;
        bool plugChanged = false;
        bool plugged = false; // the new state, when plugChanged
        bool appliedChanged = false;
    };
    enum class StageStep
    {
        Up,
        Down,
        Cycle
    };
    enum class ProfileStep
    {
        Next,
        Previous
    };

    void control(const Report &report, Notifications &out);
    void writeByte(const Report &report);
    void readByte(const Report &report);

    bool stepProfile(ProfileStep step);
    bool stepStage(StageStep step);
    void applyProfile(int profile, Notifications &out);
    void applyStage(StageStep step, Notifications &out);
    void applyButton(int slot, Notifications &out);
    void emitInput(const Report &report, Notifications &out);

    int activeProfileLocked() const;
    int activeStageLocked() const;
    void notify(const Notifications &notifications);

    mutable std::mutex m_mutex;
    Memory m_written{};
    Memory m_applied{};
    Report m_answer{};
    bool m_plugged = true;
    bool m_silent = false;
    std::map<int, FirmwareObserver> m_observers;
    int m_nextObserverId = 1;
    TraceSink m_trace;
};

} // namespace orvex::sim
