#include "engine/EngineFixture.h"

namespace wendox::testing {
namespace {

class FailuresTest : public EngineFixture {
protected:
    void SetUp() override {
        StartUp();
        desktop.played.clear();
    }
};

// Several components share one byte: each pass writes the bits of all in
// force. A disconnect bit is dropped by the next pass, a failure flag at once.
TEST_F(FailuresTest, SharedBytesCarryEveryFailureInForce) {
    using Values = std::vector<std::uint64_t>;
    const Id pairs[2][2] = {{kAileron, kEngine1Fail}, {kRudder, kEngine3Fail}};
    for (const auto& pair : pairs) {
        for (Id id : pair) Fail(id);
        ApplyFailures(s());
    }
    for (const auto& pair : pairs) {
        for (Id id : pair) ClearFailure(s(), id.system, id.component);
        ApplyFailures(s());
    }
    Values disconnect;
    for (const auto& w : server.WritesTo(simvar::ControlDisconnect)) disconnect.push_back(w.Value());
    EXPECT_EQ(disconnect, (Values{2, 6, 6, 4}));
    EXPECT_EQ(NewWrites(simvar::FailEngines), (Values{1, 5, 5, 0, 4, 0}));
}

// A pass that cannot queue the stall leaves it, and its 30 passes, to the next.
TEST_F(FailuresTest, EngineStallIsWrittenOnceAndGoneOnTheThirtyFirstPassAfterIt) {
    Fail(kEngine2Stall);
    LinkClose(s().link);
    ApplyFailures(s());
    s().connected = false;
    Connect(s(), true);
    for (int pass = 1; pass <= 30; ++pass) ApplyFailures(s());
    EXPECT_EQ(NewWrites(simvar::Combustion2), std::vector<std::uint64_t>{0});
    ASSERT_TRUE(C(kEngine2Stall).failed);
    ApplyFailures(s());
    EXPECT_EQ(s().failed.count, 0);
}

// The first pass draws the amount: 5000 to 10000, one time in five 5000 to
// 50000; each later pass takes it from the tank, down to 0, held there; a
// tank empty at the start ends the leak.
TEST_F(FailuresTest, LeakDrawsItsAmountThenDrainsTheTankToZeroAndHoldsItThere) {
    const std::uint64_t full = server.Value(simvar::TankLeft);
    std::int32_t amount = 0, large = 0;
    for (int i = 0; i < 400; ++i) {
        ClearFailure(s(), kTankLeft.system, kTankLeft.component);
        Fail(kTankLeft);
        ApplyFailures(s());
        amount = s().failed.entries[0].counter.value_or(0);
        ASSERT_TRUE(amount >= 5000 && amount <= 50000) << amount;
        large += amount > 10000;
    }
    EXPECT_TRUE(large > 40 && large < 120) << large;
    EXPECT_EQ(server.Value(simvar::TankLeft), full);
    ApplyFailures(s());
    EXPECT_EQ(server.Value(simvar::TankLeft), full - amount);
    server.SetValue(simvar::TankLeft, amount / 2);
    ApplyFailures(s());
    ApplyFailures(s());
    EXPECT_EQ(server.Value(simvar::TankLeft), 0u);
    EXPECT_TRUE(C(kTankLeft).failed);

    // Only a tank read as empty ends a leak at its start, not one left unread.
    Fail(kTankCenter);  // the stand-in's centre tank is empty
    server.SetMisbehaviour({.answer = 0});
    ApplyFailures(s());
    EXPECT_TRUE(C(kTankCenter).failed);
    server.SetMisbehaviour({});
    ApplyFailures(s());
    EXPECT_FALSE(C(kTankCenter).failed);
}

// Clearing one keeps the others' order. Clearing all draws the schedules
// again, and sounds only when not silent and something was cleared. (Its
// refusal under the in-flight lock shows in FlightMonitorTest: a lost link
// clears all, but not under the lock.)
TEST_F(FailuresTest, ClearingOneOrAll) {
    for (Id id : {kApMaster, kRudder, kTransponder}) Fail(id);
    ClearFailure(s(), kRudder.system, kRudder.component);
    ASSERT_EQ(s().failed.count, 2);
    EXPECT_EQ(s().failed.entries[1].system, kTransponder.system);
    EXPECT_FALSE(C(kRudder).failed);

    C(kApMaster).reliability = 50;
    ClearAllFailures(s(), true);
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_NE(C(kApMaster).bandHigh, C(kApMaster).bandLow);
    ClearAllFailures(s(), false);  // nothing to clear
    Fail(kApMaster);
    ClearAllFailures(s(), false);
    EXPECT_EQ(desktop.played, std::vector<std::string>{"\\sound_ok.wav"});
}

}  // namespace
}  // namespace wendox::testing
