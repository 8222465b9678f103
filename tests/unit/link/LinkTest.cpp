// The link client against the stand-in server's core through the fake
// operating system.
#include <algorithm>
#include <array>
#include <tuple>

#include <gtest/gtest.h>

#include "link/ByteOrder.h"
#include "standin/core/FlightModel.h"
#include "support/FakeLinkOs.h"

namespace wendox::testing {
namespace {

class LinkTest : public ::testing::Test {
protected:
    LinkTest() {
        standin::StartFlight(server);
        EXPECT_TRUE(LinkOpen(link, 0, result));
    }

    // Whether an operation succeeded, and the result it gave.
    std::pair<bool, LinkResult> Outcome(bool succeeded) const { return {succeeded, result}; }

    standin::ServerCore server;
    FakeLinkOs os{server};
    LinkState link{os};
    LinkResult result = LinkResult::Ok;
};

// Every result of an open, with the sends it took. A failed open holds
// nothing it took from the system, and neither does a closed link.
TEST(LinkOpenResultTest, EachOutcomeHasItsCodeAndLeavesNothingHeld) {
    using R = LinkResult;
    using Step = FakeLinkOs::Step;
    struct Case {
        const char* what;
        R expected;
        std::uint32_t sends;
        standin::Misbehaviour sim = {};
        Step failing = Step::None;
        std::uint32_t serverVersion = 0x34000000, simVersion = 0xFADE0006;  // at 0x3304 and 0x3308
        std::int32_t requested = 0;
        bool running = true, mappingExists = false;
    };
    const Case cases[] = {
        {.what = "no server", .expected = R::ServerNotFound, .sends = 0, .running = false},
        {"registration", R::MessageNotRegistered, 0, {}, Step::Register},
        {"atom", R::AtomFailed, 0, {}, Step::Atom},
        {"mapping", R::MappingFailed, 0, {}, Step::Mapping},
        {.what = "mapping of our name exists", .expected = R::MappingFailed, .sends = 0, .mappingExists = true},
        {"view", R::ViewFailed, 0, {}, Step::View},
        {"server negative", R::ServerVersionRejected, 1, {}, Step::None, 0x90000000},
        {"old server, fallback", R::FallbackVersionRejected, 1, {.fallbackClassOnly = true}, Step::None, 0x19980004},
        {"no 0xFADE mark", R::ServerVersionRejected, 1, {}, Step::None, 0x34000000, 0xFADF0006},
        {"server stays 0", R::ServerVersionRejected, 5, {}, Step::None, 0},
        {"sim stays 0", R::ServerVersionRejected, 5, {}, Step::None, 0x34000000, 0},
        {"other sim", R::SimVersionMismatch, 1, {}, Step::None, 0x34000000, 0xFADE0006, 7},
        {"no answer", R::SendTimedOut, 41, {.noAnswer = true}},
        {"lowest server", R::Ok, 1, {}, Step::None, 0x19980005},
        {"fallback class", R::Ok, 1, {.fallbackClassOnly = true}},
        {"0 takes any sim", R::Ok, 1, {}, Step::None, 0x34000000, 0xFADE0009, 0},
        {"requested sim", R::Ok, 1, {}, Step::None, 0x34000000, 0xFADE0006, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        standin::ServerCore server;
        server.SetValue({0x3304, 4}, c.serverVersion);
        server.SetValue({0x3308, 4}, c.simVersion);
        server.SetMisbehaviour(c.sim);
        FakeLinkOs os(server);
        os.failingStep = c.failing;
        os.serverRunning = c.running;
        if (c.mappingExists) os.CreateMapping("FSASMLIB:IPC:1A2B:1", kBlockSize);  // the fake's process id
        LinkState link(os);
        LinkResult result = R::Ok;
        const bool opened = LinkOpen(link, c.requested, result);
        EXPECT_EQ(std::tuple(opened, result, os.sends), std::tuple(c.expected == R::Ok, c.expected, c.sends));
        if (opened) LinkClose(link);
        EXPECT_TRUE(link.message == 0 && link.atom == 0 && link.mapping == 0 && os.Held() == (c.mappingExists ? 1 : 0));
    }
}

// An earlier, longer exchange left its bytes in the block. Each record is
// laid out over them with the end marker behind it before anything is sent:
// a write's data as they were when queued, a read's data area cleared, its
// destination field the client's own reference (the record's place counted
// from 1), 0 for a value kept nowhere.
TEST_F(LinkTest, RecordsAreLaidOutByteForByteAndRefusalsChangeNothing) {
    const std::vector<std::uint8_t> data(32512, 0xFF);
    ASSERT_TRUE(LinkWrite(link, 0x4000, 48, data.data(), result));  // data in bytes 12 to 59
    ASSERT_TRUE(LinkProcess(link, result));

    std::uint16_t on = 1;
    std::uint32_t value = 0;
    ASSERT_TRUE(LinkWrite(link, 0x05DC, 2, &on, result));
    on = 0;
    EXPECT_EQ(GetU32(link.view + 14), 0u);  // the end marker already behind the write
    ASSERT_TRUE(LinkRead(link, 0x4000, 4, &value, result));
    ASSERT_TRUE(LinkRead(link, 0x4000, 2, nullptr, result));
    const std::vector<std::uint8_t> expected = {
        2, 0, 0, 0, 0xDC, 0x05, 0, 0, 2, 0, 0, 0, 1, 0,                 // write 0x05DC, 2 bytes: 1
        1, 0, 0, 0, 0, 0x40, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,  // read 0x4000, 4 bytes, reference 2
        1, 0, 0, 0, 0, 0x40, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // 2 bytes kept nowhere, end
    EXPECT_EQ(std::vector(link.view, link.view + expected.size()), expected);
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(std::pair(server.Value({0x05DC, 2}), value), std::pair(std::uint64_t{1}, 0xFFFFFFFFu));

    // Refusals change nothing in the block: a second open (which keeps the
    // link), an empty queue, a record one byte over the limit (no size wraps
    // round 32 bits), a closed link. A record ending exactly at the limit fits.
    EXPECT_EQ(Outcome(LinkOpen(link, 0, result)), std::pair(false, LinkResult::AlreadyOpen));
    EXPECT_EQ(Outcome(LinkProcess(link, result)), std::pair(false, LinkResult::NothingQueued));
    ASSERT_TRUE(LinkRead(link, 0x0AEC, 4, &value, result));  // 20 bytes used
    const std::uint32_t exact = 32512 - 20 - 12 - 4;  // a write's header is 12 bytes, the end marker 4
    const std::vector<std::uint8_t> before(link.view, link.view + kBlockSize);

    EXPECT_EQ(Outcome(LinkWrite(link, 0, exact + 1, data.data(), result)), std::pair(false, LinkResult::BlockFull));
    // A read's header is 16 bytes.
    EXPECT_EQ(Outcome(LinkRead(link, 0x4000, exact - 3, nullptr, result)), std::pair(false, LinkResult::BlockFull));
    EXPECT_EQ(Outcome(LinkWrite(link, 0, 0xFFFFFFF8u, data.data(), result)), std::pair(false, LinkResult::BlockFull));
    EXPECT_EQ(std::vector<std::uint8_t>(link.view, link.view + kBlockSize), before);

    ASSERT_TRUE(LinkWrite(link, 0x4000, exact, data.data(), result));
    ASSERT_TRUE(LinkProcess(link, result));
    LinkClose(link);
    EXPECT_EQ(Outcome(LinkWrite(link, 0, 4, &value, result)), std::pair(false, LinkResult::NotOpen));
    EXPECT_EQ(Outcome(LinkProcess(link, result)), std::pair(false, LinkResult::NotOpen));
}

// One attempt and up to 40 retries 100 ms apart; the first success ends them,
// the last error names the failure. The reply is written by another process:
// a result other than 1, or any header changed, rejects it whole and touches
// no variable (a 2-byte one between guards: a size grown by the server must
// not make the client write past it; a destination changed to the second
// record's must not send a value there). Either way the link goes on.
TEST_F(LinkTest, ExchangeIsRetriedFortyTimesAndABadReplyTouchesNoVariable) {
    using R = LinkResult;
    using T = standin::HeaderTamper;
    // Sends that fail, the last error, what the server does to the reply, the result.
    const std::tuple<std::uint32_t, std::uint32_t, standin::Misbehaviour, R> cases[] = {
        {0, 0, {.answer = 2}, R::ReplyRejected},          {0, 0, {.tamper = T::Kind}, R::ReplyRejected},
        {0, 0, {.tamper = T::Offset}, R::ReplyRejected},  {0, 0, {.tamper = T::Size}, R::ReplyRejected},
        {0, 0, {.tamper = T::Destination}, R::ReplyRejected}, {0, 0, {.tamper = T::EndMarker}, R::ReplyRejected},
        {40, 0, {}, R::Ok}, {41, 0, {}, R::SendTimedOut}, {41, 1460, {}, R::SendFailed}};
    for (const auto& [failures, error, bad, expected] : cases) {
        SCOPED_TRACE(::testing::Message() << failures << " " << bad.answer << " " << static_cast<int>(bad.tamper));
        os.sends = 0;
        os.pauses.clear();
        os.failedSends = failures;
        os.sendError = error;
        server.SetMisbehaviour(bad);
        std::array<std::uint16_t, 5> guarded = {0x5A5A, 0x5A5A, 0x7777, 0xA5A5, 0xA5A5};
        std::uint32_t gear = 0x12345678;
        ASSERT_TRUE(LinkRead(link, 0x0AEC, 2, &guarded[2], result));
        ASSERT_TRUE(LinkRead(link, 0x0BE8, 4, &gear, result));
        const bool ok = LinkProcess(link, result);
        EXPECT_EQ(std::tuple(ok, result, os.sends), std::tuple(expected == R::Ok, expected, std::min(failures + 1, 41u)));
        EXPECT_EQ(os.pauses, std::vector<std::uint32_t>(std::min(failures, 40u), 100));
        const std::uint16_t engines = ok ? 2 : 0x7777;
        EXPECT_EQ(guarded, (std::array<std::uint16_t, 5>{0x5A5A, 0x5A5A, engines, 0xA5A5, 0xA5A5}));
        EXPECT_EQ(gear, ok ? 16383u : 0x12345678u);
        EXPECT_TRUE(link.next == link.view && IsOpen(link));  // the queue is emptied, the link stays open
    }
}

}  // namespace
}  // namespace wendox::testing
