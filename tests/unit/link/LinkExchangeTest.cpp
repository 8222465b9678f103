#include <cstring>
#include <vector>

#include "link/LinkFixture.h"

namespace wendox::testing {
namespace {

class LinkExchangeTest : public LinkFixture {
protected:
    void SetUp() override { Open(); }

    std::vector<std::uint8_t> Block() const { return {link.view, link.view + kBlockSize}; }
};

TEST_F(LinkExchangeTest, WriteRecordIsLaidOutByteForByteWithNothingOldBehindIt) {
    // A longer queue sent before: none of its records may stay behind the
    // new one, even before the new queue is sent.
    std::uint32_t before[3];
    for (std::uint32_t& value : before) ASSERT_TRUE(LinkRead(link, simvar::GearControl.offset, 4, &value, result));
    ASSERT_TRUE(LinkProcess(link, result));

    const std::uint16_t on = 1;
    ASSERT_TRUE(LinkWrite(link, simvar::SlewMode.offset, 2, &on, result));
    const std::uint8_t expected[] = {2, 0, 0, 0, 0xDC, 0x05, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(link.view, expected, sizeof expected), 0);
    ASSERT_TRUE(LinkProcess(link, result));
    ASSERT_GE(os.lastBlockSent.size(), sizeof expected);
    EXPECT_EQ(std::memcmp(os.lastBlockSent.data(), expected, sizeof expected), 0);
    EXPECT_EQ(server.Value(simvar::SlewMode), 1u);
}

TEST_F(LinkExchangeTest, ReadsAndWritesTravelInOneExchange) {
    const std::uint32_t gearUp = 0;
    std::uint16_t engines = 0;
    std::int32_t gear = -1;
    ASSERT_TRUE(LinkWrite(link, simvar::GearControl.offset, 4, &gearUp, result));
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));
    ASSERT_TRUE(LinkRead(link, simvar::GearControl.offset, 4, &gear, result));
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(result, LinkResult::Ok);
    EXPECT_EQ(engines, 2);
    EXPECT_EQ(gear, 0);  // records are worked through in order
    EXPECT_EQ(os.sends, 1u);
    EXPECT_EQ(link.next, link.view);
}

TEST_F(LinkExchangeTest, RecordEndingExactlyAtTheLimitFitsAndOneByteMoreDoesNot) {
    std::vector<std::uint8_t> data(kUsableBlockBytes, 0xAB);
    std::uint32_t small = 0;
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 4, &small, result));  // 20 bytes used
    const std::uint32_t exact = kUsableBlockBytes - 20 - kWriteHeaderSize - kEndMarkerSize;

    const std::vector<std::uint8_t> before = Block();
    std::uint8_t* const nextBefore = link.next;
    EXPECT_FALSE(LinkWrite(link, 0x4000, exact + 1, data.data(), result));
    EXPECT_EQ(result, LinkResult::BlockFull);
    EXPECT_FALSE(LinkRead(link, 0x4000, exact - 3, nullptr, result));  // 16-byte header: one over
    EXPECT_EQ(result, LinkResult::BlockFull);
    EXPECT_FALSE(LinkWrite(link, 0x4000, 0xFFFFFFF8u, data.data(), result));  // no wrap-around
    EXPECT_EQ(result, LinkResult::BlockFull);
    EXPECT_EQ(link.next, nextBefore);
    EXPECT_EQ(Block(), before);

    ASSERT_TRUE(LinkWrite(link, 0x4000, exact, data.data(), result));
    EXPECT_EQ(link.next - link.view, kUsableBlockBytes - kEndMarkerSize);
    EXPECT_FALSE(LinkWrite(link, 0x4000, 0, data.data(), result));
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(small, 2u);
}

TEST_F(LinkExchangeTest, QueueAndSendRefuseWithoutChangingAnything) {
    EXPECT_FALSE(LinkProcess(link, result));
    EXPECT_EQ(result, LinkResult::NothingQueued);
    EXPECT_EQ(os.sends, 0u);

    LinkClose(link);
    std::uint32_t value = 0;
    EXPECT_FALSE(LinkRead(link, 0, 4, &value, result));
    EXPECT_EQ(result, LinkResult::NotOpen);
    EXPECT_FALSE(LinkWrite(link, 0, 4, &value, result));
    EXPECT_EQ(result, LinkResult::NotOpen);
    EXPECT_FALSE(LinkProcess(link, result));
    EXPECT_EQ(result, LinkResult::NotOpen);
    EXPECT_EQ(os.sends, 0u);
}

TEST_F(LinkExchangeTest, ReadWithoutDestinationOrSizeIsSentButKeptNowhere) {
    std::uint32_t zeroSized = 0xCAFEF00D;
    std::uint16_t engines = 0;
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, nullptr, result));
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 0, &zeroSized, result));
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(zeroSized, 0xCAFEF00Du);
    EXPECT_EQ(engines, 2);
    std::uint16_t sentValue;
    std::memcpy(&sentValue, link.view + kReadHeaderSize, 2);  // the server filled the first record
    EXPECT_EQ(sentValue, 2);
}

TEST_F(LinkExchangeTest, WriteDataAreTakenWhenQueued) {
    std::uint32_t flaps = 100;
    ASSERT_TRUE(LinkWrite(link, simvar::FlapsControl.offset, 4, &flaps, result));
    flaps = 999;
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(server.Value(simvar::FlapsControl), 100u);
    const auto writes = server.WritesTo(simvar::FlapsControl);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].Value(), 100u);
}

TEST_F(LinkExchangeTest, SendIsRetriedUpToFortyTimes) {
    std::uint16_t engines = 0;
    for (std::uint32_t failures : {1u, 40u}) {
        SCOPED_TRACE(failures);
        os.sends = 0;
        os.pauses.clear();
        os.failedSendsBeforeSuccess = failures;
        ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));
        EXPECT_TRUE(LinkProcess(link, result));
        EXPECT_EQ(result, LinkResult::Ok);
        EXPECT_EQ(os.sends, failures + 1);
        EXPECT_EQ(os.pauses, std::vector<std::uint32_t>(failures, 100));
        EXPECT_EQ(engines, 2);
    }
}

TEST_F(LinkExchangeTest, SendThatNeverSucceedsReportsTheLastError) {
    for (std::uint32_t error : {0u, 1460u}) {
        SCOPED_TRACE(error);
        os.sends = 0;
        os.failedSendsBeforeSuccess = 41;
        os.sendError = error;
        std::uint16_t engines = 77;
        ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));
        EXPECT_FALSE(LinkProcess(link, result));
        EXPECT_EQ(result, error == 0 ? LinkResult::SendTimedOut : LinkResult::SendFailed);
        EXPECT_EQ(os.sends, 41u);
        EXPECT_EQ(engines, 77);             // the destination keeps what it held
        EXPECT_EQ(link.next, link.view);    // the queue is lost, the link stays open
        EXPECT_NE(link.view, nullptr);
    }
}

TEST_F(LinkExchangeTest, ReplyOtherThanOneIsRejected) {
    server.SetMisbehaviour({.answer = 2});
    std::uint16_t engines = 77;
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));
    EXPECT_FALSE(LinkProcess(link, result));
    EXPECT_EQ(result, LinkResult::ReplyRejected);
    EXPECT_EQ(engines, 77);
}

}  // namespace
}  // namespace wendox::testing
