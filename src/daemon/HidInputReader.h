// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidApi.h"
#include "device/Transport.h"

#include <QByteArray>
#include <QObject>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

namespace orvex {

// One thread reading the input reports of one hidraw node. It blocks in
// hid_read_timeout without a timeout, so it costs nothing while the mouse is
// quiet, and ends by itself when the read fails (the node went away).
//
// Reports and the end are handed to `receiver`'s thread through queued calls
// of the given functions; after stop(), or once the receiver is destroyed,
// nothing more is delivered. hidapi cannot interrupt a blocking read, so a
// thread still blocked when its reader is stopped lets go of its node at the
// next report (which it drops) or at the node's removal, or ends with the
// process; it owns its device handle and touches nothing else.
class HidInputReader
{
public:
    using ReportFunction = std::function<void(const Report &report)>;
    using EndFunction = std::function<void(const QByteArray &path)>;

    // Largest input report read at once; the agent looks at the first 8 bytes.
    static constexpr std::size_t ReadBufferSize = 64;

    // Opens `path` and starts the thread; answers null when the node cannot
    // be opened.
    static std::unique_ptr<HidInputReader> start(const HidApi &api, const QByteArray &path,
                                                 QObject *receiver, ReportFunction onReport,
                                                 EndFunction onEnd);
    ~HidInputReader();

    HidInputReader(const HidInputReader &) = delete;
    HidInputReader &operator=(const HidInputReader &) = delete;

    void stop();
    QByteArray path() const { return m_path; }

private:
    struct Shared;
    HidInputReader(QByteArray path, std::shared_ptr<Shared> shared);
    static void run(std::shared_ptr<Shared> shared);
    static std::optional<Report> reportOf(const unsigned char *data, int length);

    QByteArray m_path;
    std::shared_ptr<Shared> m_shared;
};

} // namespace orvex
