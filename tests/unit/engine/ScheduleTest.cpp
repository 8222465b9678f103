#include <tuple>

#include "engine/EngineFixture.h"
#include "engine/Schedule.h"

namespace wendox::testing {
namespace {

using ScheduleTest = EngineFixture;

// Width about (100 - R) x 1000 draws, centred and then moved inside 0 to
// 100000; the period under way goes on.
TEST_F(ScheduleTest, BandsHaveTheirWidthAndLieInsideTheDrawRange) {
    StartUp();
    const std::pair<float, std::int32_t> widths[] = {{100, 0}, {99, 1000}, {99.9f, 100}, {99.99f, 10}, {0, 100000}};
    for (const auto& [reliability, width] : widths) {
        for (int round = 0; round < 50; ++round) {
            ComponentRecord& ap = C(kApMaster);
            ap.reliability = reliability;
            ap.periodHours = 0.5f;
            ap.rollCount = 7;
            ScheduleAllPeriods(s());
            ASSERT_EQ(ap.bandHigh - ap.bandLow, width) << reliability;
            ASSERT_TRUE(ap.bandLow >= 0 && ap.bandHigh <= 100000) << ap.bandLow << " " << ap.bandHigh;
            ASSERT_TRUE(ap.scheduledRoll >= 1 && ap.scheduledRoll <= 180) << ap.scheduledRoll;
            ASSERT_EQ(ap.rollCount, 7);
        }
    }
}

// The component fails on its scheduled roll when the draw r has BandLow <= r
// < BandHigh, unless the failures already in force reach the pilot's limit;
// either way its test for the period is spent.
TEST_F(ScheduleTest, TheRollFailsOnDrawsFromTheBandsLowEndToJustBelowItsHighEndBelowTheLimit) {
    StartUp();
    // The band's ends less the draw, the limit (0: none), the failures in force, and whether it fails.
    for (const auto& [low, high, limit, inForce, fails] :
         {std::tuple{0, 1, 0, 0, true}, {-1, 0, 0, 0, false}, {1, 2, 0, 0, false}, {0, 1, 0, 3, true},
          {0, 1, 2, 1, true}, {0, 1, 2, 2, false}}) {
        ComponentRecord& ap = C(kApMaster);
        ap.reliability = 50;
        ap.scheduledRoll = ap.rollCount + 1;  // the next roll draws
        s().settings.maxFailures = limit;
        for (int component = 1; component <= inForce; ++component) Fail({kAileron.system, component});
        RandomGenerator next = s().random;  // the roll's draw, foreseen
        const std::int32_t r = next.Number(kRollDrawMax, 0, desktop.clockSeconds);
        ap.bandLow = r + low;
        ap.bandHigh = r + high;
        FailureRoll(s());
        EXPECT_EQ(std::pair(ap.failed, ap.rollCount), std::pair(fails, ap.scheduledRoll))
            << low << high << limit << inForce;
        ClearAllFailures(s(), true);
    }
}

// A period ends on the roll whose count / 360 reaches its hours: exactly on
// the 180th for half an hour; for 0.1 hours on the 37th, as 36 / 360 < 0.1f.
TEST_F(ScheduleTest, PeriodEndsWhenItsRollsReachItsHours) {
    StartUp();
    C(kApMaster).reliability = 99;
    // Hours, the roll that ends the period, the rolls a new period draws from.
    for (const auto& [hours, last, rolls] : {std::tuple{0.5f, 180, 180}, std::tuple{0.1f, 37, 36}}) {
        C(kApMaster).periodHours = hours;
        int roll = 0;
        do FailureRoll(s());
        while (++roll < 400 && C(kApMaster).rollCount != 0);
        EXPECT_EQ(roll, last) << hours;
        EXPECT_LE(C(kApMaster).scheduledRoll, rolls);
    }
}

}  // namespace
}  // namespace wendox::testing
