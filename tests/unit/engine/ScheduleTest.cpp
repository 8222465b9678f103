#include <tuple>

#include "engine/EngineFixture.h"

namespace wendox::testing {
namespace {

using ScheduleTest = EngineFixture;

// Width about (100 - R) x 1000 draws, centred and then moved inside 0 to
// 100000; the period under way goes on. A period ends on the roll whose
// count / 360 reaches its hours: exactly on the 180th for half an hour; for
// 0.1 hours on the 37th, as 36 / 360 < 0.1f.
TEST_F(ScheduleTest, BandsPeriodsAndTheRollThatFailsOnDrawsFromTheBandsLowEndToJustBelowItsHighEnd) {
    StartUp();
    ComponentRecord& ap = C(kApMaster);
    ap.periodHours = 0.5f;
    ap.rollCount = 7;
    for (const auto& [reliability, width] :
         {std::pair{100.0f, 0}, {99.0f, 1000}, {99.9f, 100}, {99.99f, 10}, {0.0f, 100000}}) {
        ap.reliability = reliability;
        for (int round = 0; round < 50; ++round) {
            ScheduleAllPeriods(state);
            ASSERT_EQ(ap.bandHigh - ap.bandLow, width) << reliability;
            ASSERT_TRUE(ap.bandLow >= 0 && ap.bandHigh <= 100000) << ap.bandLow << " " << ap.bandHigh;
            ASSERT_TRUE(ap.scheduledRoll >= 1 && ap.scheduledRoll <= 180 && ap.rollCount == 7) << ap.scheduledRoll;
        }
    }
    ap.reliability = 99;
    // Hours, the roll that ends the period, the rolls a new period draws from.
    for (const auto& [hours, last, rolls] : {std::tuple{0.5f, 180, 180}, std::tuple{0.1f, 37, 36}}) {
        ap.periodHours = hours;
        ap.rollCount = 0;
        int roll = 0;
        do FailureRoll(state);
        while (++roll < 400 && ap.rollCount != 0);
        EXPECT_EQ(roll, last) << hours;
        EXPECT_LE(ap.scheduledRoll, rolls);
    }

    // The component fails on its scheduled roll when the draw r has BandLow <=
    // r < BandHigh, unless the failures already in force reach the pilot's
    // limit; either way its test for the period is spent.
    ap.reliability = 50;
    // The band's ends less the draw, the limit (0: none), the failures in force, and whether it fails.
    for (const auto& [low, high, limit, inForce, fails] :
         {std::tuple{0, 1, 0, 0, true}, {-1, 0, 0, 0, false}, {1, 2, 0, 0, false}, {0, 1, 0, 3, true},
          {0, 1, 2, 1, true}, {0, 1, 2, 2, false}}) {
        ClearAllFailures(state, true);
        ap.scheduledRoll = ap.rollCount + 1;  // the next roll draws
        state.settings.maxFailures = limit;
        for (int component = 1; component <= inForce; ++component) Fail({kAileron.system, component});
        const std::int32_t r = RandomGenerator(state.random).Number(kRollDrawMax, 0, desktop.clockSeconds);  // foreseen
        ap.bandLow = r + low;
        ap.bandHigh = r + high;
        FailureRoll(state);
        EXPECT_EQ(std::pair(ap.failed, ap.rollCount), std::pair(fails, ap.scheduledRoll))
            << low << high << limit << inForce;
    }
}

}  // namespace
}  // namespace wendox::testing
