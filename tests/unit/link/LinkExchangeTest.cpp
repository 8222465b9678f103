#include <algorithm>
#include <tuple>

#include "link/LinkFixture.h"

namespace wendox::testing {
namespace {

class LinkExchangeTest : public LinkFixture {
protected:
    void SetUp() override { Open(); }
};

// An earlier, longer exchange left its bytes in the block. Each record is
// laid out over them with the end marker behind it before anything is sent:
// a write's data as they were when queued, a read's data area cleared, its
// destination field the client's own reference (the record's place counted
// from 1), 0 for a value kept nowhere.
TEST_F(LinkExchangeTest, RecordsAreLaidOutByteForByteOverWhatAnEarlierExchangeLeft) {
    const std::vector<std::uint8_t> dirty(48, 0xFF);
    ASSERT_TRUE(LinkWrite(link, 0x4000, 48, dirty.data(), result));  // data in bytes 12 to 59
    ASSERT_TRUE(LinkProcess(link, result));

    std::uint16_t on = 1;
    std::uint32_t value = 0;
    ASSERT_TRUE(LinkWrite(link, simvar::SlewMode.offset, 2, &on, result));
    on = 0;
    EXPECT_EQ(GetU32(link.view + 14), 0u);  // the end marker already behind the write
    ASSERT_TRUE(LinkRead(link, 0x4000, 4, &value, result));
    ASSERT_TRUE(LinkRead(link, 0x4000, 2, nullptr, result));
    const std::vector<std::uint8_t> expected = {
        2, 0, 0, 0, 0xDC, 0x05, 0, 0, 2, 0, 0, 0, 1, 0,                 // write 0x05DC, 2 bytes: 1
        1, 0, 0, 0, 0, 0x40, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,  // read 0x4000, 4 bytes, reference 2
        1, 0, 0, 0, 0, 0x40, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // 2 bytes kept nowhere, end
    const auto laidOut = [&](const std::uint8_t* block) { return std::vector(block, block + expected.size()); };
    EXPECT_EQ(laidOut(link.view), expected);
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(laidOut(os.lastBlockSent.data()), expected);
    EXPECT_EQ(server.Value(simvar::SlewMode), 1u);
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

// Refusals change nothing in the block and send nothing: an empty queue, a
// record one byte over the limit (no size wraps round 32 bits), a closed
// link. A record ending exactly at the limit fits.
TEST_F(LinkExchangeTest, RefusalsChangeNothingAndARecordEndingExactlyAtTheLimitFits) {
    EXPECT_TRUE(Refused(LinkProcess(link, result), LinkResult::NothingQueued));
    std::vector<std::uint8_t> data(32512, 0xAB);
    std::uint32_t small = 0;
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 4, &small, result));  // 20 bytes used
    const std::uint32_t exact = 32512 - 20 - 12 - 4;  // a write's header is 12 bytes, the end marker 4
    const std::vector<std::uint8_t> before(link.view, link.view + kBlockSize);

    const LinkResult full = LinkResult::BlockFull;
    EXPECT_TRUE(Refused(LinkWrite(link, 0x4000, exact + 1, data.data(), result), full));
    EXPECT_TRUE(Refused(LinkRead(link, 0x4000, exact - 3, nullptr, result), full));  // a read's header is 16 bytes
    // No 32-bit wrap: reads and writes share the one space rule.
    EXPECT_TRUE(Refused(LinkWrite(link, 0x4000, 0xFFFFFFF8u, data.data(), result), full));
    EXPECT_EQ(std::vector<std::uint8_t>(link.view, link.view + kBlockSize), before);

    ASSERT_TRUE(LinkWrite(link, 0x4000, exact, data.data(), result));
    ASSERT_TRUE(LinkProcess(link, result));
    LinkClose(link);
    EXPECT_TRUE(Refused(LinkRead(link, 0, 4, &small, result), LinkResult::NotOpen));
    EXPECT_TRUE(Refused(LinkWrite(link, 0, 4, &small, result), LinkResult::NotOpen));
    EXPECT_TRUE(Refused(LinkProcess(link, result), LinkResult::NotOpen));
    EXPECT_EQ(os.sends, 1u);
}

// One attempt and up to 40 retries 100 ms apart; the first success ends them.
TEST_F(LinkExchangeTest, SendIsRetriedFortyTimesThenFailsByTheLastError) {
    using R = LinkResult;  // sends that fail, the last error, the result
    for (const auto& [failures, error, expected] : {std::tuple{1u, 0u, R::Ok}, std::tuple{40u, 0u, R::Ok},
                                                    std::tuple{41u, 0u, R::SendTimedOut},
                                                    std::tuple{41u, 1460u, R::SendFailed}}) {
        SCOPED_TRACE(failures);
        os.sends = 0;
        os.pauses.clear();
        os.failedSends = failures;
        os.sendError = error;
        std::uint16_t engines = 77;
        ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &engines, result));
        EXPECT_EQ(LinkProcess(link, result), expected == LinkResult::Ok);
        EXPECT_EQ(result, expected);
        EXPECT_EQ(os.sends, std::min(failures + 1, 41u));
        EXPECT_EQ(os.pauses, std::vector<std::uint32_t>(std::min(failures, 40u), 100));
        EXPECT_EQ(engines, expected == LinkResult::Ok ? 2 : 77);
        EXPECT_EQ(link.next, link.view);  // the queue is emptied, the link stays open
        EXPECT_TRUE(IsOpen(link));
    }
}

}  // namespace
}  // namespace wendox::testing
