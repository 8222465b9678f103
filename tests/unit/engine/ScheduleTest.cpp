#include <map>
#include <tuple>

#include "engine/EngineFixture.h"
#include "engine/Random.h"
#include "engine/Schedule.h"

namespace wendox::testing {
namespace {

// Fresh: nothing can fail until the user lowers a reliability. (That there
// are 62 components shows in ProfileTest: a written profile has a line each.)
TEST(CatalogueTest, SevenSystemsInRollOrderAtFullReliability) {
    const Catalogue catalogue = BuildCatalogue();
    std::string order;
    catalogue.ForEach([&](int s, int c, const ComponentRecord& r) {
        if (c == 1) order += std::string(catalogue.systems[s - 1].shortName) + ":" + std::string(r.name) + ";";
        EXPECT_TRUE(r.reliability == 100.0f && r.periodHours == 1.0f);
    });
    EXPECT_EQ(order, "AP:Airspeed;Ctrl:Aileron;Elec:Battery;Eng:Engine 1 (Fail);Fuel:Pump(s);Inst:Airspeed;Radio:ADF;");
    EXPECT_EQ(catalogue.Find(7, 5), nullptr);
}

// Every value of the range about as often, none outside; draws within one
// clock reading differ, and so do runs that start at different times.
TEST(RandomTest, DrawsAreSpreadOverTheirRangeAndDifferWithinOneClockReading) {
    RandomGenerator random, other;
    std::map<std::int32_t, int> counts;
    for (int i = 0; i < 1000; ++i) ++counts[random.Number(9, 0, 100.0f)];
    for (std::int32_t n = 0; n <= 9; ++n) EXPECT_NEAR(counts[n], 100, 40) << n;
    EXPECT_EQ(counts.size(), 10u);  // none outside 0 to 9
    EXPECT_NE(RandomGenerator().Draw(1.0f), other.Draw(2.0f));
}

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
