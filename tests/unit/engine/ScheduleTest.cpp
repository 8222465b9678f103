#include <set>

#include "engine/EngineFixture.h"
#include "engine/NumberText.h"
#include "engine/Random.h"
#include "engine/Schedule.h"

namespace wendox::testing {
namespace {

TEST(CatalogueTest, SevenSystemsOfSixtyTwoComponentsInRollOrder) {
    const Catalogue catalogue = BuildCatalogue();
    int count = 0;
    std::string order;
    catalogue.ForEach([&](int s, int c, const ComponentRecord& r) {
        ++count;
        if (c == 1) order += std::string(catalogue.systems[s - 1].shortName) + ":" + std::string(r.name) + ";";
        EXPECT_EQ(r.reliability, 100.0f);
        EXPECT_EQ(r.periodHours, 1.0f);
    });
    EXPECT_EQ(count, kComponentCount);
    EXPECT_EQ(order, "AP:Airspeed;Ctrl:Aileron;Elec:Battery;Eng:Engine 1 (Fail);Fuel:Pump(s);Inst:Airspeed;Radio:ADF;");
    EXPECT_EQ(catalogue.Find(7, 4)->name, "Transponder");
    EXPECT_EQ(catalogue.Find(7, 5), nullptr);
    EXPECT_EQ(catalogue.Find(8, 1), nullptr);
    EXPECT_NE(catalogue.Find(1, 1)->variable.offset, catalogue.Find(6, 1)->variable.offset);
    EXPECT_EQ(catalogue.systems[0].caption, " Autopilot");
}

TEST(NumberTextTest, SinglesBecomeTheirShortestTextAndBack) {
    EXPECT_EQ(SingleToText(100.0f, '.'), "100");
    EXPECT_EQ(SingleToText(99.5f, '.'), "99.5");
    EXPECT_EQ(SingleToText(0.5f, ','), "0,5");
    EXPECT_EQ(SingleToText(99.999f, '.'), "99.999");
    EXPECT_EQ(SingleToText(0.1f, '.'), "0.1");
    EXPECT_EQ(SingleToText(1.0f / 3.0f, '.'), "0.3333333");
    EXPECT_EQ(SingleToText(0.0f, '.'), "0");
    EXPECT_EQ(TextToSingle(" 99,5 ", ','), 99.5f);
    EXPECT_EQ(TextToSingle("-2", '.'), -2.0f);
    EXPECT_EQ(TextToSingle("1E-05", '.'), 1e-05f);
    EXPECT_EQ(TextToSingle(".5", '.'), 0.5f);
    for (const char* bad : {"", " ", "99.5", "abc", "1,2,3", "1e", "--1", "1 2", "1e99", "inf", "0x10"})
        EXPECT_FALSE(TextToSingle(bad, ',')) << bad;
    EXPECT_EQ(ThroughText(99.123456789f), 99.12346f);
}

TEST(NumberTextTest, HalvesRoundToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RollsInPeriod(0.5f), 180);
    EXPECT_EQ(RollsInPeriod(0.00625f), 2);  // 2.25 rolls
    EXPECT_EQ(RollsInPeriod(0.0f), 0);
}

TEST(RandomTest, NumbersStayWithinTheirBoundsAtTheExtremes) {
    RandomGenerator random;
    struct Range {
        std::int32_t hi, lo;
    };
    for (Range r : {Range{100000, 0}, Range{2, 1}, Range{1, 1}, Range{359640, 1}, Range{50000, 5000},
                    Range{0x7FFFFFFF, -0x7FFFFFFF - 1}, Range{0, 0}}) {
        std::int32_t least = r.hi, most = r.lo;
        for (int i = 0; i < 20000; ++i) {
            const std::int32_t n = random.Number(r.hi, r.lo, 100.0f);
            ASSERT_GE(n, r.lo);
            ASSERT_LE(n, r.hi);
            least = std::min(least, n);
            most = std::max(most, n);
        }
        if (r.hi - static_cast<std::int64_t>(r.lo) < 10) {
            EXPECT_EQ(least, r.lo);
            EXPECT_EQ(most, r.hi);
        }
    }
    EXPECT_EQ(random.Number(0, 1, 5.0f), 1);  // an empty range gives lo
}

TEST(RandomTest, DrawsDifferWithinOneClockReadingAndBetweenClocks) {
    RandomGenerator a, b;
    std::set<float> seen;
    for (int i = 0; i < 1000; ++i) seen.insert(a.Draw(12.5f));
    EXPECT_GT(seen.size(), 990u);
    EXPECT_NE(a.Draw(1.0f), b.Draw(2.0f));
    double sum = 0;
    for (int i = 0; i < 100000; ++i) sum += a.Draw(static_cast<float>(i / 50));
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

using ScheduleTest = EngineFixture;

TEST_F(ScheduleTest, BandsAreCentredInWidthAndPlacedInsideTheDrawRange) {
    StartUp();
    struct Case {
        float reliability;
        std::int32_t width;
    };
    for (Case c : {Case{100, 0}, Case{99, 1000}, Case{99.5f, 500}, Case{99.9f, 100}, Case{50, 50000},
                   Case{0, 100000}}) {
        for (int round = 0; round < 50; ++round) {
            desktop.clockSeconds += 0.5f;
            C(kApMaster).reliability = c.reliability;
            C(kApMaster).periodHours = 0.5f;
            ScheduleAllPeriods(s());
            ASSERT_EQ(C(kApMaster).bandHigh - C(kApMaster).bandLow, c.width) << c.reliability;
            ASSERT_GE(C(kApMaster).bandLow, 0);
            ASSERT_LE(C(kApMaster).bandHigh, 100000);
            ASSERT_GE(C(kApMaster).scheduledRoll, 1);
            ASSERT_LE(C(kApMaster).scheduledRoll, 180);
        }
    }
    C(kApMaster).periodHours = 0;
    ScheduleAllPeriods(s());
    EXPECT_EQ(C(kApMaster).scheduledRoll, 1);
}

TEST_F(ScheduleTest, PeriodEndsWhenItsRollsAreCountedAndTheTestComesOnce) {
    StartUp();
    s().engineCount = 2;
    C(kApMaster).reliability = 99;
    C(kApMaster).periodHours = 0.1f;
    ScheduleAllPeriods(s());
    int rollsInPeriod = 0;
    do {
        FailureRoll(s());
        ++rollsInPeriod;
    } while (C(kApMaster).rollCount != 0);
    // 36 rolls do not reach 0.1 hours in single precision (36 / 360 < 0.1f): the 37th does.
    EXPECT_EQ(rollsInPeriod, 37);
    EXPECT_LE(C(kApMaster).scheduledRoll, 36);
}

}  // namespace
}  // namespace wendox::testing
