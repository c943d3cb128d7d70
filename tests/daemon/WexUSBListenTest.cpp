// SPDX-License-Identifier: GPL-3.0-or-later
// The listener between an event source and its handler: start-up order,
// reports, and the status posted on arrival and removal.
#include "EventLineRecorder.h"

#include "DeviceEventSource.h"
#include "WexUSBDealwithObj.h"
#include "WexUSBListen.h"

#include "messaging/NotificationNames.h"

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

// A source the test drives by hand.
class ManualSource : public DeviceEventSource
{
public:
    explicit ManualSource(bool present) : m_present(present) {}
    bool start(Callbacks callbacks) override
    {
        this->callbacks = std::move(callbacks);
        return m_present;
    }
    QString describe() const override { return QStringLiteral("manual"); }
    void setPaused(bool) override {}
    Callbacks callbacks;

private:
    bool m_present;
};

class RecordingHandler : public WexUSBDealwithObj
{
public:
    bool openDeviceWhenAdd() override { return false; }
    QString notifyDevStatusStr() override { return QLatin1String(notify::DevStatus); }
    void andDevPro() override { calls << QStringLiteral("add %1").arg(isOnDev()); }
    void removeDevPro() override { calls << QStringLiteral("remove %1").arg(isOnDev()); }
    void didEndInit() override { calls << QStringLiteral("init %1").arg(isOnDev()); }
    void dealWithMsg(const Report &report) override
    {
        calls << QStringLiteral("report %1").arg(report[0], 0, 16);
    }
    QStringList calls;
};

class WexUSBListenTest : public ::testing::Test
{
protected:
    ManualSource *listen(bool present)
    {
        auto handler = std::make_unique<RecordingHandler>();
        this->handler = handler.get();
        auto source = std::make_unique<ManualSource>(present);
        ManualSource *manual = source.get();
        listener->setSelDealMessage(std::move(handler));
        listener->setEventSource(std::move(source));
        EXPECT_TRUE(listener->beginListen());
        return manual;
    }
    void TearDown() override { listener->resetState(); }

    WexUSBListen *listener = WexUSBListen::shareUsbListen();
    RecordingHandler *handler = nullptr;
    EventLineRecorder recorder;
};

TEST_F(WexUSBListenTest, HandlerLearnsThePresenceAtStartAndHearsEveryReport)
{
    ManualSource *source = listen(true);
    source->callbacks.report(Report{0xA4, 0x01, 0x10});
    EXPECT_EQ(handler->calls, (QStringList{QStringLiteral("init 1"), QStringLiteral("report a4")}));
    EXPECT_TRUE(recorder.actions().isEmpty());
}

TEST_F(WexUSBListenTest, RemovalAndArrivalReachTheHandlerThenThePostedStatus)
{
    ManualSource *source = listen(false);
    source->callbacks.presence(true);
    source->callbacks.presence(false);
    EXPECT_EQ(handler->calls, (QStringList{QStringLiteral("init 0"), QStringLiteral("add 1"),
                                           QStringLiteral("remove 0")}));
    EXPECT_EQ(recorder.actions(),
              (QStringList{QStringLiteral("STATUS 101"), QStringLiteral("STATUS 100")}));
}

TEST_F(WexUSBListenTest, ListeningNeedsAHandler)
{
    EXPECT_FALSE(listener->beginListen());
}

} // namespace
} // namespace orvex::test
