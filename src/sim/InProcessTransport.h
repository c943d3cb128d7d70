// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FirmwareModel.h"

#include "device/Transport.h"

#include <memory>

namespace orvex::sim {

// The virtual mouse inside the calling process: every report goes straight to
// a FirmwareModel, with no socket in between. Follows the Transport contract
// the way SocketTransport does: open() answers whether the mouse is plugged
// in and leaves the transport open either way; SET and GET fail before
// open(), after close() and while the mouse is unplugged.
class InProcessTransport : public Transport
{
public:
    // Owns a new model that starts from the factory image.
    InProcessTransport();
    // Shares `model` with the caller.
    explicit InProcessTransport(std::shared_ptr<FirmwareModel> model);
    // Borrows `model`, which must outlive the transport.
    explicit InProcessTransport(FirmwareModel &model);

    FirmwareModel &model() const { return *m_model; }

    bool open() override;
    void close() override;
    bool isPresent() override;
    bool sendFeatureReport(const Report &report) override;
    bool getFeatureReport(Report &report) override;
    QString describe() const override;

private:
    std::shared_ptr<FirmwareModel> m_owned;
    FirmwareModel *m_model;
    bool m_open = false;
};

} // namespace orvex::sim
