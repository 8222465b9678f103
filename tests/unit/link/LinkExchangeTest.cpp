#include <algorithm>
#include <cstring>

#include "link/LinkFixture.h"

namespace wendox::testing {
namespace {

class LinkExchangeTest : public LinkFixture {
protected:
    void SetUp() override { Open(); }
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

// An earlier exchange left its bytes where the read's data area now lies.
TEST_F(LinkExchangeTest, ReadDataAreaReachesTheServerCleared) {
    const std::uint64_t dirty = ~std::uint64_t{0};
    ASSERT_TRUE(LinkWrite(link, 0x4000, 8, &dirty, result));  // data in bytes 12 to 19
    ASSERT_TRUE(LinkProcess(link, result));
    std::uint32_t value = 0;
    ASSERT_TRUE(LinkRead(link, 0x4000, 4, &value, result));  // data area in bytes 16 to 19
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(GetU32(&os.lastBlockSent[16]), 0u);
}

TEST_F(LinkExchangeTest, RecordEndingExactlyAtTheLimitFitsAndOneByteMoreDoesNot) {
    std::vector<std::uint8_t> data(32512, 0xAB);
    std::uint32_t small = 0;
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 4, &small, result));  // 20 bytes used
    const std::uint32_t exact = 32512 - 20 - 12 - 4;  // a write's header is 12 bytes, the end marker 4
    const std::vector<std::uint8_t> before(link.view, link.view + kBlockSize);

    const LinkResult full = LinkResult::BlockFull;
    EXPECT_TRUE(Refused(LinkWrite(link, 0x4000, exact + 1, data.data(), result), full));
    EXPECT_TRUE(Refused(LinkRead(link, 0x4000, exact - 3, nullptr, result), full));  // a read's header is 16 bytes
    EXPECT_TRUE(Refused(LinkWrite(link, 0x4000, 0xFFFFFFF8u, data.data(), result), full));  // no 32-bit wrap
    EXPECT_TRUE(Refused(LinkRead(link, 0x4000, 0xFFFFFFF4u, nullptr, result), full));
    EXPECT_EQ(link.next - link.view, 20);
    EXPECT_EQ(std::vector<std::uint8_t>(link.view, link.view + kBlockSize), before);

    ASSERT_TRUE(LinkWrite(link, 0x4000, exact, data.data(), result));
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(small, 2u);
}

TEST_F(LinkExchangeTest, EmptyQueueOrClosedLinkIsRefusedAndSendsNothing) {
    EXPECT_TRUE(Refused(LinkProcess(link, result), LinkResult::NothingQueued));
    LinkClose(link);
    std::uint32_t value = 0;
    EXPECT_TRUE(Refused(LinkRead(link, 0, 4, &value, result), LinkResult::NotOpen));
    EXPECT_TRUE(Refused(LinkWrite(link, 0, 4, &value, result), LinkResult::NotOpen));
    EXPECT_TRUE(Refused(LinkProcess(link, result), LinkResult::NotOpen));
    EXPECT_EQ(os.sends, 0u);
}

// A write's data are taken when it is queued; the records are worked
// through in order; a read with no destination or no size is sent but its
// value is kept nowhere.
TEST_F(LinkExchangeTest, ReadsAndWritesTravelInOrderInOneExchange) {
    std::uint32_t gearUp = 0, zeroSized = 0xCAFEF00D;
    std::uint16_t engines = 0;
    std::int32_t gear = -1;
    ASSERT_TRUE(LinkWrite(link, simvar::GearControl.offset, 4, &gearUp, result));      // bytes 0 to 15
    gearUp = 999;
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, nullptr, result));      // bytes 16 to 33
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 0, &zeroSized, result));  // bytes 34 to 49
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));    // bytes 50 to 67
    ASSERT_TRUE(LinkRead(link, simvar::GearControl.offset, 4, &gear, result));
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(os.sends, 1u);
    EXPECT_EQ(GetU32(&os.lastBlockSent[28]), 0u);  // no destination
    EXPECT_EQ(GetU32(&os.lastBlockSent[34]), 1u);
    EXPECT_EQ(GetU32(&os.lastBlockSent[50]), 1u);
    EXPECT_EQ(zeroSized, 0xCAFEF00Du);
    EXPECT_EQ(engines, 2);
    EXPECT_EQ(gear, 0);
}

// One attempt and up to 40 retries 100 ms apart; the first success ends them.
TEST_F(LinkExchangeTest, SendIsRetriedFortyTimesThenFailsByTheLastError) {
    struct Case {
        std::uint32_t failures, error;
        LinkResult expected;
    };
    for (const Case c : {Case{1, 0, LinkResult::Ok}, Case{40, 0, LinkResult::Ok},
                         Case{41, 0, LinkResult::SendTimedOut}, Case{41, 1460, LinkResult::SendFailed}}) {
        SCOPED_TRACE(c.failures);
        os.sends = 0;
        os.pauses.clear();
        os.failedSends = c.failures;
        os.sendError = c.error;
        std::uint16_t engines = 77;
        ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));
        EXPECT_EQ(LinkProcess(link, result), c.expected == LinkResult::Ok);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(os.sends, std::min(c.failures + 1, 41u));
        EXPECT_EQ(os.pauses, std::vector<std::uint32_t>(std::min(c.failures, 40u), 100));
        EXPECT_EQ(engines, c.expected == LinkResult::Ok ? 2 : 77);
        EXPECT_EQ(link.next, link.view);  // the queue is emptied, the link stays open
        EXPECT_TRUE(IsOpen(link));
    }
}

}  // namespace
}  // namespace wendox::testing
