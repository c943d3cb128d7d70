// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OrvexAction.h"
#include "device/WexHIDComFunction.h"

#include "FirmwareModel.h"
#include "InProcessTransport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <vector>

namespace orvex::test {

struct TracedReport
{
    sim::ReportDirection direction;
    Report bytes;
    std::chrono::steady_clock::time_point at;
};

// The command channel wired to an in-process virtual mouse whose reports are
// recorded with their time. Starts and ends with clean process-wide state.
class VirtualMouseFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        OrvexAction::resetState();
        model = std::make_shared<sim::FirmwareModel>();
        model->setTraceSink([this](sim::ReportDirection direction, const Report &bytes) {
            std::lock_guard lock(mutex);
            reports.push_back({direction, bytes, std::chrono::steady_clock::now()});
        });
        WexHIDComFunction::shareDeviceReq()->setTransport(
            std::make_unique<sim::InProcessTransport>(model));
        OrvexAction::sysDeviceReq = WexHIDComFunction::shareDeviceReq();
    }

    void TearDown() override { OrvexAction::resetState(); }

    std::vector<TracedReport> traced()
    {
        std::lock_guard lock(mutex);
        return reports;
    }

    // Tests that move many bytes and do not look at timing.
    static void withoutPauses() { OrvexAction::setReportPause(std::chrono::milliseconds(0)); }

    static Report bytes(std::initializer_list<std::uint8_t> values)
    {
        Report report{};
        std::copy(values.begin(), values.end(), report.begin());
        return report;
    }

    std::shared_ptr<sim::FirmwareModel> model;
    std::mutex mutex;
    std::vector<TracedReport> reports;
};

} // namespace orvex::test
