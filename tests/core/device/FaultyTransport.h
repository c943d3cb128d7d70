// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FirmwareModel.h"
#include "InProcessTransport.h"

#include <functional>
#include <memory>

namespace orvex::test {

// The in-process virtual mouse behind a cable with faults a test arranges:
// one report that does not go through, or answers that come back for another
// request, as when a second program talks to the mouse at the same time.
class FaultyTransport : public Transport
{
public:
    explicit FaultyTransport(std::shared_ptr<sim::FirmwareModel> model)
        : m_inner(model), m_model(std::move(model))
    {
    }

    // The `n`-th SET from now (1 = the next one) fails once; the mouse never
    // sees it.
    void failSetNumber(int n) { m_setsBeforeFailure = n; }
    // The next `count` answers to a GET name another address.
    void misaddressAnswers(int count) { m_misaddressed = count; }
    // Called before every SET reaches the mouse.
    std::function<void(const Report &)> beforeSet;

    bool open() override { return m_inner.open(); }
    void close() override { m_inner.close(); }
    bool isPresent() override { return m_inner.isPresent(); }
    bool sendFeatureReport(const Report &report) override
    {
        if (beforeSet)
            beforeSet(report);
        if (m_setsBeforeFailure > 0 && --m_setsBeforeFailure == 0)
            return false;
        return m_inner.sendFeatureReport(report);
    }
    bool getFeatureReport(Report &report) override
    {
        if (!m_inner.getFeatureReport(report))
            return false;
        if (m_misaddressed > 0) {
            --m_misaddressed;
            report[2] ^= 0x01;
        }
        return true;
    }
    QString describe() const override { return m_inner.describe(); }

private:
    sim::InProcessTransport m_inner;
    std::shared_ptr<sim::FirmwareModel> m_model;
    int m_setsBeforeFailure = 0;
    int m_misaddressed = 0;
};

} // namespace orvex::test
