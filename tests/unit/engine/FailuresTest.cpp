#include "engine/EngineFixture.h"

namespace wendox::testing {
namespace {

using FailuresTest = EngineFixture;

// Each control owns a bit of the disconnect byte and each engine a bit of
// the engine flag byte; every pass writes the bits of all in force. A
// disconnect bit is dropped by the next pass (and the byte no longer written
// once none is held), an engine's bit at once by writing 0.
TEST_F(FailuresTest, SharedBytesCarryEveryFailureInForce) {
    StartUp();
    const Id pairs[4][2] = {{kAileron, kEngine1Fail}, {kElevator, kEngine2Fail}, {kRudder, kEngine3Fail},
                            {kThrottle, kEngine4Fail}};
    std::string bytes;  // "disconnect/engines" after each step
    auto note = [&] {
        bytes += std::to_string(server.Value({0x310A, 1})) + "/" + std::to_string(server.Value({0x0B6B, 1})) + " ";
    };
    for (const auto& pair : pairs) {
        for (Id id : pair) Fail(id);
        ApplyFailures(state);
        note();
    }
    for (const auto& pair : pairs) {
        for (Id id : pair) ClearFailure(state, id.system, id.component);
        note();
        ApplyFailures(state);
        note();
    }
    EXPECT_EQ(bytes, "2/1 3/3 7/7 15/15 15/0 13/14 13/0 12/12 12/0 8/8 8/0 8/0 ");
}

// A pass that cannot queue the stall leaves it, and its 30 passes, to the next.
TEST_F(FailuresTest, EngineStallIsWrittenOnceAndGoneOnTheThirtyFirstPassAfterIt) {
    StartUp();
    Fail(kEngine2Stall);
    LinkClose(state.link);
    ApplyFailures(state);
    state.connected = false;
    Connect(state, true);
    Log();
    for (int pass = 1; pass <= 30; ++pass) ApplyFailures(state);
    ASSERT_EQ(std::pair(Log(), C(kEngine2Stall).failed), std::pair(std::string("0928/2=0"), true));
    ApplyFailures(state);
    EXPECT_EQ(state.failed.count, 0);
}

// The first pass draws the amount: from 5000 to 10000, but from 5000 to
// 50000 when a draw from 1 to 100 is above 80 (both edges seen, every
// amount foreseen exactly). Each later pass takes it from the tank, down to
// 0, and holds it there; only a tank read as empty ends a leak at its start.
TEST_F(FailuresTest, LeakDrawsItsAmountThenDrainsTheTankToZeroAndHoldsItThere) {
    StartUp();
    int edges = 0;  // bit 1: a draw of 80 seen, bit 2: of 81
    std::int32_t amount = 0;
    while (edges != 3) {
        RandomGenerator next = state.random;  // the pass's draws, foreseen
        const std::int32_t chance = next.Number(100, 1, desktop.clockSeconds);
        amount = next.Number(chance > 80 ? 50000 : 10000, 5000, desktop.clockSeconds);
        if (chance == 80 || chance == 81) edges |= chance - 79;
        ClearFailure(state, kTankLeft.system, kTankLeft.component);
        Fail(kTankLeft);
        ApplyFailures(state);
        ASSERT_EQ(state.failed.entries[0].counter, amount) << chance;
    }
    server.SetValue({0x0B7C, 4}, 100000);
    Log();
    ApplyFailures(state);
    server.SetValue({0x0B7C, 4}, amount / 2);
    ApplyFailures(state);
    ApplyFailures(state);
    EXPECT_EQ(Log(), "0B7C/4=" + std::to_string(100000 - amount) + " 0B7C/4=0 0B7C/4=0");

    Fail(kTankCenter);  // the stand-in's centre tank is empty
    server.SetMisbehaviour({.answer = 0});
    ApplyFailures(state);
    EXPECT_EQ(state.failed.count, 2);  // the left tank's leak held at 0, the centre's not ended unread
    server.SetMisbehaviour({});
    ApplyFailures(state);
    EXPECT_EQ(std::pair(state.failed.count, state.failed.entries[0].component), std::pair(1, kTankLeft.component));
}

}  // namespace
}  // namespace wendox::testing
