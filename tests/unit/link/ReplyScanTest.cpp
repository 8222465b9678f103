// The reply is written by another process: nothing read back from it is
// trusted beyond what was queued.
#include <array>
#include <cstring>

#include "link/LinkFixture.h"

namespace wendox::testing {
namespace {

class ReplyScanTest : public LinkFixture, public ::testing::WithParamInterface<standin::HeaderTamper> {};

TEST_P(ReplyScanTest, ChangedHeaderRejectsTheReplyAndTouchesNoVariable) {
    Open();
    // A 2-byte variable between canaries: a server that grows the size must
    // not make the client write past it.
    struct {
        std::array<std::uint8_t, 8> before;
        std::uint16_t engines;
        std::array<std::uint8_t, 8> after;
    } guarded{};
    guarded.before.fill(0x5A);
    guarded.after.fill(0xA5);
    guarded.engines = 0x7777;
    std::uint32_t gear = 0x12345678;

    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &guarded.engines, result));
    ASSERT_TRUE(LinkRead(link, simvar::GearControl.offset, 4, &gear, result));
    server.SetMisbehaviour({.tamper = GetParam()});
    result = LinkResult::Ok;  // as the queue calls left it
    EXPECT_FALSE(LinkProcess(link, result));

    EXPECT_EQ(result, LinkResult::ReplyRejected);
    EXPECT_EQ(link.next, link.view);
    EXPECT_EQ(guarded.engines, 0x7777);
    EXPECT_EQ(gear, 0x12345678u);
    for (std::uint8_t b : guarded.before) EXPECT_EQ(b, 0x5A);
    for (std::uint8_t b : guarded.after) EXPECT_EQ(b, 0xA5);

    // The link goes on working once the server behaves.
    server.SetMisbehaviour({});
    ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &guarded.engines, result));
    EXPECT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(guarded.engines, 2);
}

INSTANTIATE_TEST_SUITE_P(EveryField, ReplyScanTest,
                         ::testing::Values(standin::HeaderTamper::Kind, standin::HeaderTamper::Offset,
                                           standin::HeaderTamper::Size, standin::HeaderTamper::Destination,
                                           standin::HeaderTamper::EndMarker));

// Direct checks of the scan on a hand-made reply, including a destination
// reference that points at another pending record.
TEST(DeliverReplyTest, DestinationSwappedBetweenRecordsIsRejected) {
    std::array<std::uint8_t, 64> view{};
    PendingTable table;
    std::uint32_t a = 1, b = 2;
    std::uint8_t* at = QueueReadRecord(view.data(), table, 0x10, 4, &a);
    at = QueueReadRecord(at, table, 0x20, 4, &b);
    PutEndMarker(at);
    std::memcpy(view.data() + 16, "\x11\x11\x11\x11", 4);
    std::memcpy(view.data() + 36, "\x22\x22\x22\x22", 4);

    std::array<std::uint8_t, 64> swapped = view;
    std::memcpy(swapped.data() + 12, view.data() + 32, 4);
    std::memcpy(swapped.data() + 32, view.data() + 12, 4);
    EXPECT_FALSE(DeliverReply(swapped.data(), table.records.data(), table.count));
    EXPECT_EQ(a, 1u);

    EXPECT_TRUE(DeliverReply(view.data(), table.records.data(), table.count));
    EXPECT_EQ(a, 0x11111111u);
    EXPECT_EQ(b, 0x22222222u);
}

}  // namespace
}  // namespace wendox::testing
