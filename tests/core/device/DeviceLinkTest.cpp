// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultyTransport.h"
#include "VirtualMouseFixture.h"

using namespace orvex;
using sim::ReportDirection;
using test::TracedReport;

namespace {
class DeviceLinkTest : public test::VirtualMouseFixture
{
};
} // namespace

TEST_F(DeviceLinkTest, WriteReadAndSelectSendTheDocumentedReports)
{
    OrvexAction::setAdrrData(0xAB, 0x0123);
    OrvexAction::setAdrrData(0x5C, 0x3B40);
    EXPECT_EQ(OrvexAction::getAdrrDataWithAddr(0x3B40), 0x5C);
    OrvexAction::setProfileToDevice(2);

    const auto r = traced();
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(r[0].bytes, bytes({0xDE, 0x23, 0xAB, 0x01}));
    EXPECT_EQ(r[2].direction, ReportDirection::Set);
    EXPECT_EQ(r[2].bytes, bytes({0xDF, 0x40, 0x00, 0x3B}));
    EXPECT_EQ(r[3].direction, ReportDirection::Get);
    EXPECT_EQ(r[3].bytes[1], 0x5C);
    EXPECT_EQ(r[4].bytes, bytes({0xDE, 0x8C, 0x52, 0x00}));
    EXPECT_EQ(r[5].bytes, bytes({0xC4, 0x07, 0x02}));
    EXPECT_EQ(model->activeProfile(), 2);

    OrvexAction::refreshDeviceData();
    OrvexAction::resetDev();
    const auto after = traced();
    EXPECT_EQ(after[6].bytes, bytes({0xC4, 0x00}));
    EXPECT_EQ(after[7].bytes, bytes({0xC4, 0x01}));
}

TEST_F(DeviceLinkTest, RequestsAreAtLeastThePauseApart)
{
    OrvexAction::setProfileToDevice(1);
    OrvexAction::setAdrrData(1, 0x0200); // right after a select, which has no pause of its own
    OrvexAction::getAdrrDataWithAddr(0x0200);
    OrvexAction::refreshDeviceData();

    const auto r = traced();
    std::vector<TracedReport> requests;
    for (const auto &report : r) {
        if (report.direction == ReportDirection::Set)
            requests.push_back(report);
    }
    ASSERT_EQ(requests.size(), 5u);
    for (size_t i = 1; i < requests.size(); ++i)
        EXPECT_GE(requests[i].at - requests[i - 1].at, std::chrono::milliseconds(30)) << i;
    // The answer to a read is fetched only after the pause.
    ASSERT_EQ(r[4].direction, ReportDirection::Get);
    EXPECT_GE(r[4].at - r[3].at, std::chrono::milliseconds(30));
}

TEST_F(DeviceLinkTest, AFailedReadIsNotPassedOffAsData)
{
    withoutPauses();
    EXPECT_TRUE(OrvexAction::readByteChecked(0x3B00).has_value());
    model->unplug();
    EXPECT_FALSE(OrvexAction::checkListenDev());
    EXPECT_FALSE(OrvexAction::readByteChecked(0x3B42).has_value());
    // Not the low address byte left in the buffer by the request.
    EXPECT_EQ(OrvexAction::getAdrrDataWithAddr(0x3B42), 0);
    EXPECT_FALSE(OrvexAction::writeByteChecked(0x0100, 1));
    EXPECT_FALSE(OrvexAction::reloadChecked());
    model->plug();
    EXPECT_TRUE(OrvexAction::checkListenDev());
    EXPECT_TRUE(OrvexAction::writeByteChecked(0x0100, 0x81));
    EXPECT_EQ(OrvexAction::readByteChecked(0x0100), 0x81);
}

TEST_F(DeviceLinkTest, NothingHappensBeforeListeningStarts)
{
    OrvexAction::sysDeviceReq = nullptr;
    withoutPauses();
    OrvexAction::setAdrrData(0xAB, 0x0123);
    OrvexAction::refreshDeviceData();
    EXPECT_EQ(OrvexAction::getAdrrDataWithAddr(0x0123), 0);
    EXPECT_FALSE(OrvexAction::checkListenDev());
    EXPECT_TRUE(traced().empty());
}

TEST_F(DeviceLinkTest, MacroEventsAreWrittenAndAdvanceTheAddress)
{
    withoutPauses();
    std::uint16_t address = 0x1300;
    OrvexAction::setMacroKeyData(0, 0, &address);   // A down
    OrvexAction::setMacroKeyData(0, 1, &address);   // A up
    OrvexAction::setMacroKeyData(121, 4, &address); // right mouse button up
    EXPECT_EQ(address, 0x1303);
    EXPECT_EQ(model->writtenByte(0x1300), 0x04);
    EXPECT_EQ(model->writtenByte(0x1301), 0x84);
    EXPECT_EQ(model->writtenByte(0x1302), 0xF9);
}

// Another program's request between ours and its answer: the answer names
// another address. It is asked for once more, and never taken as our byte.
TEST_F(DeviceLinkTest, AnAnswerForAnotherAddressIsRetriedOnceThenRefused)
{
    withoutPauses();
    OrvexAction::setAdrrData(0x5C, 0x3B40);
    auto faulty = std::make_unique<test::FaultyTransport>(model);
    test::FaultyTransport *cable = faulty.get();
    WexHIDComFunction::shareDeviceReq()->setTransport(std::move(faulty));

    cable->misaddressAnswers(1);
    EXPECT_EQ(OrvexAction::readByteChecked(0x3B40), 0x5C);
    cable->misaddressAnswers(2);
    EXPECT_FALSE(OrvexAction::readByteChecked(0x3B40).has_value());
    EXPECT_EQ(OrvexAction::readByteChecked(0x3B40), 0x5C);
}
