#include "engine/EngineFixture.h"

namespace wendox::testing {
namespace {

class FailuresTest : public EngineFixture {
protected:
    void SetUp() override {
        StartUp();
        server.ClearWrites();
        desktop.played.clear();
    }
};

using Values = std::vector<std::uint64_t>;

TEST_F(FailuresTest, DisconnectBitsAreComposedAndDropOutOneByOne) {
    Fail(kAileron);
    ApplyFailures(s());
    EXPECT_EQ(NewWrites(simvar::ControlDisconnect), Values{2});
    Fail(kRudder);
    ApplyFailures(s());  // each rule-1 entry writes the whole byte
    EXPECT_EQ(NewWrites(simvar::ControlDisconnect), (Values{6, 6}));

    ClearFailure(s(), kAileron.system, kAileron.component);
    EXPECT_EQ(NewWrites(simvar::ControlDisconnect), Values{});  // nothing written by the clear
    ApplyFailures(s());
    EXPECT_EQ(NewWrites(simvar::ControlDisconnect), Values{4});
    ClearFailure(s(), kRudder.system, kRudder.component);
    ApplyFailures(s());
    EXPECT_EQ(NewWrites(simvar::ControlDisconnect), Values{});
}

TEST_F(FailuresTest, EngineFlagsShareOneByteAndClearingWritesZeroAtOnce) {
    Fail(kEngine1Fail);
    Fail(kEngine3Fail);
    Fail(kInstAirspeed);
    ApplyFailures(s());
    EXPECT_EQ(NewWrites(simvar::FailEngines), (Values{5, 5}));
    ApplyFailures(s());
    server.ClearWrites();

    ClearFailure(s(), kEngine1Fail.system, kEngine1Fail.component);
    EXPECT_EQ(NewWrites(simvar::FailEngines), Values{0});
    ApplyFailures(s());
    EXPECT_EQ(NewWrites(simvar::FailEngines), Values{4});
    EXPECT_EQ(server.Value(simvar::FailAirspeed), 1u);
}

TEST_F(FailuresTest, EngineStallIsWrittenOnceAndGoneOnTheThirtyFirstPass) {
    Fail(kEngine2Stall);
    for (int pass = 1; pass <= 30; ++pass) ApplyFailures(s());
    EXPECT_EQ(NewWrites(simvar::Combustion2), Values{0});
    EXPECT_EQ(*s().failed.entries[0].counter, 1);
    ApplyFailures(s());
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_FALSE(C(kEngine2Stall).failed);
}

TEST_F(FailuresTest, LeakDrainsATankToZeroAndHoldsItThere) {
    const std::uint64_t full = server.Value(simvar::TankLeft);
    Fail(kTankLeft);
    ApplyFailures(s());  // the first pass only draws the amount
    ASSERT_TRUE(s().failed.entries[0].counter);
    const std::int32_t amount = *s().failed.entries[0].counter;
    EXPECT_GE(amount, 5000);
    EXPECT_LE(amount, 50000);
    EXPECT_EQ(server.Value(simvar::TankLeft), full);

    ApplyFailures(s());
    EXPECT_EQ(server.Value(simvar::TankLeft), full - amount);
    server.SetValue(simvar::TankLeft, amount / 2);
    ApplyFailures(s());
    EXPECT_EQ(server.Value(simvar::TankLeft), 0u);
    ApplyFailures(s());
    EXPECT_EQ(server.Value(simvar::TankLeft), 0u);
    EXPECT_TRUE(C(kTankLeft).failed);  // stays in force, holding the tank empty
}

TEST_F(FailuresTest, LeakAmountsFollowTheirTwoRanges) {
    int large = 0;
    for (int i = 0; i < 400; ++i) {
        desktop.clockSeconds += 1;
        Fail(kTankLeft);
        ApplyFailures(s());
        const std::int32_t amount = *s().failed.entries[0].counter;
        ASSERT_GE(amount, 5000);
        ASSERT_LE(amount, 50000);
        large += amount > 10000;
        ClearFailure(s(), kTankLeft.system, kTankLeft.component);
    }
    EXPECT_GT(large, 40);  // about one in five draws from the large range
    EXPECT_LT(large, 120);
}

TEST_F(FailuresTest, LeakOnAnEmptyTankEndsAtOnce) {
    Fail(kTankCenter);  // the stand-in's centre tank is empty
    ApplyFailures(s());
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_EQ(NewWrites(simvar::TankCenter), Values{});
}

TEST_F(FailuresTest, LeakWhoseReadFailsSkipsTheTick) {
    const std::uint64_t full = server.Value(simvar::TankLeft);
    Fail(kTankLeft);
    ApplyFailures(s());
    server.SetMisbehaviour({.answer = 0});
    ApplyFailures(s());
    server.SetMisbehaviour({});
    EXPECT_EQ(server.Value(simvar::TankLeft), full);
    EXPECT_TRUE(C(kTankLeft).failed);
}

TEST_F(FailuresTest, ClearingOneTheNewestAndAll) {
    Fail(kApMaster);
    Fail(kRudder);
    Fail(kTransponder);
    EXPECT_FALSE(Fail(kRudder));  // already failed: no second entry
    ClearFailure(s(), kRudder.system, kRudder.component);
    ASSERT_EQ(s().failed.count, 2);
    EXPECT_EQ(s().failed.entries[1].system, kTransponder.system);  // the others keep their order

    ClearLastFailure(s());
    EXPECT_FALSE(C(kTransponder).failed);
    EXPECT_EQ(s().failed.count, 1);
    EXPECT_EQ(desktop.played, std::vector<std::string>{"\\sound_ok.wav"});

    Fail(kEngine1Fail);
    const int refills = view.refills;
    C(kApMaster).reliability = 50;
    ClearAllFailures(s(), true);
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_EQ(view.refills, refills + 1);
    EXPECT_NE(C(kApMaster).bandHigh - C(kApMaster).bandLow, 0);  // schedules drawn again
    EXPECT_EQ(desktop.played.size(), 1u);  // silent

    ClearAllFailures(s(), false);  // nothing to clear: no sound
    ClearLastFailure(s());
    EXPECT_EQ(desktop.played.size(), 1u);
    Fail(kApMaster);
    ClearAllFailures(s(), false);
    EXPECT_EQ(desktop.played.back(), "\\sound_ok.wav");
}

TEST_F(FailuresTest, NothingIsClearedUnderTheInFlightLock) {
    s().settings.hardcoreMode = true;
    standin::TakeOff(server);
    Ticks(1);
    Fail(kApMaster);
    ClearAllFailures(s(), false);
    ClearLastFailure(s());
    EXPECT_EQ(s().failed.count, 1);
    EXPECT_EQ(desktop.played, std::vector<std::string>{});
    standin::Land(server);
    Ticks(1);
    ClearAllFailures(s(), false);
    EXPECT_EQ(s().failed.count, 0);
}

TEST_F(FailuresTest, FullListTakesNoMoreEntries) {
    for (int i = 0; i < FailedList::kCapacity; ++i) EXPECT_TRUE(s().failed.Append(1, 1));
    EXPECT_FALSE(s().failed.Append(1, 2));
    EXPECT_EQ(s().failed.count, FailedList::kCapacity);
}

}  // namespace
}  // namespace wendox::testing
