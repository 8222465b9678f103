// The link client against the stand-in server's core through the fake
// operating system.
#include <algorithm>
#include <array>
#include <tuple>

#include <gtest/gtest.h>

#include "link/ByteOrder.h"
#include "link/Link.h"
#include "standin/core/FlightModel.h"
#include "support/FakeLinkOs.h"

namespace wendox::testing {
namespace {

class LinkTest : public ::testing::Test {
protected:
    LinkTest() {
        standin::StartFlight(server);
        opened = LinkOpen(link, 0, result);
        os.sends = 0;
    }

    // An operation that failed, and the result it gave.
    ::testing::AssertionResult Refused(bool succeeded, LinkResult code) const {
        if (!succeeded && result == code) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << (succeeded ? "succeeded, result " : "failed, result ") << Code(result);
    }

    standin::ServerCore server;
    FakeLinkOs os{server};
    LinkState link{os};
    LinkResult result = LinkResult::Ok;
    bool opened = false;
};

// One version exchange and its pause; a second open is refused and keeps the link.
TEST_F(LinkTest, OpensOnceHoldingAnAtomAMappingAndAView) {
    EXPECT_TRUE(opened);
    EXPECT_EQ(os.pauses, std::vector<std::uint32_t>{100});
    EXPECT_TRUE(Refused(LinkOpen(link, 0, result), LinkResult::AlreadyOpen));
    EXPECT_EQ(os.Held(), 3);
}

// Every result of an open, with the sends it took. A failed open holds
// nothing it took from the system, and neither does a closed link.
TEST(LinkOpenResultTest, EachOutcomeHasItsCodeAndLeavesNothingHeld) {
    using R = LinkResult;
    using Step = FakeLinkOs::Step;
    struct Case {
        const char* what;
        R expected;
        std::uint32_t sends;
        Step failing = Step::None;
        std::uint32_t serverVersion = 0x34000000, simVersion = 0xFADE0006;  // at 0x3304 and 0x3308
        std::int32_t requested = 0;
        standin::Misbehaviour sim = {};
        bool running = true, mappingExists = false;
    };
    const Case cases[] = {
        {.what = "no server", .expected = R::ServerNotFound, .sends = 0, .running = false},
        {"registration", R::MessageNotRegistered, 0, Step::Register},
        {"atom", R::AtomFailed, 0, Step::Atom},
        {"mapping", R::MappingFailed, 0, Step::Mapping},
        {.what = "mapping of our name exists", .expected = R::MappingFailed, .sends = 0, .mappingExists = true},
        {"view", R::ViewFailed, 0, Step::View},
        {"server one below", R::ServerVersionRejected, 1, Step::None, 0x19980004},
        {"server negative", R::ServerVersionRejected, 1, Step::None, 0x90000000},
        {.what = "old server by fallback class", .expected = R::FallbackVersionRejected, .sends = 1,
         .serverVersion = 0x19980004, .sim = {.fallbackClassOnly = true}},
        {"no 0xFADE mark", R::ServerVersionRejected, 1, Step::None, 0x34000000, 0xFADF0006},
        {"server stays 0", R::ServerVersionRejected, 5, Step::None, 0},
        {"sim stays 0", R::ServerVersionRejected, 5, Step::None, 0x34000000, 0},
        {"other sim", R::SimVersionMismatch, 1, Step::None, 0x34000000, 0xFADE0006, 7},
        {.what = "no answer", .expected = R::SendTimedOut, .sends = 41, .sim = {.noAnswer = true}},
        {.what = "rejected reply", .expected = R::ReplyRejected, .sends = 1, .sim = {.answer = 0}},
        {"lowest server", R::Ok, 1, Step::None, 0x19980005},
        {.what = "fallback class", .expected = R::Ok, .sends = 1, .sim = {.fallbackClassOnly = true}},
        {"0 takes any sim", R::Ok, 1, Step::None, 0x34000000, 0xFADE0009, 0},
        {"requested sim", R::Ok, 1, Step::None, 0x34000000, 0xFADE0006, 6},
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
        const int heldBefore = os.Held();
        LinkState link(os);
        LinkResult result = R::Ok;
        const bool ok = c.expected == R::Ok;
        EXPECT_EQ(LinkOpen(link, c.requested, result), ok);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(os.sends, c.sends);
        if (ok) LinkClose(link);
        EXPECT_TRUE(link.atom == 0 && link.mapping == 0);
        EXPECT_EQ(os.Held(), heldBefore);
    }
}

// An earlier, longer exchange left its bytes in the block. Each record is
// laid out over them with the end marker behind it before anything is sent:
// a write's data as they were when queued, a read's data area cleared, its
// destination field the client's own reference (the record's place counted
// from 1), 0 for a value kept nowhere.
TEST_F(LinkTest, RecordsAreLaidOutByteForByteOverWhatAnEarlierExchangeLeft) {
    const std::vector<std::uint8_t> dirty(48, 0xFF);
    ASSERT_TRUE(LinkWrite(link, 0x4000, 48, dirty.data(), result));  // data in bytes 12 to 59
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
    const auto laidOut = [&](const std::uint8_t* block) { return std::vector(block, block + expected.size()); };
    EXPECT_EQ(laidOut(link.view), expected);
    ASSERT_TRUE(LinkProcess(link, result));
    EXPECT_EQ(laidOut(os.lastBlockSent.data()), expected);
    EXPECT_EQ(server.Value({0x05DC, 2}), 1u);
    EXPECT_EQ(value, 0xFFFFFFFFu);
}

// Refusals change nothing in the block and send nothing: an empty queue, a
// record one byte over the limit (no size wraps round 32 bits), a closed
// link. A record ending exactly at the limit fits.
TEST_F(LinkTest, RefusalsChangeNothingAndARecordEndingExactlyAtTheLimitFits) {
    EXPECT_TRUE(Refused(LinkProcess(link, result), LinkResult::NothingQueued));
    std::vector<std::uint8_t> data(32512, 0xAB);
    std::uint32_t small = 0;
    ASSERT_TRUE(LinkRead(link, 0x0AEC, 4, &small, result));  // 20 bytes used
    const std::uint32_t exact = 32512 - 20 - 12 - 4;  // a write's header is 12 bytes, the end marker 4
    const std::vector<std::uint8_t> before(link.view, link.view + kBlockSize);

    const LinkResult full = LinkResult::BlockFull;
    EXPECT_TRUE(Refused(LinkWrite(link, 0x4000, exact + 1, data.data(), result), full));
    EXPECT_TRUE(Refused(LinkRead(link, 0x4000, exact - 3, nullptr, result), full));  // a read's header is 16 bytes
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
TEST_F(LinkTest, SendIsRetriedFortyTimesThenFailsByTheLastError) {
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
        ASSERT_TRUE(LinkRead(link, 0x0AEC, 2, &engines, result));
        EXPECT_EQ(LinkProcess(link, result), expected == LinkResult::Ok);
        EXPECT_EQ(result, expected);
        EXPECT_EQ(os.sends, std::min(failures + 1, 41u));
        EXPECT_EQ(os.pauses, std::vector<std::uint32_t>(std::min(failures, 40u), 100));
        EXPECT_EQ(engines, expected == LinkResult::Ok ? 2 : 77);
        EXPECT_EQ(link.next, link.view);  // the queue is emptied, the link stays open
        EXPECT_TRUE(IsOpen(link));
    }
}

// The reply is written by another process: a result other than 1, or any
// header changed, rejects it whole, and no variable is touched. A 2-byte
// variable between guards: a server that grows the size must not make the
// client write past it; a destination field changed to the second record's
// must not send a value there. The link goes on once the server behaves.
TEST_F(LinkTest, BadReplyIsRejectedAndTouchesNoVariable) {
    using M = standin::Misbehaviour;
    using T = standin::HeaderTamper;
    for (const M& bad : {M{.answer = 0}, M{.answer = 2}, M{.tamper = T::Kind}, M{.tamper = T::Offset},
                         M{.tamper = T::Size}, M{.tamper = T::Destination}, M{.tamper = T::EndMarker}}) {
        SCOPED_TRACE(::testing::Message() << "answer " << bad.answer << ", tamper " << static_cast<int>(bad.tamper));
        std::array<std::uint16_t, 5> guarded = {0x5A5A, 0x5A5A, 0x7777, 0xA5A5, 0xA5A5};
        const auto untouched = guarded;
        std::uint32_t gear = 0x12345678;
        ASSERT_TRUE(LinkRead(link, 0x0AEC, 2, &guarded[2], result));
        ASSERT_TRUE(LinkRead(link, 0x0BE8, 4, &gear, result));
        server.SetMisbehaviour(bad);
        EXPECT_TRUE(Refused(LinkProcess(link, result), LinkResult::ReplyRejected));
        EXPECT_EQ(guarded, untouched);
        EXPECT_EQ(gear, 0x12345678u);

        server.SetMisbehaviour({});
        ASSERT_TRUE(LinkRead(link, 0x0AEC, 2, &guarded[2], result));
        EXPECT_TRUE(LinkProcess(link, result));
        EXPECT_EQ(guarded[2], 2);
    }
}

}  // namespace
}  // namespace wendox::testing
